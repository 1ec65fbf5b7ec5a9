#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <vector>

// The picture scaled to fit, with a ring where each extracted colour is most typical. A press picks the picture
// pixel under the pointer.
class PictureView final : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent);

    // `overview`, when not null, is the picture reduced (see MakeOverview): what is shown smaller than it is drawn
    // from it. Picks always read the picture itself.
    void SetPicture(const QImage& picture, const QImage& overview = {});
    void SetMarks(std::vector<QPoint> pixels);
    const QImage& Picture() const { return m_picture; }

signals:
    void pixelPicked(QPoint pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_picture;
    QImage m_overview;
    // The picture at the size it is shown, made once per size: scaling a large photograph for every paint would
    // make moving the window crawl.
    QPixmap m_shown;
    std::vector<QPoint> m_marks;
};
