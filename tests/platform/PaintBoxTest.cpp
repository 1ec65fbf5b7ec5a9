#include "platform/Canvas.h"
#include "platform/PaintBox.h"
#include "platform/ShownVision.h"
#include "support/Density.h"

#include <QImage>
#include <gtest/gtest.h>

#include <vector>

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
    box.SetSurfaceSource([&](qreal) { ++draws; return Filled(qRgb(10, 20, 30)); });
    box.SetSurfaceSource([&](qreal) { ++draws; return Filled(qRgb(40, 50, 60)); });
    EXPECT_EQ(draws, 0) << "nothing is drawn while the box is neither shown nor read";

    EXPECT_EQ(box.PixelAt({ 3, 3 }), qRgb(40, 50, 60)) << "the latest picture asked for";
    EXPECT_EQ(box.Surface().size(), QSize(20, 10));
    EXPECT_EQ(draws, 1) << "drawn once, then kept";

    box.SetSurfaceSource([&](qreal) { ++draws; return Filled(qRgb(70, 80, 90)); });
    box.SetSurface(Filled(qRgb(1, 2, 3)));
    EXPECT_EQ(box.PixelAt({ 3, 3 }), qRgb(1, 2, 3)) << "a picture handed over directly replaces one still to draw";
    EXPECT_EQ(draws, 1);
}

TEST(PaintBox, ShowingTheBoxDrawsItsPicture)
{
    PaintBox box(QStringLiteral("pbTest"), nullptr);
    box.resize(20, 10);
    box.SetSurfaceSource([](qreal) { return Filled(qRgb(200, 100, 0)); });
    const QImage shown = box.grab().toImage();
    const qreal dpr = shown.devicePixelRatio();
    EXPECT_EQ(shown.pixel(qRound(10 * dpr), qRound(5 * dpr)), qRgb(200, 100, 0));
}

namespace {

// Every test leaves the program's colours shown as they are.
struct VisionScope {
    explicit VisionScope(VisionMode mode) { SetShownVision(mode); }
    ~VisionScope() { SetShownVision(VisionMode::Normal); }
};

} // namespace

TEST(PaintBox, ShowsItsPictureAsSeenInTheModeWhileThePictureStaysTrue)
{
    const ColorValue colors[] = { Pack(205, 133, 63), Pack(255, 0, 0), Pack(0, 128, 255), Pack(128, 128, 128),
        Pack(0, 0, 0), Pack(255, 255, 255), Pack(12, 200, 90) };
    QImage picture(7, 3, QImage::Format_RGB32);
    for (int x = 0; x < 7; ++x) {
        for (int y = 0; y < 3; ++y)
            picture.setPixel(x, y, canvas::ToRgb(colors[x]));
    }
    PaintBox box(QStringLiteral("pbTest"), nullptr);
    box.resize(picture.size());
    box.SetSurface(picture);
    PaintBox photo(QStringLiteral("pbPhoto"), nullptr);
    photo.resize(picture.size());
    photo.SetSurface(picture);
    photo.SetShowsTrueColors(true);
    const auto shown = [](PaintBox& b) {
        return b.grab().toImage().scaled(b.size()).convertToFormat(QImage::Format_RGB32);
    };

    for (const VisionModeInfo& info : VisionModes()) {
        SCOPED_TRACE(info.name);
        const VisionScope scope(info.mode);
        const QImage seen = shown(box);
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(seen.pixel(x, 1), canvas::ToRgb(SimulateVision(colors[x], info.mode))) << x;
        EXPECT_EQ(box.Surface(), picture) << "what is read, copied and picked stays true";
        EXPECT_EQ(box.PixelAt({ 0, 0 }), canvas::ToRgb(colors[0]));
        EXPECT_EQ(shown(photo), picture) << "a box of true colours ignores the mode";
        // A new picture is seen anew.
        box.SetSurface(Filled(qRgb(255, 0, 0)).scaled(picture.size()));
        EXPECT_EQ(shown(box).pixel(3, 1), canvas::ToRgb(SimulateVision(Pack(255, 0, 0), info.mode)));
        box.SetSurface(picture);
    }
    // Back to Normal, the picture reaches the screen byte for byte.
    EXPECT_EQ(shown(box), picture);
}

TEST(PaintBox, HintsAreAskedForWhereThePointerIs)
{
    PaintBox box(QStringLiteral("pbTest"), nullptr);
    box.resize(40, 20);
    EXPECT_TRUE(box.HintAt({ 5, 5 }).text.isEmpty());
    box.SetHintSource([](QPoint at) {
        return at.x() < 20 ? PaintBox::Hint { QStringLiteral("left"), QRect(0, 0, 20, 20) } : PaintBox::Hint {};
    });
    EXPECT_EQ(box.HintAt({ 5, 5 }).text, "left");
    EXPECT_EQ(box.HintAt({ 5, 5 }).area, QRect(0, 0, 20, 20));
    EXPECT_TRUE(box.HintAt({ 30, 5 }).text.isEmpty());
}

TEST(PaintBox, ShownAtAnotherRatioTheBoxDrawsItsPictureAnewForIt)
{
    // A window moved to a screen of another scale paints at that screen's ratio: the box draws its picture again
    // for it, and reading the box afterwards gives the picture for its own screen once more.
    PaintBox box(QStringLiteral("pbTest"), nullptr);
    box.resize(20, 10);
    const auto draw = [](qreal ratio) {
        QImage picture = canvas::NewPicture(20, 10, qRgb(255, 255, 255), ratio);
        canvas::Rectangle(picture, 0, 0, 20, 10, qRgb(0, 0, 0), qRgb(0, 128, 255));
        return picture;
    };
    std::vector<qreal> drawnFor;
    box.SetSurfaceSource([&](qreal ratio) {
        drawnFor.push_back(ratio);
        return draw(ratio);
    });
    const qreal own = box.devicePixelRatioF();
    for (const qreal ratio : { 3.0, 1.5 }) {
        SCOPED_TRACE(ratio);
        const QImage shown = density::RenderedAt(&box, ratio);
        ASSERT_EQ(drawnFor.back(), ratio);
        EXPECT_EQ(shown, draw(ratio)) << "shown one to one";
        box.Surface();
        ASSERT_EQ(drawnFor.back(), own);
        EXPECT_EQ(box.Surface().devicePixelRatio(), own);
        EXPECT_FALSE(density::FirstOffColour(shown, density::DeviceRect({ 1, 1, 18, 8 }, ratio), qRgb(0, 128, 255)));
        EXPECT_FALSE(density::FirstOffColour(shown, density::DeviceRect({ 0, 0, 20, 1 }, ratio), qRgb(0, 0, 0)));
    }
    const auto draws = drawnFor.size();
    box.Surface();
    density::RenderedAt(&box, own);
    EXPECT_EQ(drawnFor.size(), draws) << "nothing is drawn again while the ratio stays";
}
