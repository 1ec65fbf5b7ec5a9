#include "platform/Canvas.h"
#include "support/Density.h"

#include <QImage>
#include <gtest/gtest.h>

// Columns one logical pixel wide, in turn red and blue, across a picture made for each ratio: every device pixel is
// the colour of the logical column it lies in, no column vanishes or bleeds into the next, and each is a whole
// number of device pixels, the nearest to the ratio.
TEST(Canvas, LogicalPixelsTileTheDevicePixelsWithoutSeams)
{
    for (const qreal ratio : { 1.0, 1.25, 1.5, 2.0, 3.0 }) {
        SCOPED_TRACE(ratio);
        constexpr int kWidth = 37;
        QImage picture = canvas::NewPicture(kWidth, 5, qRgb(0, 255, 0), ratio);
        ASSERT_EQ(picture.size(), QSize(qRound(kWidth * ratio), qRound(5 * ratio)));
        ASSERT_EQ(picture.devicePixelRatio(), ratio);
        ASSERT_EQ(canvas::LogicalSize(picture), QSize(kWidth, 5));
        const QRgb colors[] = { qRgb(255, 0, 0), qRgb(0, 0, 255) };
        for (int x = 0; x < kWidth; ++x)
            canvas::FillRect(picture, x, 0, x + 1, 5, colors[x % 2]);

        int column = 0;
        int run = 0;
        for (int dx = 0; dx < picture.width(); ++dx) {
            if (dx > 0 && picture.pixel(dx, 0) != picture.pixel(dx - 1, 0)) {
                EXPECT_GE(run, int(ratio)) << "column " << column;
                EXPECT_LE(run, int(ratio) + 1) << "column " << column;
                ++column;
                run = 0;
            }
            ++run;
            for (int dy = 0; dy < picture.height(); ++dy)
                ASSERT_EQ(picture.pixel(dx, dy), colors[column % 2]) << dx << "," << dy;
        }
        EXPECT_EQ(column, kWidth - 1) << "every logical column shows";
        for (int x = 0; x < kWidth; ++x)
            EXPECT_EQ(canvas::PixelAt(picture, { x, 2 }), colors[x % 2]) << "read back at logical " << x;
        EXPECT_EQ(canvas::PixelAt(picture, { kWidth, 2 }), qRgb(0, 0, 0)) << "off the picture";
    }
}

TEST(Canvas, OutlinesAndFillsAreFlatAtEveryDevicePixel)
{
    const QRgb pen = qRgb(0, 0, 0);
    const QRgb brush = qRgb(12, 200, 90);
    for (const qreal ratio : density::kRatios) {
        SCOPED_TRACE(ratio);
        QImage picture = canvas::NewPicture(37, 37, qRgb(255, 255, 255), ratio);
        canvas::Rectangle(picture, 1, 1, 36, 36, pen, brush);
        EXPECT_FALSE(density::FirstOffColour(picture, density::DeviceRect({ 2, 2, 33, 33 }, ratio), brush));
        for (const QRect side : { QRect(1, 1, 35, 1), QRect(1, 35, 35, 1), QRect(1, 1, 1, 35), QRect(35, 1, 1, 35) })
            EXPECT_FALSE(density::FirstOffColour(picture, density::DeviceRect(side, ratio), pen));
        EXPECT_FALSE(density::FirstOffColour(picture, density::DeviceRect({ 0, 0, 37, 1 }, ratio), qRgb(255, 255, 255)));

        const QImage before = picture;
        canvas::InvertRect(picture, 3, 4, 20, 30);
        EXPECT_EQ(canvas::PixelAt(picture, { 10, 10 }), qRgb(243, 55, 165));
        EXPECT_FALSE(density::FirstOffColour(picture, density::DeviceRect({ 3, 4, 17, 26 }, ratio), qRgb(243, 55, 165)));
        canvas::InvertRect(picture, 3, 4, 20, 30);
        EXPECT_EQ(picture, before) << "inverting twice gives the picture back";
    }
}
