#include "document/FavoritesModel.h"

#include <algorithm>
#include <utility>

FavoritesModel::FavoritesModel(QObject* parent)
    : QObject(parent)
{
}

const TFavColor& FavoritesModel::SelectedFavorite() const
{
    Q_ASSERT(HasSelection());
    return m_colors[static_cast<std::size_t>(m_selected)];
}

void FavoritesModel::Select(int index)
{
    Q_ASSERT(index >= 0 && index < Count());
    if (index < 0 || index >= Count() || index == m_selected)
        return;
    m_selected = index;
    Changed(false);
}

void FavoritesModel::InsertFavorite(int index, ColorValue color)
{
    Q_ASSERT(index >= 0 && index <= Count());
    index = std::clamp(index, 0, Count());
    m_colors.insert(m_colors.begin() + index, TFavColor::FromColor(color));
    m_selected = index;
    Changed(true);
}

void FavoritesModel::MoveSelectedFavorite(int insertionIndex)
{
    if (!HasSelection())
        return;
    Q_ASSERT(insertionIndex >= 0 && insertionIndex <= Count());
    const int from = m_selected;
    // Taking the entry out first shifts every later insertion point up by one.
    int to = std::clamp(insertionIndex, 0, Count());
    if (to > from)
        --to;
    const auto first = m_colors.begin();
    if (to > from)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (to < from)
        std::rotate(first + to, first + from, first + from + 1);
    m_selected = to;
    Changed(true);
}

void FavoritesModel::DeleteSelectedFavorite()
{
    if (!HasSelection())
        return;
    m_colors.erase(m_colors.begin() + m_selected);
    // The entry that followed takes the deleted one's place; after the last, its predecessor does.
    m_selected = std::min(m_selected, Count() - 1);
    Changed(true);
}

void FavoritesModel::MakeSelectedWebsafe()
{
    if (!HasSelection())
        return;
    TFavColor& fav = m_colors[static_cast<std::size_t>(m_selected)];
    // Snapped from the stored channels, which a file may have left out of step with the colour.
    fav = TFavColor::FromColor(Pack(SnapToWebsafe(fav.R), SnapToWebsafe(fav.G), SnapToWebsafe(fav.B)));
    Changed(true);
}

void FavoritesModel::AppendFavorites(const FavColorList& colors)
{
    if (colors.empty())
        return;
    m_selected = Count();
    m_colors.insert(m_colors.end(), colors.begin(), colors.end());
    Changed(true);
}

void FavoritesModel::Replace(FavColorList colors)
{
    m_colors = std::move(colors);
    for (TFavColor& fav : m_colors)
        fav.Expanded = false;
    m_selected = m_colors.empty() ? -1 : 0;
    Changed(false);
}

void FavoritesModel::Changed(bool byUser)
{
    emit changed();
    if (byUser)
        emit modified();
}
