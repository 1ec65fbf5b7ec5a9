#pragma once

#include "document/FavColor.h"

#include <QObject>

// The user's ordered list of favourite colours and its selection, part of the scheme document.
// The selection is -1 exactly when nothing is selected, and a valid index otherwise.
class FavoritesModel final : public QObject {
    Q_OBJECT
public:
    explicit FavoritesModel(QObject* parent = nullptr);

    const FavColorList& FavColors() const { return m_colors; }
    int FavSelected() const { return m_selected; }
    int Count() const { return static_cast<int>(m_colors.size()); }
    bool IsEmpty() const { return m_colors.empty(); }
    bool HasSelection() const { return m_selected >= 0; }
    // Only meaningful while something is selected; a drag from the list always carries the selection.
    const TFavColor& SelectedFavorite() const;
    ColorValue SelectedFavoriteColor() const { return SelectedFavorite().Color; }

    // A press on a row selects it; this is no change to the scheme.
    void Select(int index);

    // New entry at index 0..count, selected.
    void InsertFavorite(int index, ColorValue color);
    // Moves the selected entry to an insertion index 0..count counted in the list as it is before the move.
    void MoveSelectedFavorite(int insertionIndex);
    void DeleteSelectedFavorite();
    void MakeSelectedWebsafe();
    // Entries brought in from elsewhere (an imported palette), kept as they are, after the last; the first of
    // them is selected. Nothing happens for none.
    void AppendFavorites(const FavColorList& colors);

    // Loading (session, scheme, new scheme): the list is replaced wholesale and its first entry selected.
    void Replace(FavColorList colors);
    void Clear() { Replace({}); }

signals:
    // What the list shows changed: entries or selection.
    void changed();
    // The user changed the scheme's favourites.
    void modified();

private:
    void Changed(bool byUser);

    FavColorList m_colors;
    int m_selected = -1;
};
