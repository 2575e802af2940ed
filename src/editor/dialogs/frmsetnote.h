// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A note's accidental and dot positions: the note is shown large, and the
// user drags the accidental and the dot to where they belong. OK stores the
// positions as offsets of the note, optionally as the defaults for new notes
// and for every note of the book.
#include <QDialog>
#include <QImage>
#include <memory>

#include "editor/dialogs/itemdialogvalues.h"

namespace Ui {
class TfrmSetNote;
}

namespace sorvel {

class TNote;
class TMusicSheet;
class Workspace;

class TfrmSetNote : public QDialog {
    Q_OBJECT

public:
    TfrmSetNote(Workspace& workspace, QWidget* parent);
    ~TfrmSetNote() override;

    // Measures the note's glyph, places the accidental and the dot by the
    // note's offsets and clears the two check boxes.
    void Prepare(TNote& note, TMusicSheet& page);
    bool Execute(TNote& note, TMusicSheet& page);
    // The OK button: closes with OK.
    void Confirm();
    // After an OK: stores the four offsets (and the defaults, and every
    // note's, as the check boxes ask).
    void Apply();

    // Where the parts are now, in paint-box pixels, and the glyph's measures.
    FigurePoint AccidentalPosition() const { return accidental_; }
    FigurePoint DotCentre() const { return dot_; }
    const NoteFigure& Figure() const { return figure_; }
    const QImage& Picture() const { return picture_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Grab { None, Accidental, Dot };
    void Measure();
    void Repaint();
    Grab HitPart(int x, int y) const;
    FigurePoint Inside(FigurePoint p) const;

    std::unique_ptr<Ui::TfrmSetNote> ui_;
    Workspace& ws_;
    TNote* note_ = nullptr;
    TMusicSheet* page_ = nullptr;
    NoteFigure figure_;
    int notePoints_ = 0;
    int accidentalPoints_ = 0;
    int accidentalWidth_ = 0;
    int accidentalHeight_ = 0;
    int textHeight_ = 0;
    FigurePoint accidental_;
    FigurePoint dot_;
    // The note's offsets when the dialog was shown, and where they put the
    // parts: a part that is not moved keeps its offsets exactly.
    NoteOffsets shownOffsets_;
    FigurePoint shownAccidental_;
    FigurePoint shownDot_;
    Grab grab_ = Grab::None;
    FigurePoint grabStart_;
    FigurePoint grabOrigin_;
    QImage picture_;
};

}  // namespace sorvel
