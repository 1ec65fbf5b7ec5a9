#include "Mouse.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

namespace mouse {
namespace {

void Send(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF local(pos);
    const QPointF global(widget->mapToGlobal(pos));
    QMouseEvent event(type, local, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void Press(QWidget* widget, QPoint pos, Qt::MouseButton button)
{
    Send(widget, QEvent::MouseButtonPress, pos, button, button);
}

void Move(QWidget* widget, QPoint pos, Qt::MouseButtons held)
{
    Send(widget, QEvent::MouseMove, pos, Qt::NoButton, held);
}

void Release(QWidget* widget, QPoint pos, Qt::MouseButton button)
{
    Send(widget, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

void DoubleClick(QWidget* widget, QPoint pos, Qt::MouseButton button)
{
    Send(widget, QEvent::MouseButtonDblClick, pos, button, button);
}

void Click(QWidget* widget, QPoint pos, Qt::MouseButton button)
{
    Press(widget, pos, button);
    Release(widget, pos, button);
}

void Enter(QWidget* widget)
{
    const QPointF inside(1, 1);
    QEnterEvent event(inside, inside, widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &event);
}

void Leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

} // namespace mouse
