#include "Lens.h"

#include "platform/Canvas.h"

#include <array>
#include <cmath>

namespace lens {
namespace {

struct Arm {
    QPoint from;
    QPoint towards; // not drawn itself
};

// Four arms of 4 pixels around the middle of the lens, leaving its centre and the centre's neighbours clear so the
// pointer's pixel stays visible.
constexpr std::array<Arm, 4> kCrossHair { {
    { { 52, 33 }, { 48, 33 } },
    { { 56, 33 }, { 60, 33 } },
    { { 54, 31 }, { 54, 27 } },
    { { 54, 35 }, { 54, 39 } },
} };

constexpr int Step(int from, int to) { return (to > from) - (to < from); }

void InvertArm(QImage& picture, const Arm& arm)
{
    const QPoint step(Step(arm.from.x(), arm.towards.x()), Step(arm.from.y(), arm.towards.y()));
    for (QPoint p = arm.from; p != arm.towards; p += step)
        canvas::InvertRect(picture, p.x(), p.y(), p.x() + 1, p.y() + 1);
}

// The first lens pixel (x or y) that shows photograph pixel `index` of the `count` magnified across `length`.
constexpr int BlockStart(int index, int count, int length) { return (index * length + count - 1) / count; }

} // namespace

QPoint PhotoPoint(QPointF pos, QSize window, QSize photo)
{
    if (window.isEmpty())
        return pos.toPoint();
    return QPoint(int(std::floor(pos.x() * photo.width() / window.width())),
        int(std::floor(pos.y() * photo.height() / window.height())));
}

QRgb PhotoPixel(const QImage& photo, QPoint at)
{
    return photo.valid(at) ? photo.pixel(at) : qRgb(0, 0, 0);
}

QImage RenderLens(const QImage& photo, QPoint pointer, qreal ratio)
{
    const QPoint origin = pointer - QPoint(kSourceWidth / 2, kSourceHeight / 2);
    QImage picture = canvas::NewPicture(kLensWidth, kLensHeight, qRgb(0, 0, 0), ratio);
    for (int y = 0; y < kSourceHeight; ++y) {
        const int top = BlockStart(y, kSourceHeight, kLensHeight);
        const int bottom = BlockStart(y + 1, kSourceHeight, kLensHeight);
        for (int x = 0; x < kSourceWidth; ++x) {
            canvas::FillRect(picture, BlockStart(x, kSourceWidth, kLensWidth), top,
                BlockStart(x + 1, kSourceWidth, kLensWidth), bottom, PhotoPixel(photo, origin + QPoint(x, y)));
        }
    }
    for (const Arm& arm : kCrossHair)
        InvertArm(picture, arm);
    return picture;
}

QImage PanelPicture(qreal ratio)
{
    const QRgb white = qRgb(255, 255, 255);
    const QRgb shadow = canvas::ButtonShadow();
    QImage picture = canvas::NewPicture(kPanelSize, kPanelSize, canvas::ButtonFace(), ratio);
    canvas::Rectangle(picture, 1, 1, kPanelSize - 1, kPanelSize - 1, white, std::nullopt);
    canvas::Rectangle(picture, 0, 69, kPanelSize, 72, white, shadow);
    canvas::Rectangle(picture, 0, 0, kPanelSize, kPanelSize, shadow, std::nullopt);
    return picture;
}

std::optional<int> DodgedPanelLeft(QRect panel, QPoint pointer, int desktopWidth)
{
    if (!panel.contains(pointer))
        return std::nullopt;
    return panel.left() == kPanelMargin ? desktopWidth - panel.width() - kPanelMargin : kPanelMargin;
}

} // namespace lens
