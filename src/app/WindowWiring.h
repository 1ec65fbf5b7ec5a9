#pragma once

class TfrmFavorites;
class TfrmMain;
class TfrmPreview;

// Lets the main window keep the tool windows' places, and whether Favorites stays on top, with its own settings
// when it closes. A window that is gone by then is kept at its default place.
void KeepToolWindowPlaces(TfrmMain& main, const TfrmFavorites* favorites, const TfrmPreview* preview);
