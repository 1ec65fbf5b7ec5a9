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
    for (QPoint p = arm.from; p != arm.towards; p += step) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(p.y()));
        line[p.x()] ^= 0x00FFFFFF;
    }
}

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

QImage RenderLens(const QImage& photo, QPoint pointer)
{
    const QPoint origin = pointer - QPoint(kSourceWidth / 2, kSourceHeight / 2);
    QRgb source[kSourceHeight][kSourceWidth];
    for (int y = 0; y < kSourceHeight; ++y) {
        for (int x = 0; x < kSourceWidth; ++x)
            source[y][x] = PhotoPixel(photo, origin + QPoint(x, y));
    }

    QImage picture(kLensWidth, kLensHeight, QImage::Format_RGB32);
    for (int y = 0; y < kLensHeight; ++y) {
        const QRgb* sourceRow = source[y * kSourceHeight / kLensHeight];
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < kLensWidth; ++x)
            line[x] = sourceRow[x * kSourceWidth / kLensWidth];
    }
    for (const Arm& arm : kCrossHair)
        InvertArm(picture, arm);
    return picture;
}

QImage PanelPicture()
{
    const QRgb white = qRgb(255, 255, 255);
    const QRgb shadow = canvas::ButtonShadow();
    QImage picture = canvas::NewPicture(kPanelSize, kPanelSize, canvas::ButtonFace());
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
