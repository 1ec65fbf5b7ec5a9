#include "RatioPicture.h"

#include <QEvent>
#include <QLabel>

namespace {

class RatioPicture final : public QObject {
public:
    RatioPicture(QLabel* label, std::function<QPixmap(qreal)> draw)
        : QObject(label)
        , m_label(label)
        , m_draw(std::move(draw))
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // Before the label paints, so the paint that finds a new ratio already shows the picture drawn for it.
        if (event->type() == QEvent::Show || event->type() == QEvent::Paint) {
            const qreal ratio = m_label->devicePixelRatioF();
            if (m_label->pixmap().isNull() || m_label->pixmap().devicePixelRatio() != ratio)
                m_label->setPixmap(m_draw(ratio));
        }
        return false;
    }

private:
    QLabel* m_label;
    std::function<QPixmap(qreal)> m_draw;
};

} // namespace

void ShowDrawnPicture(QLabel* label, std::function<QPixmap(qreal ratio)> draw)
{
    new RatioPicture(label, std::move(draw));
}
