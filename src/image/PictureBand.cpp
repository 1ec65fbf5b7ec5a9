#include "PictureBand.h"

namespace {

// Formats whose lines are premultiplied 32-bit pixels as they stand (RGB32's alpha is always opaque).
bool IsPremultiplied32(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

PictureBand::PictureBand(const QImage& picture, int top, int bottom)
    : m_picture(picture)
    , m_top(top)
{
    Q_ASSERT(0 <= top && top < bottom && bottom <= picture.height());
    if (!IsPremultiplied32(picture.format()))
        m_converted = picture.copy(0, top, picture.width(), bottom - top).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

const QRgb* PictureBand::Line(int y) const
{
    const QImage& pixels = m_converted.isNull() ? m_picture : m_converted;
    return reinterpret_cast<const QRgb*>(pixels.constScanLine(m_converted.isNull() ? y : y - m_top));
}
