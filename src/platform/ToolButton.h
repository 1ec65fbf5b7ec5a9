#pragma once

#include <QRect>
#include <QString>

class QToolButton;
class QWidget;

// A flat tool-bar button with its hint and 16 x 16 artwork, left out of the keyboard focus chain.
QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& hint, const QString& art, QRect geometry);
