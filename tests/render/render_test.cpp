// SPDX-License-Identifier: GPL-3.0-or-later
// Pages of the demonstration book drawn as the exports draw them, compared
// with reference images. Set SORVEL_UPDATE_REFERENCES=1 to rewrite the
// references after a deliberate change of the drawing (and look at them).
#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QRawFont>
#include <cstdlib>
#include <iterator>
#include <memory>

#include "model/musicsheet.h"
#include "model/note.h"
#include "model/scorefile.h"
#include "model/workspace.h"
#include "print/pagerenderer.h"
#include "view/qt/musicfont.h"
#include "view/qt/qtcanvas.h"

namespace sorvel {
namespace {

class RenderTest : public ::testing::Test, protected Workspace {
protected:
    RenderTest() {
        ReadResult read = ReadScoreFile(SORVEL_EXAMPLES_DIR "/demo.svl", env);
        EXPECT_EQ(read.status, ReadStatus::Ok) << read.message;
        book = std::move(read.book);
    }
    // Share of pixels that differ clearly from the reference.
    static double DifferingShare(const QImage& a, const QImage& b) {
        long differing = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                if (std::abs(qGray(p) - qGray(q)) > 96) ++differing;
            }
        }
        return static_cast<double>(differing) / (a.width() * a.height());
    }

    void CompareWithReference(int pageIndex, const char* name) {
        ASSERT_TRUE(book);
        QImage image = PageRenderer(env).Render(*book->GetSheet(pageIndex), true);
        const QString path = QStringLiteral(SORVEL_REFERENCE_DIR "/") + name;
        if (std::getenv("SORVEL_UPDATE_REFERENCES")) {
            ASSERT_TRUE(image.save(path));
            return;
        }
        QImage reference(path);
        ASSERT_FALSE(reference.isNull()) << "missing reference " << name;
        ASSERT_EQ(image.size(), reference.size());
        EXPECT_LT(DifferingShare(image.convertToFormat(QImage::Format_RGB32),
                                 reference.convertToFormat(QImage::Format_RGB32)),
                  0.002)
            << name << " differs from its reference";
    }
};

TEST_F(RenderTest, TunePageMatchesItsReference) {
    CompareWithReference(0, "demo-page1.png");
}

TEST_F(RenderTest, GalleryPageMatchesItsReference) {
    CompareWithReference(1, "demo-page2.png");
}

TEST_F(RenderTest, DrawingMeasuresItemsBack) {
    ASSERT_TRUE(book);
    TMusicSheet& page = *book->GetSheet(0);
    PageRenderer(env).Render(page, true);
    // The note "3" at 18 pt: the font's digit cell is 12 x 21 page units.
    const TMusicItem* first = nullptr;
    for (int i = 0; i < page.ItemCount() && !first; ++i) {
        if (page.GetItem(i)->Class() == ItemClass::Note) first = page.GetItem(i);
    }
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Width(), 12);
    EXPECT_EQ(first->Height(), 21);
}

TEST(MusicFont, RegisteredAndJapaneseFontsResolve) {
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("TMusicFont")));
    QFont music(QStringLiteral("TMusicFont"));
    music.setPixelSize(24);
    EXPECT_EQ(QFontInfo(music).family(), QStringLiteral("TMusicFont"));
    QFontMetrics metrics(music);
    EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('8')), 12);
    EXPECT_EQ(metrics.ascent() + metrics.descent(), 21);
    for (const char* name : {"ＭＳ Ｐゴシック", "ＭＳ ゴシック"}) {
        QFont font(ResolveFontFamily(QString::fromUtf8(name)));
        EXPECT_TRUE(QFontInfo(font).family().startsWith(QStringLiteral("IPA")))
            << name << " resolves to " << QFontInfo(font).family().toStdString();
    }
}

// The advance of every glyph is what drawing measures as an item's width:
// a redrawn glyph keeps its advance, or every page lays out differently.
TEST(MusicFont, AdvancesAndVerticalMetricsAreKept) {
    static constexpr int kAdvances[] = {
        // codes 32 to 126
        256, 355, 355, 355, 355, 355, 355, 355, 578, 702, 435, 462, 454, 462, 336, 277, 512, 512,
        512, 512, 512, 512, 512, 512, 512, 256, 512, 512, 740, 740, 740, 740, 1104, 815, 526, 758,
        817, 609, 799, 989, 715, 990, 990, 604, 604, 880, 367, 720, 540, 479, 453, 502, 346, 448,
        448, 448, 453, 814, 631, 454, 1037, 390, 384, 384, 224, 233, 172, 170, 250, 310, 423, 423,
        629, 768, 496, 692, 520, 727, 455, 268, 390, 320, 212, 540, 257, 809, 540, 729, 465, 250,
        300, 526, 526, 778, 512,
        // codes 160 to 169, the bar-number digits
        240, 240, 240, 240, 240, 240, 240, 240, 240, 240};
    QFile file(QStringLiteral(":/fonts/TMusicFont.ttf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // At a pixel size of one em (1024 units) advances come out in font units.
    const QRawFont font(file.readAll(), 1024, QFont::PreferNoHinting);
    ASSERT_TRUE(font.isValid());
    EXPECT_EQ(font.unitsPerEm(), 1024);
    EXPECT_EQ(font.ascent(), 900);
    EXPECT_EQ(font.descent(), 0);
    size_t i = 0;
    for (int code = 32; code < 170; code = code == 126 ? 160 : code + 1, ++i) {
        ASSERT_LT(i, std::size(kAdvances));
        const QList<quint32> glyphs = font.glyphIndexesForString(QString(QChar(code)));
        ASSERT_EQ(glyphs.size(), 1);
        ASSERT_NE(glyphs[0], 0u) << "no glyph for code " << code;
        const QList<QPointF> advances =
            font.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
        EXPECT_EQ(advances[0].x(), kAdvances[i]) << "advance of code " << code;
    }
    EXPECT_EQ(i, std::size(kAdvances));
}

TEST_F(RenderTest, PagesDrawTheSameTwice) {
    ASSERT_TRUE(book);
    PageRenderer renderer(env);
    QImage a = renderer.Render(*book->GetSheet(0), true);
    QImage b = renderer.Render(*book->GetSheet(0), true);
    EXPECT_EQ(a, b);
}

// A closed outline drawn with a wide pen is one path: its first corner is
// mitred like the others, with no notch where the path starts and ends.
TEST(QtCanvasOutline, WidePenClosesEveryCornerWithAMitre) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter, true);
        canvas.SetPen(0x000000, 5);
        canvas.ClosedPolyline({{10, 10}, {30, 10}, {30, 30}, {10, 30}});
    }
    // The pen reaches 2.5 units beyond the corner points (drawn at pixel centres).
    for (const QPoint corner : {QPoint(8, 8), QPoint(32, 8), QPoint(32, 32), QPoint(8, 32)}) {
        EXPECT_LT(qGray(image.pixel(corner)), 64) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(qGray(image.pixel(20, 20)), 255);  // not filled
    EXPECT_EQ(qGray(image.pixel(7, 7)), 255);    // the mitre ends at the pen's edge
}

}  // namespace
}  // namespace sorvel

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // no display needed
    QGuiApplication app(argc, argv);
    sorvel::InstallMusicFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
