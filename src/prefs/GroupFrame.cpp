#include "GroupFrame.h"

#include <QPainter>

namespace {
constexpr int kTitleLeft = 8;
}

GroupFrame::GroupFrame(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
{
}

void GroupFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // The line runs through the middle of the title's first line.
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));

    const QRect titleArea(kTitleLeft, 0, metrics.horizontalAdvance(title()), metrics.height());
    painter.fillRect(titleArea, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter, title());
}
