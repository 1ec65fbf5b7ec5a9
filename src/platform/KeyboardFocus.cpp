#include "KeyboardFocus.h"

#include <QKeyEvent>

#include <QEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace {

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
            Place();
            show();
            raise();
            break;
        case QEvent::FocusOut:
        case QEvent::Hide:
            hide();
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
        setGeometry(m_target->geometry().adjusted(-out, -out, out, out));
        // Only the ring itself: the gap and the control show through untouched.
        setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth))));
    }

    QWidget* m_target;
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

void ShowFocusRing(QWidget* target)
{
    new FocusRing(target);
}
