#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

// Runs a function at the first paint after the window's next showing: a window is painted once it is mapped, and
// by then the window manager's notices of its frame and its place have come in.
class FramedHook final : public QObject {
public:
    FramedHook(QWidget* window, std::function<void()> then)
        : QObject(window)
        , m_window(window)
        , m_then(std::move(then))
        , m_shown(window->isVisible())
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            m_shown = true;
        } else if (watched == m_window && event->type() == QEvent::Paint && m_shown) {
            m_window->removeEventFilter(this);
            deleteLater();
            m_then();
        }
        return false;
    }

private:
    QWidget* m_window;
    std::function<void()> m_then;
    bool m_shown;
};

} // namespace

void WhenFramed(QWidget* window, std::function<void()> place)
{
    new FramedHook(window, std::move(place));
}

QPoint CentredOnScreen(const QWidget& window)
{
    // With no screen attached (a display going away) the window stays where it is.
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return window.pos();
    const QRect screen = primary->geometry();
    const QSize outer = window.frameGeometry().size();
    return { screen.left() + (screen.width() - outer.width()) / 2,
        screen.top() + (screen.height() - outer.height()) / 2 };
}

QSize OuterSize(const QWidget& window, const QWidget& framed)
{
    const QSize outer = window.frameGeometry().size();
    if (outer != window.size())
        return outer;
    return window.size() + framed.frameGeometry().size() - framed.size();
}

void KeepAboveOwnWindows(QWidget* dialog)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool onTop = std::any_of(windows.begin(), windows.end(), [dialog](const QWidget* window) {
        return window != dialog && window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
    // Changing the flags makes a new native window: only when they change.
    if (dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}
