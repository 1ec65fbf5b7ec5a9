#include "platform/CaretBlink.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

CaretBlink::CaretBlink(int quietMilliseconds, QObject* parent)
    : QObject(parent)
    , m_flashTime(QGuiApplication::styleHints()->cursorFlashTime())
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMilliseconds);
    connect(&m_quiet, &QTimer::timeout, this, [this] { SetBlinking(false); });
    m_quiet.start();
    QCoreApplication::instance()->installEventFilter(this);
}

CaretBlink::~CaretBlink()
{
    SetBlinking(true);
}

bool CaretBlink::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::InputMethod:
        SetBlinking(true);
        m_quiet.start();
        break;
    default:
        break;
    }
    return false;
}

void CaretBlink::SetBlinking(bool blinking)
{
    if (blinking == m_blinking)
        return;
    m_blinking = blinking;
    // A flash time of zero shows the caret steadily.
    QGuiApplication::styleHints()->setCursorFlashTime(blinking ? m_flashTime : 0);
}
