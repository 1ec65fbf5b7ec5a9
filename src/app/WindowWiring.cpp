#include "WindowWiring.h"

#include "favorites/TfrmFavorites.h"
#include "main/TfrmMain.h"
#include "preview/TfrmPreview.h"

#include <QPointer>

void KeepToolWindowPlaces(TfrmMain& main, const TfrmFavorites* favorites, const TfrmPreview* preview)
{
    main.SetToolWindowPlaces([favorites = QPointer<const TfrmFavorites>(favorites),
                                 preview = QPointer<const TfrmPreview>(preview)] {
        ToolWindowPlaces places;
        if (favorites) {
            places.favorites = favorites->pos();
            places.favoritesOnTop = favorites->StaysOnTop();
        }
        if (preview)
            places.preview = preview->pos();
        return places;
    });
}
