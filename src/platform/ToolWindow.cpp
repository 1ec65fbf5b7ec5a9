#include "platform/ToolWindow.h"

#include <QWidget>

void ShowHintsWhenInactive(QWidget* window)
{
    // The pointer resting on a tool button or the websafe mark shows its hint even while another window of the
    // program has the focus, as it does right after a colour was dragged in from the main window.
    window->setAttribute(Qt::WA_AlwaysShowToolTips);
}

bool ToolWindowOnScreen(const QWidget* window)
{
    return window->isVisible() && !window->isMinimized();
}

void BringBackToolWindow(QWidget* window)
{
    window->showNormal();
    window->raise();
}
