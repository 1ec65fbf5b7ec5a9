#pragma once

#include <QRect>
#include <QString>

class QAction;
class QToolButton;
class QWidget;

// A flat tool-bar button with its hint (also its accessible name) and 16 x 16 artwork, left out of the keyboard
// focus chain.
QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& hint, const QString& art, QRect geometry);

// The same button running `command`: enabled, checked and triggered with the action, so a menu entry and the
// button are one command. The picture and hint stay the button's own; the action carries neither, so its menu
// entry keeps its caption and shows no picture (a picture would widen the whole menu).
QToolButton* MakeCommandButton(
    QWidget* parent, const char* name, const QString& hint, const QString& art, QRect geometry, QAction* command);
