#include "PaintBox.h"

#include "platform/ShownVision.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

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

PaintBox::Hint PaintBox::HintAt(QPoint pos) const
{
    return m_hintSource ? m_hintSource(pos) : Hint {};
}

bool PaintBox::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !m_hintSource)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const Hint hint = HintAt(help->pos());
    if (hint.text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), hint.text, this, hint.area);
    }
    return true;
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QImage& surface = Surface();
    const VisionMode mode = m_showsTrueColors ? VisionMode::Normal : ShownVision();
    const QImage* shown = &surface;
    if (mode == VisionMode::Normal) {
        m_shown = QImage();
    } else {
        // Each picture is seen anew only once per mode, however often the box is repainted.
        if (m_shownFrom != surface.cacheKey() || m_shownMode != static_cast<int>(mode) || m_shown.isNull()) {
            m_shown = ShownPicture(surface);
            m_shownFrom = surface.cacheKey();
            m_shownMode = static_cast<int>(mode);
        }
        shown = &m_shown;
    }
    // The picture is drawn in logical pixels; on a dense screen each pixel becomes a sharp block.
    painter.drawImage(QRect(QPoint(0, 0), shown->size()), *shown);
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
