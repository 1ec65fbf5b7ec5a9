#include "ColorDrag.h"

#include "CopyMenu.h"
#include "TfrmMain.h"
#include "platform/DragManager.h"
#include "platform/KeyboardFocus.h"
#include "platform/PaintBox.h"
#include "platform/Services.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

ColorDrag::ColorDrag(TfrmMain& main)
    : QObject(&main)
    , m_main(main)
{
}

void ColorDrag::AddSource(PaintBox* source, int threshold, std::function<ColorValue(QPoint)> colorAt, QMenu* menu,
    std::function<QPoint()> focusPoint)
{
    connect(source, &PaintBox::mousePressed, this,
        [this, source, colorAt, menu](QMouseEvent* e) { Press(source, colorAt, menu, e); });
    connect(source, &PaintBox::mouseMoved, this, [this, source, threshold](QMouseEvent* e) { Move(source, threshold, e); });
    connect(source, &PaintBox::mouseReleased, this, &ColorDrag::Release);
    AddKeys(source, std::move(colorAt), menu, std::move(focusPoint));
}

void ColorDrag::AddKeys(
    PaintBox* source, std::function<ColorValue(QPoint)> colorAt, QMenu* menu, std::function<QPoint()> focusPoint)
{
    HandleKeys(source, [this, source, colorAt, menu, focusPoint = std::move(focusPoint)](QKeyEvent* e) {
        return Key(source, colorAt, menu, focusPoint ? focusPoint() : source->rect().center(), e);
    });
}

bool ColorDrag::Key(
    PaintBox* source, const std::function<ColorValue(QPoint)>& colorAt, QMenu* menu, QPoint at, QKeyEvent* event)
{
    const bool menuKey = event->key() == Qt::Key_Menu
        || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    const bool choose = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        && event->modifiers() == Qt::NoModifier;
    const bool copy = event->matches(QKeySequence::Copy);
    if (!menuKey && !choose && !copy)
        return false;
    m_main.SetSelectedColor(colorAt(at));
    if (menuKey)
        menu->popup(source->mapToGlobal(at));
    else if (copy)
        platform::ClipboardService().SetText(CopyTextsOf(m_main.SelectedColor())[0]);
    else
        Choose(m_main.SelectedColor());
    return true;
}

void ColorDrag::Choose(ColorValue color)
{
    if (color != m_main.SchemeColors()[0])
        m_main.SetBaseColor(color);
}

void ColorDrag::Press(PaintBox* source, const std::function<ColorValue(QPoint)>& colorAt, QMenu* menu, QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    m_main.SetSelectedColor(colorAt(at));
    m_armed = event->button() != Qt::RightButton;
    if (!m_armed)
        menu->popup(source->mapToGlobal(at));
}

void ColorDrag::Move(PaintBox* source, int threshold, QMouseEvent* event)
{
    if (!m_armed)
        return;
    m_armed = false;
    // Any movement after the press makes a drag; it becomes real only past the threshold from here.
    Begin(source, event->globalPosition().toPoint(), threshold);
}

void ColorDrag::Release(QMouseEvent* event)
{
    // A release while the primary button is still held belongs to a drag, not to a click.
    if (event->button() == Qt::LeftButton && !platform::Mouse().PrimaryButtonDown())
        Choose(m_main.SelectedColor());
    m_armed = false;
}

void ColorDrag::Begin(QWidget* source, QPoint globalStart, int threshold, std::function<void()> onStart)
{
    DragRequest request;
    request.source = source;
    request.globalStart = globalStart;
    request.threshold = threshold;
    request.onStart = std::move(onStart);
    request.onEnd = [this](bool) { End(); };
    DragManager::Instance().BeginDrag(std::move(request));
}

void ColorDrag::End()
{
    emit ended();
    m_main.SetSelectedColor(m_main.SchemeColors()[0]);
}

void ColorDrag::SetListSource(const QWidget* list, std::function<ColorValue()> selection)
{
    m_list = list;
    m_listSelection = std::move(selection);
}

void ColorDrag::RemoveListSource(const QWidget* list)
{
    if (m_list != list)
        return;
    m_list = nullptr;
    m_listSelection = nullptr;
}

ColorValue ColorDrag::Carried(const QWidget* source) const
{
    if (source && source == m_list)
        return m_listSelection();
    return m_main.SelectedColor();
}
