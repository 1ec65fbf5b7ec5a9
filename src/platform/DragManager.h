#pragma once

#include <QCursor>
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>

// A widget that takes colour drops. A drag carries no data: the receiver looks at the source.
class DropTarget {
public:
    virtual ~DropTarget() = default;
    // Called on every pointer movement of an active drag over the target; true accepts a drop here.
    virtual bool DragOver(QWidget* source, QPoint pos) = 0;
    virtual void DragDrop(QWidget* source, QPoint pos) = 0;
};

struct DragRequest {
    QWidget* source = nullptr;
    QPoint globalStart;   // the threshold is measured from here
    int threshold = 10;   // pixels, horizontally or vertically
    std::function<void()> onStart;           // the drag became active
    std::function<void(bool dropped)> onEnd; // always called once, dropped or cancelled
};

// In-application drag and drop across the program's windows, driven by ordinary mouse events:
// a pending drag turns active past its threshold, moves are offered to the target under the pointer,
// the release drops on an accepting target, and the source always hears the end.
class DragManager final : public QObject {
    Q_OBJECT
public:
    static DragManager& Instance();

    void RegisterTarget(QWidget* widget, DropTarget* target);
    void SetDragCursor(const QCursor& cursor) { m_dragCursor = cursor; }

    void BeginDrag(DragRequest request);
    void Cancel();

    bool IsPending() const { return m_request.source != nullptr; }
    bool IsActive() const { return m_active; }
    QWidget* Source() const { return m_request.source; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DragManager() = default;
    void Move(QPoint global);
    void Release(QPoint global);
    void Finish(bool dropped);
    // Ends the tracking and hands back the source's end step (empty when the source is gone).
    std::function<void(bool)> Stop();
    DropTarget* TargetAt(QPoint global, QWidget** widget) const;

    QHash<QWidget*, DropTarget*> m_targets;
    DragRequest m_request;
    QPointer<QWidget> m_sourceGuard;
    bool m_active = false;
    bool m_accepted = false;
    QPointer<QWidget> m_acceptingWidget;
    QCursor m_dragCursor { Qt::DragMoveCursor };
};
