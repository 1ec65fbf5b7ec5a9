#include "platform/FirstPaintReport.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class FirstPaintReporter final : public QObject {
public:
    FirstPaintReporter(const QWidget* window, QObject* parent)
        : QObject(parent)
        , m_window(window)
    {
    }

protected:
    // Paint events go to the window's controls as much as to the window itself. A paint pass draws one
    // window's back buffer and flushes it to the screen before the next window's pass begins; the report
    // follows that flush: when the event loop comes round again, or when another window starts painting.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        if (static_cast<QWidget*>(watched)->window() == m_window) {
            if (!m_painting) {
                m_painting = true;
                QTimer::singleShot(0, this, &FirstPaintReporter::Report);
            }
        } else if (m_painting) {
            Report();
        }
        return false;
    }

private:
    void Report()
    {
        if (m_reported)
            return;
        m_reported = true;
        QCoreApplication::instance()->removeEventFilter(this);
        std::fputs("first-paint\n", stdout);
        std::fflush(stdout);
        deleteLater();
    }

    QPointer<const QWidget> m_window;
    bool m_painting = false;
    bool m_reported = false;
};

} // namespace

void ReportFirstPaintIfAsked(const QWidget* window)
{
    if (qEnvironmentVariable("TINTWELL_REPORT_FIRST_PAINT") != QLatin1String("1"))
        return;
    auto* app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaintReporter(window, app));
}
