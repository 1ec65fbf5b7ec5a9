#include "WindowWiring.h"

#include "favorites/TfrmFavorites.h"
#include "main/TfrmMain.h"
#include "platform/WindowPlacement.h"
#include "preview/TfrmPreview.h"

#include <QPointer>

void KeepToolWindowPlaces(TfrmMain& main, const TfrmFavorites* favorites, const TfrmPreview* preview)
{
    main.SetToolWindowPlaces([favorites = QPointer<const TfrmFavorites>(favorites),
                                 preview = QPointer<const TfrmPreview>(preview)] {
        ToolWindowPlaces places;
        if (favorites) {
            places.favorites = LogicalPlace(DeviceFrame(*favorites).topLeft(), favorites->devicePixelRatioF());
            places.favoritesOnTop = favorites->StaysOnTop();
        }
        if (preview)
            places.preview = LogicalPlace(DeviceFrame(*preview).topLeft(), preview->devicePixelRatioF());
        return places;
    });
}
