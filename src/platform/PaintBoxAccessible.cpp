#include "PaintBoxAccessible.h"

#include "PaintBox.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include <map>
#include <optional>

namespace {

// What a reader hears of a colour: its name and its description; other texts are the toolkit's.
std::optional<QString> Said(const PaintBox::Spoken& spoken, QAccessible::Text t)
{
    switch (t) {
    case QAccessible::Name:
        return spoken.name;
    case QAccessible::Description:
        return spoken.description;
    default:
        return std::nullopt;
    }
}

// One colour of a box that shows many: no widget of its own, so it is registered with the toolkit by its parent,
// which removes it again.
class PaintedItemAccessible final : public QAccessibleInterface {
public:
    PaintedItemAccessible(PaintBox* box, int index)
        : m_box(box)
        , m_index(index)
    {
    }

    bool isValid() const override
    {
        const PaintBox::Speech* speech = Speech();
        return speech && m_index < speech->itemCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_box ? m_box->window()->windowHandle() : nullptr; }
    QVector<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return m_box ? QAccessible::queryAccessibleInterface(m_box) : nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        return Said(Speech()->item(m_index), t).value_or(QString());
    }
    void setText(QAccessible::Text, const QString&) override { }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect area = Speech()->item(m_index).area;
        return QRect(m_box->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override
    {
        const PaintBox::Speech* speech = Speech();
        return speech ? speech->itemRole : QAccessible::NoRole;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool current = Speech()->currentItem && Speech()->currentItem() == m_index;
        state.focusable = m_box->focusPolicy() != Qt::NoFocus;
        state.focused = current && m_box->hasFocus();
        state.selectable = true;
        state.selected = current;
        const QRect area = Speech()->item(m_index).area;
        state.invisible = !m_box->isVisible() || !m_box->rect().intersects(area);
        state.offscreen = state.invisible;
        return state;
    }

    int Index() const { return m_index; }

private:
    const PaintBox::Speech* Speech() const
    {
        if (!m_box || !m_box->GetSpeech().itemCount)
            return nullptr;
        return &m_box->GetSpeech();
    }

    QPointer<PaintBox> m_box;
    int m_index;
};

class PaintBoxAccessible final : public QAccessibleWidget {
public:
    explicit PaintBoxAccessible(PaintBox* box)
        : QAccessibleWidget(box, box->GetSpeech().role)
    {
    }

    ~PaintBoxAccessible() override
    {
        for (const auto& [index, id] : m_items)
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        if (std::optional<QString> said = Said(Speech().self(), t))
            return *said;
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return Speech().itemCount ? Speech().itemCount() : 0; }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto found = m_items.find(index);
        if (found == m_items.end()) {
            auto* item = new PaintedItemAccessible(Box(), index);
            found = m_items.emplace(index, QAccessible::registerAccessibleInterface(item)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [index, id] : m_items) {
            if (QAccessible::accessibleInterface(id) == child)
                return index < childCount() ? index : -1;
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        // Items drawn later lie on top.
        const QPoint at = Box()->mapFromGlobal(QPoint(x, y));
        for (int i = childCount() - 1; i >= 0; --i) {
            if (Speech().item(i).area.contains(at))
                return child(i);
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        const int current = Speech().currentItem ? Speech().currentItem() : -1;
        return Box()->hasFocus() && current >= 0 ? child(current) : nullptr;
    }

private:
    PaintBox* Box() const { return static_cast<PaintBox*>(widget()); }
    const PaintBox::Speech& Speech() const { return Box()->GetSpeech(); }

    mutable std::map<int, QAccessible::Id> m_items;
};

QAccessibleInterface* PaintBoxFactory(const QString&, QObject* object)
{
    auto* box = qobject_cast<PaintBox*>(object);
    if (!box || !box->GetSpeech().self)
        return nullptr;
    return new PaintBoxAccessible(box);
}

} // namespace

void InstallPaintBoxAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(PaintBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
