#pragma once

class TfrmFavorites;
class TfrmMain;
class TfrmPreview;

// Lets the main window keep the tool windows' places, and whether Favorites stays on top, with its own settings
// when it closes. A window that is gone by then is kept at its default place.
void KeepToolWindowPlaces(TfrmMain& main, const TfrmFavorites* favorites, const TfrmPreview* preview);

// F6 moves the keyboard to the next of the program's open windows (main, Favorites, QuickPreview) and Shift+F6 back,
// without the window manager's help.
void CycleWindowsByKey(TfrmMain& main, TfrmFavorites* favorites, TfrmPreview* preview);
