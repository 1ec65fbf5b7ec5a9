#include "platform/ColorSquareIcon.h"

#include "platform/Artwork.h"
#include "platform/Canvas.h"
#include "platform/ShownVision.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr QSize kIconSize(16, 16);

class ColorSquareIconEngine final : public QIconEngine {
public:
    explicit ColorSquareIconEngine(QRgb fill)
        : m_fill(fill)
    {
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // size is in device pixels; the drawing is the 16 x 16 square scaled to fill it.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        if (size.isEmpty() || scale <= 0)
            return {};
        QImage picture(size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        {
            QPainter painter(&picture);
            painter.scale(qreal(size.width()) / kIconSize.width(), qreal(size.height()) / kIconSize.height());
            painter.fillRect(QRectF(1, 1, 14, 14), QColor(Qt::black));
            // Drawn for the screen each time, so the square follows the colour vision shown.
            const QRgb shown = canvas::ToRgb(SimulateVision(canvas::FromRgb(m_fill), ShownVision()));
            painter.fillRect(QRectF(2, 2, 12, 12), QColor(shown));
        }
        QPixmap result = QPixmap::fromImage(picture);
        if (mode == QIcon::Disabled)
            result = DisabledPixmap(result);
        result.setDevicePixelRatio(scale);
        return result;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = painter->device()->devicePixelRatioF();
        painter->drawPixmap(rect, scaledPixmap(rect.size() * dpr, mode, state, dpr));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return kIconSize.boundedTo(size); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return { kIconSize }; }
    QIconEngine* clone() const override { return new ColorSquareIconEngine(m_fill); }
    QString key() const override { return QStringLiteral("ColorSquareIconEngine"); }

private:
    QRgb m_fill;
};

} // namespace

QIcon ColorSquareIcon(QRgb fill)
{
    return QIcon(new ColorSquareIconEngine(fill));
}
