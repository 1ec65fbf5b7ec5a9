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
    // Paint events go to the window's controls as much as to the window itself; any of them will do.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == m_window) {
            QCoreApplication::instance()->removeEventFilter(this);
            // A paint event comes while the window's back buffer is being drawn; the flush to the screen
            // follows in the same pass, so the report waits for the event loop to come round again.
            QTimer::singleShot(0, this, [this] {
                std::fputs("first-paint\n", stdout);
                std::fflush(stdout);
                deleteLater();
            });
        }
        return false;
    }

private:
    QPointer<const QWidget> m_window;
};

} // namespace

void ReportFirstPaintIfAsked(const QWidget* window)
{
    if (qEnvironmentVariable("TINTWELL_REPORT_FIRST_PAINT") != QLatin1String("1"))
        return;
    auto* app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaintReporter(window, app));
}
