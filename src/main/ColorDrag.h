#pragma once

#include "color/Color.h"

#include <QObject>
#include <QPoint>

#include <functional>

class PaintBox;
class QMenu;
class QKeyEvent;
class QMouseEvent;
class QWidget;
class TfrmMain;

// Colour drags between the program's windows. A drag carries no data: a receiver asks what a drag from its source
// carries. Every colour source begins its drags here, and every drag ends here, dropped or not: the end is told
// once (drop markers can go) and the selected colour goes back to the scheme's first colour.
class ColorDrag final : public QObject {
    Q_OBJECT
public:
    explicit ColorDrag(TfrmMain& main);

    // Makes a painted box a colour source. A press selects the colour under the pointer for a click, the menu and a
    // drag; a right press opens the menu instead; the first move after a left press begins a drag, which becomes
    // real past the threshold; a click makes the colour the base colour.
    // The keys of AddKeys come with it.
    void AddSource(PaintBox* source, int threshold, std::function<ColorValue(QPoint)> colorAt, QMenu* menu,
        std::function<QPoint()> focusPoint = {});
    // With the keyboard focus on the source, Enter or Space is a click on the colour at `focusPoint` (the middle of
    // the source by default), the menu key and Shift+F10 open the menu there and Ctrl+C copies the colour as the
    // menu's first copy entry does.
    void AddKeys(PaintBox* source, std::function<ColorValue(QPoint)> colorAt, QMenu* menu,
        std::function<QPoint()> focusPoint = {});
    // A drag from a source that handles its own presses; onStart runs when it becomes real.
    void Begin(QWidget* source, QPoint globalStart, int threshold, std::function<void()> onStart = {});

    // A list whose drags carry its own selection rather than the selected colour; one at a time.
    void SetListSource(const QWidget* list, std::function<ColorValue()> selection);
    void RemoveListSource(const QWidget* list);
    ColorValue Carried(const QWidget* source) const;

    // A press on a source armed a drag that no move has begun yet.
    bool Armed() const { return m_armed; }

signals:
    void ended();

private:
    void Press(PaintBox* source, const std::function<ColorValue(QPoint)>& colorAt, QMenu* menu, QMouseEvent* event);
    void Move(PaintBox* source, int threshold, QMouseEvent* event);
    void Release(QMouseEvent* event);
    bool Key(PaintBox* source, const std::function<ColorValue(QPoint)>& colorAt, QMenu* menu, QPoint at, QKeyEvent* event);
    // A click's choice: the colour becomes the base colour unless it is the scheme's colour already.
    void Choose(ColorValue color);
    void End();

    TfrmMain& m_main;
    bool m_armed = false;
    const QWidget* m_list = nullptr;
    std::function<ColorValue()> m_listSelection;
};
