#include "picker/Lens.h"
#include "platform/Canvas.h"
#include "support/Density.h"

#include <gtest/gtest.h>

namespace {

// Every pixel of the test photograph has its own colour, so a lens pixel tells which photograph pixel it shows.
QRgb Sample(int x, int y) { return qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF); }

QImage TestPhoto(int width, int height)
{
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            photo.setPixel(x, y, Sample(x, y));
    }
    return photo;
}

QRgb Inverted(QRgb pixel) { return qRgb(255 - qRed(pixel), 255 - qGreen(pixel), 255 - qBlue(pixel)); }

// Where each magnified block begins on the lens: 9 columns (the first one wider) and 5 rows.
constexpr int kColumnStarts[] = { 0, 13, 25, 37, 49, 61, 73, 85, 97, 109 };
constexpr int kRowStarts[] = { 0, 14, 27, 41, 54, 67 };

bool OnCrossHair(int x, int y)
{
    const bool horizontal = y == 33 && ((x >= 49 && x <= 52) || (x >= 56 && x <= 59));
    const bool vertical = x == 54 && ((y >= 28 && y <= 31) || (y >= 35 && y <= 38));
    return horizontal || vertical;
}

TEST(LensTest, EachPhotographPixelOfTheBlockBecomesOneSolidBlock)
{
    const QImage photo = TestPhoto(300, 200);
    const QPoint pointer(120, 80);
    const QImage lens = lens::RenderLens(photo, pointer);
    ASSERT_EQ(lens.size(), QSize(109, 67));
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 9; ++column) {
            const QRgb expected = Sample(pointer.x() - 4 + column, pointer.y() - 2 + row);
            for (int y = kRowStarts[row]; y < kRowStarts[row + 1]; ++y) {
                for (int x = kColumnStarts[column]; x < kColumnStarts[column + 1]; ++x) {
                    if (!OnCrossHair(x, y)) {
                        ASSERT_EQ(lens.pixel(x, y), expected) << "lens " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(LensTest, CrossHairArmsAreInvertedAndTheCentreStaysClear)
{
    const QImage photo = TestPhoto(300, 200);
    const QRgb own = Sample(120, 80);
    const QImage lens = lens::RenderLens(photo, { 120, 80 });
    // The middle block: the arms' end points, the centre and its four neighbours keep the pointer's own colour.
    for (int y = 27; y <= 40; ++y) {
        for (int x = 49; x <= 60; ++x)
            EXPECT_EQ(lens.pixel(x, y), OnCrossHair(x, y) ? Inverted(own) : own) << x << "," << y;
    }
}

TEST(LensTest, BlockReachingOffTheDesktopShowsBlackThere)
{
    const QImage photo = TestPhoto(40, 30);
    // At the top-left corner the block starts 4 pixels left of and 2 above the desktop; it is not shifted back.
    const QImage corner = lens::RenderLens(photo, { 0, 0 });
    EXPECT_EQ(corner.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(corner.pixel(48, 40), qRgb(0, 0, 0));
    EXPECT_EQ(corner.pixel(60, 26), qRgb(0, 0, 0));
    EXPECT_EQ(corner.pixel(54, 33), Sample(0, 0));
    EXPECT_EQ(corner.pixel(108, 66), Sample(4, 2));
    EXPECT_EQ(corner.pixel(50, 33), Inverted(Sample(0, 0)));
    EXPECT_EQ(corner.pixel(54, 30), Inverted(Sample(0, 0)));

    const QImage farCorner = lens::RenderLens(photo, { 39, 29 });
    EXPECT_EQ(farCorner.pixel(54, 33), Sample(39, 29));
    EXPECT_EQ(farCorner.pixel(0, 0), Sample(35, 27));
    EXPECT_EQ(farCorner.pixel(61, 33), qRgb(0, 0, 0));
    EXPECT_EQ(farCorner.pixel(54, 41), qRgb(0, 0, 0));

    EXPECT_EQ(lens::PhotoPixel(photo, { -1, 5 }), qRgb(0, 0, 0));
    EXPECT_EQ(lens::PhotoPixel(photo, { 40, 5 }), qRgb(0, 0, 0));
    EXPECT_EQ(lens::PhotoPixel(photo, { 5, 30 }), qRgb(0, 0, 0));
    EXPECT_EQ(lens::PhotoPixel(photo, { 39, 29 }), Sample(39, 29));
}

TEST(LensTest, PanelJumpsToTheOtherTopCornerOnlyWhenThePointerIsOnIt)
{
    const QRect left(8, 8, 113, 113);
    EXPECT_EQ(lens::DodgedPanelLeft(left, { 8, 8 }, 1280), 1280 - 121);
    EXPECT_EQ(lens::DodgedPanelLeft(left, { 120, 120 }, 1280), 1280 - 121);
    EXPECT_EQ(lens::DodgedPanelLeft(left, { 7, 50 }, 1280), std::nullopt);
    EXPECT_EQ(lens::DodgedPanelLeft(left, { 121, 50 }, 1280), std::nullopt);
    EXPECT_EQ(lens::DodgedPanelLeft(left, { 50, 121 }, 1280), std::nullopt);

    const QRect right(1280 - 121, 8, 113, 113);
    EXPECT_EQ(lens::DodgedPanelLeft(right, { 1200, 60 }, 1280), 8);
    EXPECT_EQ(lens::DodgedPanelLeft(right, { 1158, 60 }, 1280), std::nullopt);
    EXPECT_EQ(lens::DodgedPanelLeft(right, { 1200, 60 }, 1600), 8);
}

TEST(LensTest, PanelHasItsOutlinesAndTheBarBetweenLensAndColourBox)
{
    const QImage panel = lens::PanelPicture();
    const QRgb white = qRgb(255, 255, 255);
    const QRgb shadow = canvas::ButtonShadow();
    ASSERT_NE(white, shadow);
    ASSERT_EQ(panel.size(), QSize(113, 113));
    // Outer outline in the shadow colour, over everything else.
    for (QPoint p : { QPoint(0, 0), QPoint(112, 0), QPoint(0, 112), QPoint(112, 112), QPoint(56, 0), QPoint(0, 70),
             QPoint(112, 70) })
        EXPECT_EQ(panel.pixel(p), shadow) << p.x() << "," << p.y();
    // Inner white outline, and the bar: white edges round a shadow middle line.
    for (QPoint p : { QPoint(1, 1), QPoint(111, 1), QPoint(1, 111), QPoint(111, 111), QPoint(1, 40), QPoint(56, 111),
             QPoint(56, 69), QPoint(56, 71), QPoint(1, 69), QPoint(111, 71) })
        EXPECT_EQ(panel.pixel(p), white) << p.x() << "," << p.y();
    for (QPoint p : { QPoint(1, 70), QPoint(56, 70), QPoint(111, 70) })
        EXPECT_EQ(panel.pixel(p), shadow) << p.x() << "," << p.y();
}

} // namespace

TEST(LensTest, OnADenseScreenTheLensAndPanelKeepTheirLayoutInWholeDevicePixels)
{
    // A lens of a ratio is the ordinary one with each of its pixels a block of device pixels: the photograph's
    // pixels, the arms and the panel's lines all land on whole device pixels, none half covered.
    const QImage photo = TestPhoto(300, 200);
    for (const qreal ratio : density::kRatios) {
        SCOPED_TRACE(ratio);
        const QImage dense = lens::RenderLens(photo, { 120, 80 }, ratio);
        EXPECT_EQ(dense.devicePixelRatio(), ratio);
        EXPECT_EQ(dense, density::Enlarged(lens::RenderLens(photo, { 120, 80 }), ratio));
        EXPECT_EQ(lens::PanelPicture(ratio), density::Enlarged(lens::PanelPicture(), ratio));
    }
}
