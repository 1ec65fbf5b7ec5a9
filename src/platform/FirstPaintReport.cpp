#include "platform/FirstPaintReport.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace {

class FirstPaintReporter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
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
};

} // namespace

void ReportFirstPaintIfAsked()
{
    if (qEnvironmentVariable("TINTWELL_REPORT_FIRST_PAINT") != QLatin1String("1"))
        return;
    auto* app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaintReporter(app));
}
