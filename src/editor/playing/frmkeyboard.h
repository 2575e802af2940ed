// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The piano keyboard "ピアノ鍵盤": a key held with the mouse sounds on channel
// index 2, and the key released with the left button is entered at the page
// view's key cursor, read in the page's key with C as "1".
#include <QImage>
#include <QWidget>
#include <string>

#include "editor/document/editorshell.h"

class QPainter;

namespace sorvel {

class MidiOutput;
class TMusicItem;

class TfrmKeyBoard : public QWidget {
    Q_OBJECT
public:
    static constexpr int kImageWidth = 839;
    static constexpr int kImageHeight = 67;
    static constexpr int kWhiteKeyWidth = 24;
    static constexpr int kWhiteKeyCount = 36;
    static constexpr int kLowestNote = 36;
    static constexpr int kBlackKeyHeight = kImageHeight * 2 / 5;
    static constexpr int kChannel = 2;

    TfrmKeyBoard(const EditorContext& ctx, MidiOutput& output, QWidget* parent);
    ~TfrmKeyBoard() override;  // writes its place

    // Note entry reports here every note it creates or changes.
    void NoteEntered(TMusicItem* item) { entered_ = item; }

    // The note under (x, y) by the hit tables; -1 when it is the last hit.
    int HitTest(int x, int y);
    int CurrentKey() const { return current_; }
    const QImage& Image() const { return image_; }
    // Redraws the keys, the current key in red and the key names.
    void DrawKeyboard();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int KeyOffset() const;
    void Sound(int key, int velocity);
    void EnterKey(int key);
    void DrawKeyNames(QPainter& painter);
    bool MovesCursor(Qt::MouseButton button) const;

    EditorContext ctx_;
    MidiOutput& output_;
    std::string settingsPath_;
    QImage image_;
    bool dragging_ = false;
    Qt::MouseButton dragButton_ = Qt::NoButton;
    int current_ = -1;
    int lastHit_ = -1;
    int soundedOffset_ = 0;  // the key offset the current key sounds with
    TMusicItem* entered_ = nullptr;
};

}  // namespace sorvel
