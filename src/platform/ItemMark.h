#pragma once

#include "platform/KeyboardFocus.h"

#include <QRect>
#include <QWidget>

// A ring around the item of a control the keyboard is on, shown only while the control has the focus: a dark and
// a light line, so it stands out on any colour. It lies over the control, never in its picture, so nothing the
// control draws, saves or exports ever holds it, and the control without the focus looks as it always does.
class ItemMark final : public QWidget {
public:
    explicit ItemMark(QWidget* target);

    // The item's area in the control's coordinates; the ring lies round it, kept inside the control.
    void SetArea(QRect area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Place();

    QWidget* m_target;
    QRect m_area;
    FocusShowing m_showing;
};
