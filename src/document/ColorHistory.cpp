#include "document/ColorHistory.h"

int ColorHistory::Add(ColorValue color)
{
    m_entries.resize(static_cast<std::size_t>(m_selected + 1));
    m_entries.push_back(color);
    m_selected = Count() - 1;
    return m_selected;
}

bool ColorHistory::Back()
{
    return CanGoBack() && Select(m_selected - 1);
}

bool ColorHistory::Forward()
{
    return CanGoForward() && Select(m_selected + 1);
}

bool ColorHistory::Select(int index)
{
    if (index < 0 || index >= Count())
        return false;
    m_selected = index;
    return true;
}
