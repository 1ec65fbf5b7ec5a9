#include "platform/Canvas.h"
#include "platform/ColorSquareIcon.h"
#include "platform/ShownVision.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

TEST(ColorSquareIcon, ARingAnOutlineAndTheColourAtEverySizeAndRatio)
{
    const QRgb fill = qRgb(0x33, 0x66, 0x99);
    const QIcon icon = ColorSquareIcon(fill);
    const struct {
        int size;
        qreal ratio;
    } cases[] = { { 16, 1.0 }, { 16, 2.0 }, { 32, 1.0 }, { 24, 1.5 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " at ratio " << c.ratio);
        const QPixmap pixmap = icon.pixmap(QSize(c.size, c.size), c.ratio);
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        const int device = qRound(c.size * c.ratio);
        ASSERT_EQ(image.size(), QSize(device, device));
        EXPECT_EQ(pixmap.devicePixelRatio(), c.ratio);
        // One sixteenth of the picture is one pixel of the 16 x 16 drawing; each part is read at its middle.
        const auto at = [&](qreal x, qreal y) { return image.pixel(int(x * device / 16), int(y * device / 16)); };
        EXPECT_EQ(qAlpha(at(0.5, 0.5)), 0) << "ring";
        EXPECT_EQ(qAlpha(at(15.5, 8)), 0) << "ring";
        EXPECT_EQ(at(1.5, 1.5), qRgb(0, 0, 0)) << "outline";
        EXPECT_EQ(at(14.5, 8), qRgb(0, 0, 0)) << "outline";
        EXPECT_EQ(at(8, 8), fill);
        EXPECT_EQ(at(2.5, 13.5), fill);
    }

    // Unavailable, the colour gives way to grey.
    const QImage disabled = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage();
    const QRgb inside = disabled.pixel(8, 8);
    EXPECT_EQ(qRed(inside), qGreen(inside));
    EXPECT_EQ(qGreen(inside), qBlue(inside));
    EXPECT_EQ(icon.actualSize(QSize(64, 64)), QSize(16, 16));
}

TEST(ColorSquareIcon, DrawnAsSeenInTheShownColourVision)
{
    const ColorValue color = Pack(30, 160, 90);
    const QIcon icon = ColorSquareIcon(canvas::ToRgb(color));
    for (const VisionModeInfo& info : VisionModes()) {
        SetShownVision(info.mode);
        EXPECT_EQ(icon.pixmap(QSize(16, 16)).toImage().pixel(8, 8), canvas::ToRgb(SimulateVision(color, info.mode)))
            << info.name;
    }
    SetShownVision(VisionMode::Normal);
}

} // namespace
