// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool palette (`pcTool`): tabs of buttons, one per placeable glyph, in
// one radio group. A click chooses a tool for one placement, a double-click
// keeps it; the no-tool buttons and a tab change drop it.
#include <QButtonGroup>
#include <QTabWidget>
#include <optional>
#include <string>

#include "model/contentkind.h"

class QAbstractButton;

namespace sorvel {

// What a typed character chooses: a tool and its glyph, or a pseudo key of
// the page view (octave and length).
struct TypedTool {
    TContentKind tool = ckNone;
    std::string glyph;
    int pseudoKey = 0;
};

class ToolPalette : public QTabWidget {
    Q_OBJECT
public:
    explicit ToolPalette(QWidget* parent = nullptr);

    // Presses the no-tool buttons: no tool, sticky (nothing to drop later).
    void PressNoTool();
    // Whether the tool is dropped after one placement.
    bool ToolSticky() const { return sticky_; }
    // The page view reports the end of a click: a one-shot tool is dropped.
    void PageClickEnded();
    // The open-string finger button shows "T" or "." as the option says.
    void RefreshFingerButton(bool fingerNo00);
    // Whether a tab that holds no tool yet (its buttons are spare) is shown;
    // it is hidden from the start.
    void ShowSpareTabs(bool shown);

    // The tool a family name chooses; ckNone for a name of no family.
    static TContentKind ToolOfButton(const QString& name, int tag);
    // The key map of typed tools: the key printed under a button chooses the
    // button's glyph, with the tool kind of the glyph table; "-" types as "8"
    // and "?" as "/". (The keys under the accidentals and the grace note are
    // the typing's own, which puts them on the note just typed.) The open-string finger glyph
    // follows `fingerNo00`. `key` is lower case; nullopt for a key that chooses nothing.
    static std::optional<TypedTool> ToolOfTypedKey(char key, bool fingerNo00);

Q_SIGNALS:
    void toolChosen(sorvel::TContentKind tool, const std::string& glyph);
    // The octave and length buttons: the pseudo keys of the page view.
    void pseudoKey(int key);

private:
    void BuildTabs();
    void ButtonClicked(QAbstractButton* button);

    QButtonGroup group_;
    bool sticky_ = true;
    QAbstractButton* stickyNext_ = nullptr;  // double-clicked: its next click keeps the tool
};

}  // namespace sorvel
