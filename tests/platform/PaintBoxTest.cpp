#include "platform/PaintBox.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage Filled(QRgb color)
{
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

} // namespace

TEST(PaintBox, DrawsALaterSurfaceOnlyWhenPaintedOrRead)
{
    PaintBox box(QStringLiteral("pbTest"), nullptr);
    box.resize(20, 10);
    int draws = 0;
    box.SetSurfaceSource([&] { ++draws; return Filled(qRgb(10, 20, 30)); });
    box.SetSurfaceSource([&] { ++draws; return Filled(qRgb(40, 50, 60)); });
    EXPECT_EQ(draws, 0) << "nothing is drawn while the box is neither shown nor read";

    EXPECT_EQ(box.PixelAt({ 3, 3 }), qRgb(40, 50, 60)) << "the latest picture asked for";
    EXPECT_EQ(box.Surface().size(), QSize(20, 10));
    EXPECT_EQ(draws, 1) << "drawn once, then kept";

    box.SetSurfaceSource([&] { ++draws; return Filled(qRgb(70, 80, 90)); });
    box.SetSurface(Filled(qRgb(1, 2, 3)));
    EXPECT_EQ(box.PixelAt({ 3, 3 }), qRgb(1, 2, 3)) << "a picture handed over directly replaces one still to draw";
    EXPECT_EQ(draws, 1);
}

TEST(PaintBox, ShowingTheBoxDrawsItsPicture)
{
    PaintBox box(QStringLiteral("pbTest"), nullptr);
    box.resize(20, 10);
    box.SetSurfaceSource([] { return Filled(qRgb(200, 100, 0)); });
    const QImage shown = box.grab().toImage();
    const qreal dpr = shown.devicePixelRatio();
    EXPECT_EQ(shown.pixel(qRound(10 * dpr), qRound(5 * dpr)), qRgb(200, 100, 0));
}
