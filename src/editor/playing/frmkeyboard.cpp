// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/playing/frmkeyboard.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <vector>

#include "editor/document/editordocument.h"
#include "editor/pageview/musicpaintbox.h"
#include "model/note.h"
#include "model/preferencesfile.h"
#include "playback/conversion/keyoffset.h"
#include "playback/midioutput.h"
#include "playback/midistatus.h"

namespace sorvel {

namespace {

constexpr int kOctaveWidth = 7 * TfrmKeyBoard::kWhiteKeyWidth;  // 168
constexpr int kColumnWidth = 8;
constexpr int kVelocity = 80;

// Semitone above C of each 8-pixel column of an octave.
constexpr int kLowerZone[21] = {0, 0, 0, 2, 2, 2, 4, 4, 4, 5, 5, 5, 7, 7, 7, 9, 9, 9, 11, 11, 11};
constexpr int kUpperZone[21] = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 8, 9, 10, 10, 11, 11};

// The digit and sharp a semitone above C enters.
constexpr char kEntryDigit[12] = {'1', '1', '2', '2', '3', '4', '4', '5', '5', '6', '6', '7'};
constexpr bool kSharp[12] = {false, true,  false, true,  false, false,
                             true,  false, true,  false, true,  false};
constexpr char kSharpCode[] = "`";

const QColor kGrey(128, 128, 128);

// Fills the 4-connected region of the seed's colour with `colour`.
void FloodFill(QImage& image, QPoint seed, QColor colour) {
    if (!image.rect().contains(seed)) return;
    const QRgb target = image.pixel(seed);
    const QRgb fill = colour.rgb();
    if (target == fill) return;
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!image.rect().contains(p) || image.pixel(p) != target) continue;
        image.setPixel(p, fill);
        stack.push_back({p.x() + 1, p.y()});
        stack.push_back({p.x() - 1, p.y()});
        stack.push_back({p.x(), p.y() + 1});
        stack.push_back({p.x(), p.y() - 1});
    }
}

bool IsBlackKey(int semitone) {
    return kSharp[semitone];
}

}  // namespace

TfrmKeyBoard::TfrmKeyBoard(const EditorContext& ctx, MidiOutput& output, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      ctx_(ctx),
      output_(output),
      settingsPath_(ctx.shell.SettingsPath()),
      image_(kImageWidth, kImageHeight, QImage::Format_RGB32) {
    setObjectName("TfrmKeyBoard");
    setWindowTitle(tr("ピアノ鍵盤"));
    setFixedSize(kImageWidth, kImageHeight);
    setFocusPolicy(Qt::StrongFocus);
    Preferences& prefs = ctx_.document.Workspace().prefs;
    ReadPreferenceKeys(settingsPath_, prefs, {"FormPianoTop", "FormPianoLeft"});
    move(prefs.FormPianoLeft, prefs.FormPianoTop);
    DrawKeyboard();
}

TfrmKeyBoard::~TfrmKeyBoard() {
    // The main window's preferences may be gone: the place is written directly.
    WritePreferenceKey(settingsPath_, "Location", "FormPianoTop", pos().y());
    WritePreferenceKey(settingsPath_, "Location", "FormPianoLeft", pos().x());
}

int TfrmKeyBoard::KeyOffset() const {
    const TMusicSheet* page = ctx_.shell.CurrentPage();
    return page ? sorvel::KeyOffset(*page) : 0;
}

bool TfrmKeyBoard::MovesCursor(Qt::MouseButton button) const {
    return button == Qt::MiddleButton ||
           (button == Qt::RightButton && ctx_.document.Workspace().prefs.IsRBtnCsrMove);
}

int TfrmKeyBoard::HitTest(int x, int y) {
    const int* table = y <= kBlackKeyHeight ? kUpperZone : kLowerZone;
    const int column = std::clamp((x % kOctaveWidth) / kColumnWidth, 0, 20);
    const int note = table[column] + (x / kOctaveWidth) * 12 + kLowestNote;
    if (note == lastHit_) return -1;
    lastHit_ = note;
    return note;
}

void TfrmKeyBoard::Sound(int key, int velocity) {
    output_.SendShortMessage(kChannel, midi::kNoteOn, key + soundedOffset_, velocity);
}

void TfrmKeyBoard::DrawKeyboard() {
    image_.fill(Qt::white);
    {
        QPainter p(&image_);
        p.setPen(kGrey);
        p.drawRect(0, 0, kImageWidth - 1, kImageHeight - 1);
        for (int i = 0; i < kWhiteKeyCount; ++i)
            p.drawLine(i * kWhiteKeyWidth, 0, i * kWhiteKeyWidth, kImageHeight - 1);
        p.setBrush(Qt::black);
        for (int i = 0; i < kWhiteKeyCount; ++i) {
            const int m = i % 7;
            if (m == 1 || m == 2 || m == 4 || m == 5 || m == 6)
                p.drawRect(i * kWhiteKeyWidth - 8, 0, 16, kBlackKeyHeight);
        }
    }
    if (current_ >= 0) {
        const int s = (current_ - kLowestNote) % 12;
        const int octave = (current_ - kLowestNote) / 12;
        const int x = (s + 1 + (s > 4 ? 1 : 0) + 14 * octave) * 12;
        const int y = IsBlackKey(s) ? kBlackKeyHeight - 12 : kImageHeight - 12;
        FloodFill(image_, {x, y}, Qt::red);
    }
    if (ctx_.document.Workspace().prefs.IsDispKeyName) {
        QPainter p(&image_);
        DrawKeyNames(p);
    }
    update();
}

void TfrmKeyBoard::DrawKeyNames(QPainter& p) {
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(16);  // 12 points at 96 dpi
    p.setFont(font);
    p.setPen(Qt::black);
    const QFontMetrics metrics(font);
    const int digitW = metrics.horizontalAdvance('6');
    const int digitH = metrics.height();
    for (int i = 0; i < kWhiteKeyCount; ++i) {
        const int x = (kWhiteKeyWidth - digitW) / 2 + i * kWhiteKeyWidth + 1;
        const int y = kImageHeight - digitH - 10;
        p.fillRect(x, y, digitW, digitH, Qt::white);
        p.drawText(x, y + metrics.ascent(), QString::number(i % 7 + 1));
    }
    auto dot = [&p](int key, int y) {
        const int cx = key * kWhiteKeyWidth + 12;
        p.fillRect(cx - 1, y - 1, 3, 3, Qt::black);
    };
    for (int i = 0; i <= 13; ++i) dot(i, kImageHeight - 9);
    for (int i = 0; i <= 6; ++i) dot(i, kImageHeight - 5);
    for (int i = 21; i <= 34; ++i) dot(i, kImageHeight - digitH - 13);
    for (int i = 28; i <= 34; ++i) dot(i, kImageHeight - digitH - 17);
}

void TfrmKeyBoard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void TfrmKeyBoard::showEvent(QShowEvent* event) {
    DrawKeyboard();
    QWidget::showEvent(event);
}

void TfrmKeyBoard::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button == Qt::MiddleButton) {
        ctx_.shell.KeyPress(QChar('0'));
        return;
    }
    if (button == Qt::RightButton && ctx_.document.Workspace().prefs.IsRBtnCsrMove) {
        ctx_.shell.KeyDown(Qt::Key_Right, Qt::NoModifier);
        return;
    }
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    dragging_ = true;
    dragButton_ = button;
    const QPoint at = event->position().toPoint();
    current_ = HitTest(at.x(), at.y());
    if (current_ >= 0) {
        soundedOffset_ = KeyOffset();
        output_.SendShortMessage(kChannel, midi::kProgramChange, 0, 0);
        Sound(current_, kVelocity);
    }
    DrawKeyboard();
}

void TfrmKeyBoard::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QPoint at = event->position().toPoint();
    const int note = HitTest(at.x(), at.y());
    if (note < 0) return;
    if (current_ >= 0) Sound(current_, 0);
    current_ = note;
    Sound(current_, kVelocity);
    DrawKeyboard();
}

void TfrmKeyBoard::mouseReleaseEvent(QMouseEvent* event) {
    if (MovesCursor(event->button()) || !dragging_ || event->button() != dragButton_) return;
    dragging_ = false;
    if (current_ >= 0) {
        Sound(current_, 0);
        if (dragButton_ == Qt::LeftButton) EnterKey(current_);
    }
    lastHit_ = -1;
    current_ = -1;
    DrawKeyboard();
}

void TfrmKeyBoard::EnterKey(int key) {
    TMusicPaintBox& view = ctx_.view;
    if (!view.KeyCursorShown()) return;
    const int s = key % 12;
    // Digit, octave and sharp go in as one step; the note sounded already
    // while the key was held, so it is not sounded again.
    const KeyedPitch pitch{key / 12 - 5, kSharp[s] ? std::string(kSharpCode) : std::string()};
    view.EnterKeyedNote(std::string(1, kEntryDigit[s]), pitch);
}

void TfrmKeyBoard::keyPressEvent(QKeyEvent* event) {
    // Typing still edits the score while the keyboard has the focus.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (ctx_.shell.KeyDown(event->key(), mods)) return;
    if ((mods & ~Qt::ShiftModifier) == Qt::NoModifier && event->text().size() == 1 &&
        ctx_.shell.KeyPress(event->text().front()))
        return;
    QWidget::keyPressEvent(event);
}

}  // namespace sorvel
