#pragma once

#include <QAccessible>
#include <QImage>
#include <QWidget>

#include <QRect>

#include <functional>

class QMouseEvent;

// A control the program paints itself: its owner (or a box derived from it) renders a picture off-screen and
// copies it on in one step. Mouse activity is passed on as signals so one owner can serve many boxes.
// Pictures are in device pixels at the screen's ratio (canvas::NewPicture), so that on a dense screen lines and
// texts are as sharp as the toolkit's own.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(const QString& name, QWidget* parent);

    // A picture that is shown as it is, whatever ratio the screen has.
    void SetSurface(const QImage& picture);
    // The picture drawn by `draw` for a device pixel ratio, only when the box is next painted or its surface read:
    // a window that is built at start-up but shown later, if ever, pays for its picture (and the faces its texts
    // load) only then. Drawn again when the box is shown at another ratio (a window moved to another screen).
    void SetSurfaceSource(std::function<QImage(qreal ratio)> draw);
    // The picture at the box's own ratio.
    const QImage& Surface() const;
    // The colour of the painted surface at a point in the box's own (logical) coordinates.
    QRgb PixelAt(QPoint pos) const;

    // A box that shows something other than the program's colours (the picker's photograph of the desktop) shows
    // it as it is, whatever colour vision the rest is shown for.
    void SetShowsTrueColors(bool on) { m_showsTrueColors = on; }

    // What the box's tool tip says at a point, asked only when the toolkit wants a tip there; an empty text shows
    // none. The tip goes when the pointer leaves the area.
    struct Hint {
        QString text;
        QRect area;
    };
    void SetHintSource(std::function<Hint(QPoint)> source) { m_hintSource = std::move(source); }
    Hint HintAt(QPoint pos) const;

    // What a screen reader hears of the box, asked only while an assistive client asks: the box's own name and
    // description and, for a box that shows many colours, each of them as an object of its own (in the box's
    // coordinates), with the one the keyboard is on (-1 for none).
    struct Spoken {
        QString name;
        QString description;
        QRect area;
    };
    struct Speech {
        QAccessible::Role role = QAccessible::Graphic;
        std::function<Spoken()> self;
        QAccessible::Role itemRole = QAccessible::ListItem;
        std::function<int()> itemCount;
        std::function<Spoken(int)> item;
        std::function<int()> currentItem;
    };
    void SetSpeech(QAccessible::Role role, std::function<Spoken()> self);
    void SetItemSpeech(QAccessible::Role role, std::function<int()> count, std::function<Spoken(int)> item,
        std::function<int()> current = [] { return -1; });
    const Speech& GetSpeech() const { return m_speech; }
    // Tells a listening assistive client that what the box says changed: its name, or its items. A new picture
    // tells it by itself.
    void SpeechChanged() const;
    // Tells it that the keyboard moved to an item.
    void SpokenItemFocused(int item) const;

signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    // After the mousePressed of the second press of a double click.
    void doubleClicked(QMouseEvent* event);
    void entered();
    void left();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const QImage& SurfaceFor(qreal ratio) const;

    mutable QImage m_surface;
    std::function<QImage(qreal)> m_draw;
    mutable bool m_drawPending = false;
    mutable qreal m_drawnRatio = 0;
    bool m_showsTrueColors = false;
    // The surface as last shown under a colour-vision simulation, and what it was made from.
    QImage m_shown;
    qint64 m_shownFrom = 0;
    int m_shownMode = 0;
    std::function<Hint(QPoint)> m_hintSource;
    Speech m_speech;
};
