#include "KeyboardFocus.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace {

QPointer<QWidget> g_keyboardActivated;

constexpr int kGap = 1;
constexpr int kWidth = 2;

class FocusRing final : public QWidget {
public:
    explicit FocusRing(QWidget* target)
        : QWidget(target->parentWidget())
        , m_target(target)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Hide:
        case QEvent::KeyRelease:
            if (m_showing.Follow(event)) {
                Place();
                show();
                raise();
            } else {
                hide();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (isVisible())
                Place();
            break;
        default:
            break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Highlight));
    }

private:
    void Place()
    {
        const int out = kGap + kWidth;
        // A control at its parent's edge has no room outside it there: the ring lies over the control's own edge
        // on that side instead, so it is whole wherever the control sits.
        setGeometry(m_target->geometry().adjusted(-out, -out, out, out).intersected(parentWidget()->rect()));
        // Only the ring itself: the gap and the control show through untouched.
        setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth))));
    }

    QWidget* m_target;
    FocusShowing m_showing;
};

class KeyHandler final : public QObject {
public:
    KeyHandler(QWidget* target, std::function<bool(QKeyEvent*)> handler)
        : QObject(target)
        , m_handler(std::move(handler))
    {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        return event->type() == QEvent::KeyPress && m_handler(static_cast<QKeyEvent*>(event));
    }

private:
    std::function<bool(QKeyEvent*)> m_handler;
};

} // namespace

void HandleKeys(QWidget* target, std::function<bool(QKeyEvent*)> handler)
{
    new KeyHandler(target, std::move(handler));
}

bool HasOtherTabStop(QWidget* control)
{
    for (QWidget* next = control->nextInFocusChain(); next && next != control; next = next->nextInFocusChain()) {
        if (next->window() == control->window() && (next->focusPolicy() & Qt::TabFocus) && next->isEnabled()
            && next->isVisibleTo(control->window()))
            return true;
    }
    return false;
}

void ShowFocusRing(QWidget* target)
{
    new FocusRing(target);
}

bool FocusShowing::Follow(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn: {
        const auto* focus = static_cast<const QFocusEvent*>(event);
        switch (focus->reason()) {
        case Qt::MouseFocusReason:
            m_shown = false;
            break;
        case Qt::ActiveWindowFocusReason: {
            QWidget* control = QApplication::focusWidget();
            m_shown = m_shown || (control && g_keyboardActivated && control->window() == g_keyboardActivated);
            break;
        }
        case Qt::PopupFocusReason:
            break; // back from a menu, as it was before
        default:
            m_shown = true;
            break;
        }
        g_keyboardActivated = nullptr;
        return m_shown;
    }
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
        // Kept for the return from another window or a menu.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_shown = false;
        return false;
    }
    case QEvent::Hide:
        return false;
    case QEvent::KeyRelease:
        // A key used on a control whose window a click made active: the keyboard is here now. (Releases, since a
        // control's own key handling may take the presses.)
        m_shown = true;
        return true;
    default:
        return m_shown;
    }
}

void MarkKeyboardActivation(QWidget* window)
{
    g_keyboardActivated = window;
}
