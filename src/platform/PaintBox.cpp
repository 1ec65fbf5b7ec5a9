#include "PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

PaintBox::PaintBox(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::SetSurface(const QImage& picture)
{
    m_pendingDraw = nullptr;
    m_surface = picture;
    update();
}

void PaintBox::SetSurfaceSource(std::function<QImage()> draw)
{
    m_pendingDraw = std::move(draw);
    update();
}

const QImage& PaintBox::Surface() const
{
    if (m_pendingDraw)
        m_surface = std::exchange(m_pendingDraw, nullptr)();
    return m_surface;
}

QRgb PaintBox::PixelAt(QPoint pos) const
{
    const QImage& surface = Surface();
    if (!surface.valid(pos))
        return qRgb(0, 0, 0);
    return surface.pixel(pos);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The picture is drawn in logical pixels; on a dense screen each pixel becomes a sharp block.
    const QImage& surface = Surface();
    painter.drawImage(QRect(QPoint(0, 0), surface.size()), surface);
}

void PaintBox::mousePressEvent(QMouseEvent* event) { emit mousePressed(event); }
void PaintBox::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event); }
void PaintBox::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(event); }
void PaintBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The toolkit reports a quick second press as a double click; it is a press all the same (a quick second
    // click acts as a slow one, a click followed at once by a drag drags), and a box that wants double clicks
    // hears it as one too.
    emit mousePressed(event);
    emit doubleClicked(event);
}
void PaintBox::enterEvent(QEnterEvent*) { emit entered(); }
void PaintBox::leaveEvent(QEvent*) { emit left(); }
