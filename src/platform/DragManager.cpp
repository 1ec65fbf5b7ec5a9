#include "DragManager.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <cstdlib>

DragManager& DragManager::Instance()
{
    static DragManager* manager = new DragManager; // lives as long as the application
    return *manager;
}

void DragManager::RegisterTarget(QWidget* widget, DropTarget* target)
{
    m_targets.insert(widget, target);
    connect(widget, &QObject::destroyed, this, [this, widget] { m_targets.remove(widget); });
}

void DragManager::BeginDrag(DragRequest request)
{
    Q_ASSERT(request.source);
    if (IsPending())
        Finish(false);
    m_request = std::move(request);
    m_sourceGuard = m_request.source;
    m_active = false;
    m_accepted = false;
    qApp->installEventFilter(this);
}

void DragManager::Cancel()
{
    if (IsPending())
        Finish(false);
}

bool DragManager::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        Move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        Release(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            Finish(false);
            return true;
        }
        return false;
    case QEvent::ApplicationDeactivate:
        Finish(false);
        return false;
    default:
        return false;
    }
}

void DragManager::Move(QPoint global)
{
    if (!m_sourceGuard) {
        Finish(false);
        return;
    }
    if (!m_active) {
        const QPoint d = global - m_request.globalStart;
        if (std::abs(d.x()) < m_request.threshold && std::abs(d.y()) < m_request.threshold)
            return;
        m_active = true;
        QApplication::setOverrideCursor(m_dragCursor);
        if (m_request.onStart)
            m_request.onStart();
    }
    QWidget* widget = nullptr;
    DropTarget* target = TargetAt(global, &widget);
    m_accepted = target && target->DragOver(m_request.source, widget->mapFromGlobal(global));
    m_acceptingWidget = m_accepted ? widget : nullptr;
    QApplication::changeOverrideCursor(m_accepted ? m_dragCursor : QCursor(Qt::ForbiddenCursor));
}

void DragManager::Release(QPoint global)
{
    QWidget* widget = nullptr;
    DropTarget* target = nullptr;
    if (m_active && m_sourceGuard && m_accepted) {
        target = TargetAt(global, &widget);
        // Drop only where the last movement was accepted, as the cursor showed.
        if (widget != m_acceptingWidget)
            target = nullptr;
    }
    // The drag stops tracking the mouse before the drop, so a receiver may ask a question in a dialog.
    QWidget* source = m_request.source;
    const auto onEnd = Stop();
    if (target)
        target->DragDrop(source, widget->mapFromGlobal(global));
    if (onEnd)
        onEnd(target != nullptr);
}

void DragManager::Finish(bool dropped)
{
    if (const auto onEnd = Stop())
        onEnd(dropped);
}

std::function<void(bool)> DragManager::Stop()
{
    qApp->removeEventFilter(this);
    if (m_active)
        QApplication::restoreOverrideCursor();
    DragRequest finished = std::move(m_request);
    const bool sourceAlive = !m_sourceGuard.isNull();
    m_request = {};
    m_sourceGuard.clear();
    m_active = false;
    m_accepted = false;
    m_acceptingWidget.clear();
    return sourceAlive ? std::move(finished.onEnd) : nullptr;
}

DropTarget* DragManager::TargetAt(QPoint global, QWidget** widget) const
{
    for (QWidget* w = QApplication::widgetAt(global); w; w = w->parentWidget()) {
        if (auto it = m_targets.constFind(w); it != m_targets.constEnd()) {
            *widget = w;
            return it.value();
        }
        if (w->isWindow())
            break;
    }
    return nullptr;
}
