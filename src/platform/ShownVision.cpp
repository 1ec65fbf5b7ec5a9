#include "platform/ShownVision.h"

#include <QApplication>
#include <QWidget>

namespace {

VisionMode g_shownVision = VisionMode::Normal;

} // namespace

VisionMode ShownVision()
{
    return g_shownVision;
}

void SetShownVision(VisionMode mode)
{
    if (mode == g_shownVision)
        return;
    g_shownVision = mode;
    for (QWidget* widget : QApplication::allWidgets())
        widget->update();
}

QImage ShownPicture(const QImage& picture)
{
    if (g_shownVision == VisionMode::Normal || picture.isNull())
        return picture;
    // The pixels are rewritten as 0xAARRGGBB words; a picture in any other form is converted first.
    const bool words = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;
    QImage shown = words ? picture.copy() : picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < shown.height(); ++y)
        SimulateVisionOnPixels(reinterpret_cast<std::uint32_t*>(shown.scanLine(y)), static_cast<std::size_t>(shown.width()), g_shownVision);
    return shown;
}
