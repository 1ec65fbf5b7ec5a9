#include "ItemMark.h"

#include <QEvent>
#include <QPainter>
#include <QRegion>

namespace {

constexpr int kWidth = 2;

} // namespace

ItemMark::ItemMark(QWidget* target)
    : QWidget(target)
    , m_target(target)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    target->installEventFilter(this);
}

void ItemMark::SetArea(QRect area)
{
    m_area = area;
    if (m_target->hasFocus())
        Place();
}

bool ItemMark::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Hide:
    case QEvent::KeyRelease:
        if (m_showing.Follow(event))
            Place();
        else
            hide();
        break;
    default:
        break;
    }
    return false;
}

void ItemMark::Place()
{
    // An item as large as the control (a page's background) is ringed just inside the control's edge.
    const QRect ring = m_area.adjusted(-kWidth, -kWidth, kWidth, kWidth) & m_target->rect();
    if (m_area.isEmpty() || ring.width() <= 2 * kWidth || ring.height() <= 2 * kWidth || !m_target->hasFocus()
        || !m_showing.Shown()) {
        hide();
        return;
    }
    setGeometry(ring);
    const QRect own = rect();
    setMask(QRegion(own).subtracted(QRegion(own.adjusted(kWidth, kWidth, -kWidth, -kWidth))));
    show();
    raise();
    update();
}

void ItemMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(Qt::white);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}
