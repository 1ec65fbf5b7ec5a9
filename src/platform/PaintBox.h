#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QMouseEvent;

// A control the program paints itself: its owner renders a picture off-screen and copies it on in one step.
// Mouse activity is passed on as signals so one owner can serve many boxes.
class PaintBox final : public QWidget {
    Q_OBJECT
public:
    PaintBox(const QString& name, QWidget* parent);

    void SetSurface(const QImage& picture);
    // The same, drawn by `draw` only when the box is next painted or its surface read: a window that is built at
    // start-up but shown later, if ever, pays for its picture (and the faces its texts load) only then.
    void SetSurfaceSource(std::function<QImage()> draw);
    const QImage& Surface() const;
    // The colour of the painted surface at a point in the box's own coordinates.
    QRgb PixelAt(QPoint pos) const;

signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    // After the mousePressed of the second press of a double click.
    void doubleClicked(QMouseEvent* event);
    void entered();
    void left();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    mutable QImage m_surface;
    mutable std::function<QImage()> m_pendingDraw;
};
