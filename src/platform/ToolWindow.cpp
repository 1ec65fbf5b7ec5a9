#include "platform/ToolWindow.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void ShowHintsWhenInactive(QWidget* window)
{
    // The pointer resting on a tool button or the websafe mark shows its hint even while another window of the
    // program has the focus, as it does right after a colour was dragged in from the main window.
    window->setAttribute(Qt::WA_AlwaysShowToolTips);
}

namespace {

// Gives a window the tool bar's type as soon as the toolkit has made its native window, before it is first shown.
// Making that window earlier would not do: a window made before it is placed is placed by its client area.
class ToolbarTypeSetter final : public QObject {
public:
    explicit ToolbarTypeSetter(QWidget* window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::WinIdChange)
            return false;
        QWindow* handle = static_cast<QWidget*>(watched)->windowHandle();
        if (!handle)
            return false;
        constexpr int kToolbarWindowType = 0x8;
        handle->setProperty("_q_xcb_wm_window_type", kToolbarWindowType);
        // The toolkit writes the type whenever the flags change: changed and changed back.
        const Qt::WindowFlags flags = handle->flags();
        handle->setFlags(flags ^ Qt::WindowDoesNotAcceptFocus);
        handle->setFlags(flags);
        watched->removeEventFilter(this);
        deleteLater();
        return false;
    }
};

// Unchecks a tool window's toggle when the window is closed (by its close button or the window manager): closing
// only hides it, and the toggle offers it back.
class CloseUnchecksToggle final : public QObject {
public:
    CloseUnchecksToggle(QWidget* window, QAction* toggle)
        : QObject(window)
        , m_toggle(toggle)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            m_toggle->setChecked(false);
        return false;
    }

private:
    QAction* m_toggle;
};

} // namespace

void AskForToolWindowFrame(QWidget* window)
{
    // A utility window, what the toolkit makes of a tool window, still gets minimise and maximise buttons from some
    // window managers (openbox among them); a tool bar gets neither, and keeps its caption and close button.
    // Window managers that do not know tool bars take the utility type the toolkit lists after it.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        new ToolbarTypeSetter(window);
}

void ConnectToolWindowToggle(QWidget* window, QAction* toggle)
{
    toggle->setEnabled(true);
    QObject::connect(toggle, &QAction::triggered, window, [window, toggle] {
        // A minimised window is not in view: the toggle brings it back rather than hiding it for good.
        const bool wasOnScreen = window->isVisible() && !window->isMinimized();
        if (wasOnScreen) {
            window->hide();
        } else {
            window->showNormal();
            window->raise();
        }
        toggle->setChecked(!wasOnScreen);
    });
    new CloseUnchecksToggle(window, toggle);
}
