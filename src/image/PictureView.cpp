#include "PictureView.h"

#include "PictureFit.h"

#include <QMouseEvent>
#include <QPainter>

PictureView::PictureView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("imgPicture"));
    setCursor(Qt::CrossCursor);
    setMinimumSize(200, 150);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PictureView::SetPicture(const QImage& picture, const QImage& overview)
{
    m_picture = picture;
    m_overview = overview;
    m_shown = {};
    m_marks.clear();
    update();
}

void PictureView::SetMarks(std::vector<QPoint> pixels)
{
    m_marks = std::move(pixels);
    update();
}

void PictureView::resizeEvent(QResizeEvent*) { m_shown = {}; }

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF fitted = picture_fit::Fitted(m_picture.size(), size());
    if (fitted.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize device = (fitted.size() * ratio).toSize();
    if (m_shown.size() != device && !device.isEmpty()) {
        const bool fromOverview = !m_overview.isNull() && device.width() <= m_overview.width()
            && device.height() <= m_overview.height();
        const QImage& source = fromOverview ? m_overview : m_picture;
        // Enlarged pictures keep their pixels square, so the pixel the eyedropper picks is the one seen there.
        const auto mode = device.width() < source.width() ? Qt::SmoothTransformation : Qt::FastTransformation;
        m_shown = QPixmap::fromImage(source.scaled(device, Qt::IgnoreAspectRatio, mode));
        m_shown.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(fitted.topLeft(), m_shown);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QPoint& pixel : m_marks) {
        const QPointF at = picture_fit::PointOf(pixel, fitted, m_picture.size());
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawEllipse(at, 7, 7);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawEllipse(at, 7, 7);
    }
}

void PictureView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QRectF fitted = picture_fit::Fitted(m_picture.size(), size());
    if (const auto pixel = picture_fit::PixelAt(event->position(), fitted, m_picture.size()))
        emit pixelPicked(*pixel);
}
