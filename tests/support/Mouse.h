#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

// Mouse events delivered as the window system would: to the widget under a grab, with true global positions,
// through the application's event filters.
namespace mouse {

void Press(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void Move(QWidget* widget, QPoint pos, Qt::MouseButtons held = Qt::LeftButton);
void Release(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void DoubleClick(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void Click(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void Enter(QWidget* widget);
void Leave(QWidget* widget);

} // namespace mouse
