// Pages of the demonstration book drawn as the exports draw them, compared
// with reference images. Set SORVEL_UPDATE_REFERENCES=1 to rewrite the
// references after a deliberate change of the drawing (and look at them).
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
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

class RenderTest : public ::testing::Test, protected TWorkspace {
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

TEST_F(RenderTest, TunePageMatchesItsReference) { CompareWithReference(0, "demo-page1.png"); }

TEST_F(RenderTest, GalleryPageMatchesItsReference) { CompareWithReference(1, "demo-page2.png"); }

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
