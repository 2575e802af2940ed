// SPDX-License-Identifier: GPL-3.0-or-later
// Two folk tunes in 2/4, sixteen bars each, typed through the window as a
// player types them: Ctrl+R, a click on the first slot, then the keys. Every
// note read back from the page (pitch, octave, onset, length) must be the
// tune's, and the keys a bar are counted with digits in the octave nearest the
// note before them and with absolute octaves.
#include <QAction>
#include <QtTest>
#include <algorithm>

#include "editor/dialogs/frmsetinfo.h"
#include "editor/pageview/musicpaintbox.h"
#include "editor/pageview/scorepaintbox.h"
#include "editor/platform/ownsettings.h"
#include "mainwindowfixture.h"
#include "model/itemfactory.h"
#include "model/musicmark.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "view/core/pagelayout.h"

using namespace sorvel;

namespace {

constexpr int e = 24, q = 48, h = 96;

// A note as a player reads it: digit, octave, onset and length in ticks.
struct Heard {
    char digit;
    int octave, onset, ticks;
    bool operator==(const Heard&) const = default;
};

struct Sung {
    char digit;
    int octave, ticks;
};

struct Tune {
    const char* name;
    std::vector<std::vector<Sung>> bars;
    std::vector<const char*> nearestKeys;   // digits go to the nearest octave
    std::vector<const char*> absoluteKeys;  // every octave by x and z
};

// 东方红 (the Shaanbei tune), 1=F 2/4, the sixteen bars as songbooks print
// them: "5 5_6_ | 2 - | 1 1_6,_ | 2 - | 5 5 | 6_1'_6_5_ | 1 1_6,_ | 2 - |
// 5 2 | 1 7,_6,_ | 5, 5 | 2_3_2_1_ | 1 1_6,_ | 2_3_2_1_ | 2_1_7,_6,_ | 5, - |".
const Tune kDongFangHong = {
    "东方红",
    {{{'5', 0, q}, {'5', 0, e}, {'6', 0, e}},
     {{'2', 0, h}},
     {{'1', 0, q}, {'1', 0, e}, {'6', -1, e}},
     {{'2', 0, h}},
     {{'5', 0, q}, {'5', 0, q}},
     {{'6', 0, e}, {'1', 1, e}, {'6', 0, e}, {'5', 0, e}},
     {{'1', 0, q}, {'1', 0, e}, {'6', -1, e}},
     {{'2', 0, h}},
     {{'5', 0, q}, {'2', 0, q}},
     {{'1', 0, q}, {'7', -1, e}, {'6', -1, e}},
     {{'5', -1, q}, {'5', 0, q}},
     {{'2', 0, e}, {'3', 0, e}, {'2', 0, e}, {'1', 0, e}},
     {{'1', 0, q}, {'1', 0, e}, {'6', -1, e}},
     {{'2', 0, e}, {'3', 0, e}, {'2', 0, e}, {'1', 0, e}},
     {{'2', 0, e}, {'1', 0, e}, {'7', -1, e}, {'6', -1, e}},
     {{'5', -1, h}}},
    {"5 5 c 6", "2 z -", "1 v 1 c 6", "2 -", "5 v 5", "6 c 1 6 5", "1 z v 1 c 6", "2 -", "5 v 2",
     "1 7 c 6", "5 v 5 x", "2 c 3 2 1", "1 v 1 c 6", "2 3 2 1", "2 1 7 6", "5 -"},
    {"5 5 c 6", "2 -", "1 v 1 c 6 z", "2 -", "5 v 5", "6 c 1 x 6 5", "1 v 1 c 6 z", "2 -", "5 v 2",
     "1 7 z c 6 z", "5 z v 5", "2 c 3 2 1", "1 v 1 c 6 z", "2 3 2 1", "2 1 7 z 6 z", "5 z -"},
};

// 小毛驴 (the Beijing children's tune), 1=C 2/4, in running eighths:
// "1 1 1 3 | 5 5 5 5 | 6 6 6 1' | 5 - | 4 4 4 6 | 3 3 3 3 | 2 2 2 2 | 5 - |"
// and again, closing "... | 2 2 2 3 | 1 - |".
std::vector<Sung> Eighths(const char* digits, int highLast = 0) {
    std::vector<Sung> bar;
    for (const char* d = digits; *d; ++d) bar.push_back({*d, 0, e});
    bar.back().octave = highLast;
    return bar;
}

const Tune kXiaoMaoLv = {
    "小毛驴",
    {Eighths("1113"),
     Eighths("5555"),
     Eighths("6661", 1),
     {{'5', 0, h}},
     Eighths("4446"),
     Eighths("3333"),
     Eighths("2222"),
     {{'5', 0, h}},
     Eighths("1113"),
     Eighths("5555"),
     Eighths("6661", 1),
     {{'5', 0, h}},
     Eighths("4446"),
     Eighths("3333"),
     Eighths("2223"),
     {{'1', 0, h}}},
    {"1 c 1 1 3", "5 5 5 5", "6 6 6 1", "5 -", "4 4 4 6", "3 3 3 3", "2 2 2 2", "5 -", "1 z 1 1 3",
     "5 5 5 5", "6 6 6 1", "5 -", "4 4 4 6", "3 3 3 3", "2 2 2 3", "1 -"},
    {"1 c 1 1 3", "5 5 5 5", "6 6 6 1 x", "5 -", "4 4 4 6", "3 3 3 3", "2 2 2 2", "5 -", "1 1 1 3",
     "5 5 5 5", "6 6 6 1 x", "5 -", "4 4 4 6", "3 3 3 3", "2 2 2 3", "1 -"},
};

std::vector<Heard> Timed(const Tune& tune) {
    std::vector<Heard> out;
    int onset = 0;
    for (const auto& bar : tune.bars) {
        for (const Sung& n : bar) {
            out.push_back({n.digit, n.octave, onset, n.ticks});
            onset += n.ticks;
        }
    }
    return out;
}

int KeysOf(const std::vector<const char*>& bars) {
    int keys = 0;
    for (const char* bar : bars) {
        for (const char* c = bar; *c; ++c) keys += *c != ' ';
    }
    return keys;
}

// The notes of the page in row and slot order as a player reads them; every
// bar line must stand where a bar of two beats ends.
std::vector<Heard> ReadBack(const TMusicSheet& page) {
    std::vector<const TMusicItem*> symbols;
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TMusicItem* item = page.GetItem(i);
        if (item->As<TNote>() || item->Class() == ItemClass::BarLine) symbols.push_back(item);
    }
    std::sort(symbols.begin(), symbols.end(), [](const TMusicItem* a, const TMusicItem* b) {
        return a->PosY() != b->PosY() ? a->PosY() < b->PosY() : a->PosX() < b->PosX();
    });
    std::vector<Heard> heard;
    int onset = 0;
    for (const TMusicItem* item : symbols) {
        const TNote* note = item->As<TNote>();
        if (!note) {
            if (onset % h != 0) {
                qWarning("a bar line at %d", onset);
                return {};
            }
        } else if (note->Content() == "8") {
            heard.back().ticks += q;
            onset += q;
        } else {
            const int ticks = (q >> note->Length()) * (note->Futen() ? 3 : 2) / 2;
            if (!note->Rinji().empty()) return {};  // these tunes have no accidental
            heard.push_back({note->Content()[0], note->Octave(), onset, ticks});
            onset += ticks;
        }
    }
    return heard;
}

// Types the tune on a fresh 2/4 page; returns the keys and clicks it took.
int TypeThrough(MainWindowFixture& f, const std::vector<const char*>& bars, bool nearest) {
    TfrmMain& w = *f.window;
    setting::kRhythmNearestOctave.Write(w.SettingsPath(), nearest);
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) return -1;
    PageLayout layout(w.Workspace().layout);
    w.Document().Edit("test", [&](Transaction&) {
        TBeat* beat = CreateItem<TBeat>(*w.CurrentPage());
        beat->SetContent("\"");  // 2/4
        beat->SetPosX(layout.SlotX(0));
        beat->SetPosY(layout.RowBase(1));
    });
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    if (!w.Action("actRhythmEntry")->isChecked()) return -1;
    QTest::mouseClick(&w.PaintBox(), Qt::LeftButton, {},
                      QPoint(layout.SlotX(1), layout.RowBase(1)));
    for (const char* bar : bars) {
        for (const char* c = bar; *c; ++c) {
            if (*c != ' ') QTest::keyClick(&w.PaintBox(), *c);
        }
    }
    return 2 + KeysOf(bars);
}

}  // namespace

class RhythmTunesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twoTunesComeOutRightInFewerKeysABar() {
        int nearestKeys = 0, absoluteKeys = 0, bars = 0;
        for (const Tune* tune : {&kDongFangHong, &kXiaoMaoLv}) {
            QCOMPARE(int(tune->bars.size()), 16);
            for (bool nearest : {true, false}) {
                MainWindowFixture f;
                const auto& keys = nearest ? tune->nearestKeys : tune->absoluteKeys;
                const int typed = TypeThrough(f, keys, nearest);
                QVERIFY2(typed > 0, tune->name);
                QVERIFY2(ReadBack(*f.window->CurrentPage()) == Timed(*tune),
                         qPrintable(QString::fromUtf8(tune->name) + (nearest ? " nearest" : "")));
                (nearest ? nearestKeys : absoluteKeys) += KeysOf(keys);
                qInfo("%s, %s octaves: %d keys, %.2f a bar (%.2f with Ctrl+R and the click)",
                      tune->name, nearest ? "nearest" : "absolute", KeysOf(keys),
                      KeysOf(keys) / 16.0, typed / 16.0);
            }
            bars += 16;
        }
        qInfo("both tunes: %.2f keys a bar, %.2f with absolute octaves", double(nearestKeys) / bars,
              double(absoluteKeys) / bars);
        QVERIFY(double(nearestKeys) / bars < 3.75);
        QVERIFY(nearestKeys < absoluteKeys);
    }
};

QTEST_MAIN(RhythmTunesTest)
#include "rhythmtunes_test.moc"
