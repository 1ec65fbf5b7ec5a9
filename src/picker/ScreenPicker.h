#pragma once

#include "platform/Services.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QWidget>

#include <optional>

class PaintBox;
class QMouseEvent;
class QTimer;
class TfrmMain;

// The screen colour picker: a borderless window over the whole virtual desktop showing a photograph of it 1:1,
// with a magnifying lens in a top corner; a mouse press on the photograph makes that pixel the base colour.
class ScreenPicker final : public QWidget {
    Q_OBJECT
public:
    explicit ScreenPicker(TfrmMain& main);
    ~ScreenPicker() override;

    // The tool windows hidden while the picker is open; either may be null while it does not exist.
    void SetToolWindows(QWidget* favorites, QWidget* preview);

    // One tick of the open picker: moves the panel out of the pointer's way, or magnifies the photograph around it.
    void RefreshLens();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormCreate();
    // The main window's picker command: hides the program's windows and, once they have left the screen,
    // photographs the desktop and shows it.
    void tbPickerClick();
    void Capture();
    void TakeCapture(platform::CaptureResult result);
    void ShowPhotograph(const platform::DesktopPhoto& photo);
    // The lens and the colour box around a pixel of the photograph, or black.
    void ShowLens(std::optional<QPoint> pixel);
    // The pointer over the window in logical pixels, as exact as it can be known, from where the toolkit has it.
    QPointF PointerAt(QPointF toolkit) const;
    void imgDesktopMouseDown(QMouseEvent* event);
    // Picks the photograph's pixel under a point of the window, as a press there does.
    void PickAt(QPointF at);
    // Brings back the windows the opening hid and hides the picker.
    void LeavePicker();

    // Tests find these by their object names.
    PaintBox* imgDesktop = nullptr;
    PaintBox* pnlColor = nullptr;
    PaintBox* imgZoom = nullptr;
    PaintBox* imgColor = nullptr;
    QTimer* tmrZoom = nullptr;

    TfrmMain& m_main;
    QWidget* m_favorites = nullptr;
    QWidget* m_preview = nullptr;
    // The desktop in device pixels; the window covers it in logical ones.
    QImage m_photo;
    // The photograph's pixel the lens was last drawn around; nothing until the first tick of an opening.
    std::optional<QPoint> m_lensPixel;
    // Where the pointer last moved over the photograph, to a fraction of a logical pixel.
    std::optional<QPointF> m_lastMove;
};
