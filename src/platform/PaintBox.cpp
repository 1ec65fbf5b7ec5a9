#include "PaintBox.h"

#include "platform/Canvas.h"
#include "platform/PaintBoxAccessible.h"
#include "platform/ShownVision.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEngine>
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
    m_draw = nullptr;
    m_drawPending = false;
    m_surface = picture;
    update();
    SpeechChanged();
}

void PaintBox::SetSurfaceSource(std::function<QImage(qreal ratio)> draw)
{
    m_draw = std::move(draw);
    m_drawPending = true;
    update();
    SpeechChanged();
}

const QImage& PaintBox::Surface() const
{
    return SurfaceFor(devicePixelRatioF());
}

const QImage& PaintBox::SurfaceFor(qreal ratio) const
{
    if (m_draw && (m_drawPending || m_drawnRatio != ratio)) {
        m_surface = m_draw(ratio);
        m_drawnRatio = ratio;
        m_drawPending = false;
    }
    return m_surface;
}

QRgb PaintBox::PixelAt(QPoint pos) const
{
    return canvas::PixelAt(Surface(), pos);
}

PaintBox::Hint PaintBox::HintAt(QPoint pos) const
{
    return m_hintSource ? m_hintSource(pos) : Hint {};
}

void PaintBox::SetSpeech(QAccessible::Role role, std::function<Spoken()> self)
{
    m_speech.role = role;
    m_speech.self = std::move(self);
    InstallPaintBoxAccessibility();
}

void PaintBox::SetItemSpeech(QAccessible::Role role, std::function<int()> count, std::function<Spoken(int)> item,
    std::function<int()> current)
{
    m_speech.itemRole = role;
    m_speech.itemCount = std::move(count);
    m_speech.item = std::move(item);
    m_speech.currentItem = std::move(current);
}

void PaintBox::SpeechChanged() const
{
    // Without a listener there is nothing to tell, and asking would make the accessible objects.
    if (!QAccessible::isActive() || !m_speech.self)
        return;
    QAccessibleEvent named(const_cast<PaintBox*>(this), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    if (m_speech.itemCount) {
        QAccessibleEvent reordered(const_cast<PaintBox*>(this), QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reordered);
    }
}

void PaintBox::SpokenItemFocused(int item) const
{
    if (!QAccessible::isActive() || !m_speech.self || !hasFocus())
        return;
    QAccessibleEvent focused(const_cast<PaintBox*>(this), QAccessible::Focus);
    focused.setChild(item);
    QAccessible::updateAccessibility(&focused);
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
    // The ratio of what is painted on: the window's screen, or a picture the box is rendered into.
    const QImage& surface = SurfaceFor(painter.paintEngine()->paintDevice()->devicePixelRatioF());
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
    // A picture of the painted device's ratio lands one to one on its pixels.
    painter.drawImage(QRect(QPoint(0, 0), canvas::LogicalSize(*shown)), *shown);
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
