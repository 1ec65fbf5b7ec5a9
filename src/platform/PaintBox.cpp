#include "PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

PaintBox::PaintBox(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::SetSurface(const QImage& picture)
{
    m_surface = picture;
    update();
}

QRgb PaintBox::PixelAt(QPoint pos) const
{
    if (!m_surface.valid(pos))
        return qRgb(0, 0, 0);
    return m_surface.pixel(pos);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The picture is drawn in logical pixels; on a dense screen each pixel becomes a sharp block.
    painter.drawImage(QRect(QPoint(0, 0), m_surface.size()), m_surface);
}

void PaintBox::mousePressEvent(QMouseEvent* event) { emit mousePressed(event); }
void PaintBox::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event); }
void PaintBox::mouseReleaseEvent(QMouseEvent* event) { emit mouseReleased(event); }
void PaintBox::mouseDoubleClickEvent(QMouseEvent* event) { emit doubleClicked(event); }
void PaintBox::enterEvent(QEnterEvent*) { emit entered(); }
void PaintBox::leaveEvent(QEvent*) { emit left(); }
