#include "platform/Artwork.h"
#include "platform/Fonts.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QtMath>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace {

QStringList ArtResources()
{
    QStringList paths;
    for (const QString& file : QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.svg")}, QDir::Files))
        paths << QStringLiteral(":/") + file;
    return paths;
}

int OpaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

// A picture as the SVG library draws it at a screen's ratio: into device pixels, its edges where the ratio puts them.
QImage DrawnBySvgLibrary(const QString& path, QSize logicalSize, qreal ratio)
{
    QSvgRenderer renderer(path);
    QImage drawn(qCeil(logicalSize.width() * ratio), qCeil(logicalSize.height() * ratio),
        QImage::Format_ARGB32_Premultiplied);
    drawn.setDevicePixelRatio(ratio);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    return drawn;
}

bool AllGrey(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) > 0 && (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)))
                return false;
        }
    return true;
}

} // namespace

TEST(Artwork, NamedPicturesExistAtTheirSizes)
{
    const QSize toolbar(16, 16);
    const QList<std::pair<const char*, QSize>> expected{
        {":/tb_open.svg", toolbar}, {":/tb_save.svg", toolbar}, {":/tb_picker.svg", toolbar},
        {":/tb_websafe.svg", toolbar}, {":/tb_preview.svg", toolbar}, {":/tb_back.svg", toolbar},
        {":/tb_forward.svg", toolbar}, {":/fav_delete.svg", toolbar}, {":/fav_copy.svg", toolbar},
        {":/fav_websafe.svg", toolbar}, {":/fav_ontop.svg", toolbar}, {":/qp_save.svg", toolbar},
        {":/qp_reset.svg", toolbar}, {":/ws_tick.svg", toolbar}, {":/ws_warning.svg", toolbar},
        {":/cursor_hand.svg", {32, 32}}, {":/cursor_dropper.svg", {32, 32}}, {":/cursor_draghand.svg", {32, 32}},
        {":/about.svg", {450, 250}}, {":/adj_lighten.svg", {13, 13}}, {":/adj_darken.svg", {13, 13}},
        {":/adj_saturate.svg", {13, 13}}, {":/adj_desaturate.svg", {13, 13}}};
    for (const auto& [path, size] : expected)
        EXPECT_EQ(ArtSize(path), size) << path;
    EXPECT_FALSE(ArtSize(":/tintwell.svg").isEmpty());
    EXPECT_EQ(ArtSize("tb_open.svg"), toolbar) << "a bare file name names the same picture";
}

TEST(Artwork, EveryPictureRendersAtRatiosOneAndTwo)
{
    const QStringList paths = ArtResources();
    ASSERT_GE(paths.size(), 25);
    for (const QString& path : paths) {
        const QSize size = ArtSize(path);
        ASSERT_FALSE(size.isEmpty()) << qPrintable(path);
        for (const qreal dpr : {1.0, 2.0}) {
            const QPixmap pixmap = ArtPixmap(path, size, dpr);
            EXPECT_EQ(pixmap.size(), size * dpr) << qPrintable(path);
            EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), size) << qPrintable(path);
            EXPECT_GT(OpaquePixels(pixmap.toImage()), 0) << qPrintable(path) << " at " << dpr;
        }
    }
}

TEST(Artwork, ReadyDrawnPicturesAreExactlyWhatTheSvgDraws)
{
    // The small pictures come drawn at build time; they must be what drawing the SVG file now gives.
    int compared = 0;
    for (const QString& path : ArtResources()) {
        const QSize size = QSvgRenderer(path).defaultSize();
        for (const int ratio : {1, 2}) {
            const QImage shown = ArtPixmap(path, size, ratio).toImage();
            ASSERT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied), DrawnBySvgLibrary(path, size, ratio))
                << qPrintable(path) << " at " << ratio;
            ++compared;
        }
    }
    EXPECT_GE(compared, 50);
}

TEST(Artwork, PicturesDrawnAtOtherRatiosAreWhatTheSvgLibraryDraws)
{
    // Other ratios and sizes are drawn when first shown, a logical pixel covering a fraction of device pixels
    // more than one: every edge must still fall where the library puts it at that ratio.
    for (const QString& path : ArtResources()) {
        const QSize own = ArtSize(path);
        for (const QSize size : {own, QSize(13, 19), own * 2 + QSize(1, 3)})
            for (const qreal ratio : {1.25, 1.5, 1.75, 3.0}) {
                const QPixmap shown = ArtPixmap(path, size, ratio);
                ASSERT_EQ(shown.devicePixelRatio(), ratio);
                ASSERT_EQ(shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                    DrawnBySvgLibrary(path, size, ratio))
                    << qPrintable(path) << " at " << size.width() << "x" << size.height() << ", ratio " << ratio;
            }
    }
}

TEST(Artwork, WebsafeIndicatorFitsTheLeftColumn)
{
    // Tick at x 11 with its word at 28; triangle at x 5 with its words at 20; the column is 66 wide.
    EXPECT_LE(11 + ArtSize(":/ws_tick.svg").width(), 28);
    EXPECT_LE(28 + ArtSize(":/ws_word_safe.svg").width(), 66);
    EXPECT_LE(20 + ArtSize(":/ws_word_notsafe.svg").width(), 66);
    // The words begin clear of the triangle drawn one pixel under their picture's left edge.
    const QImage words = ArtPixmap(":/ws_word_notsafe.svg", ArtSize(":/ws_word_notsafe.svg"), 1).toImage();
    for (int y = 0; y < words.height(); ++y)
        EXPECT_EQ(qAlpha(words.pixel(0, y)), 0) << "row " << y;
}

TEST(Artwork, MissingPictureGivesNothing)
{
    EXPECT_TRUE(ArtSize(":/no_such.svg").isEmpty());
    EXPECT_TRUE(ArtPixmap(":/no_such.svg", {16, 16}, 1).isNull());
    EXPECT_TRUE(ArtIcon(":/no_such.svg").isNull());
}

TEST(Artwork, IconHasAGreyDisabledLook)
{
    const QIcon icon = ArtIcon(":/tb_open.svg");
    for (const qreal dpr : {1.0, 2.0}) {
        const QImage normal = icon.pixmap(QSize(16, 16), dpr, QIcon::Normal).toImage();
        const QImage disabled = icon.pixmap(QSize(16, 16), dpr, QIcon::Disabled).toImage();
        EXPECT_EQ(normal.size(), QSize(16, 16) * dpr);
        EXPECT_EQ(disabled.size(), normal.size());
        EXPECT_FALSE(AllGrey(normal));
        EXPECT_TRUE(AllGrey(disabled));
        EXPECT_EQ(OpaquePixels(disabled), OpaquePixels(normal)) << "the shape stays whole";
    }
}

TEST(Artwork, CursorsActAtAnOpaquePointOfTheirPicture)
{
    for (const CursorId id : {CursorId::Hand, CursorId::Dropper, CursorId::DragHand}) {
        const QCursor& cursor = AppCursor(id);
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.hotSpot(), CursorHotSpot(id));
        const QImage picture = cursor.pixmap().toImage();
        EXPECT_EQ(picture.size(), QSize(32, 32));
        EXPECT_GT(qAlpha(picture.pixel(CursorHotSpot(id))), 128) << int(id);
    }
    EXPECT_EQ(CursorHotSpot(CursorId::Hand), QPoint(11, 1));
    EXPECT_EQ(CursorHotSpot(CursorId::Dropper), QPoint(2, 29));
    EXPECT_EQ(CursorHotSpot(CursorId::DragHand), QPoint(14, 14));
}

TEST(Fonts, FacesResolveToInstalledFamiliesAtPixelSizes)
{
    LoadApplicationFonts();
    const bool wineFonts = QFile::exists("/usr/share/wine/fonts/tahoma.ttf");
    const QFont tahoma = TahomaFont(9);
    EXPECT_EQ(tahoma.pixelSize(), 9);
    EXPECT_FALSE(tahoma.bold());
    EXPECT_TRUE(TahomaFont(12, true).bold());
    EXPECT_EQ(QFontInfo(tahoma).family(), wineFonts ? QString("Tahoma") : QString("DejaVu Sans"));
    EXPECT_TRUE(QFontDatabase::hasFamily(QFontInfo(VerdanaFont(11, true)).family()));
    EXPECT_EQ(VerdanaFont(16, true).pixelSize(), 16);
    EXPECT_EQ(HaveMarlett(), QFile::exists("/usr/share/wine/fonts/marlett.ttf"));
    if (HaveMarlett()) {
        EXPECT_EQ(QFontInfo(MarlettFont(13)).family(), QString("Marlett"));
    }
}
