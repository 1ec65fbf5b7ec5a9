#pragma once

#include "document/FavoritesModel.h"
#include "main/CopyMenu.h"
#include "platform/DragManager.h"

#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>

class FavoritesList;
class QAction;
class QKeyEvent;
class QMenu;
class QMouseEvent;
class QScrollBar;
class QTimer;
class QToolButton;
class TfrmMain;

// The Favorites tool window around its list (FavoritesList, which draws itself): the scroll bar, the tool bar and
// pop-up menu, drag and drop into, within and out of the list, and docking to the main window's right edge.
// Its controls are its own; tests find them by their object names.
class TfrmFavorites final : public QWidget, public DropTarget {
    Q_OBJECT
public:
    // Built after the main window, whose size and place it takes its own from.
    explicit TfrmFavorites(TfrmMain& main);
    ~TfrmFavorites() override;

    FavoritesModel& Model() { return m_model; }
    const FavoritesModel& Model() const { return m_model; }

    // The drag's auto-scroll runs on its own timer, beyond the drag's end.
    bool AutoScrolling() const;
    // The user asked for the window to stay above the others.
    bool StaysOnTop() const;

protected:
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class DeleteButtonTarget;

    void CreateCommands();
    void CreateControls(int clientHeight);
    void CreateMenus();
    void FormCreate();
    // The favourites of the last session, when there is one.
    void LoadFavoritesSession();

    // The list's keys: moving the selection, choosing, deleting, moving, copying and pasting a favourite.
    void SetUpListKeys();
    bool ListKey(QKeyEvent* event);
    // Scrolls the list so the selected row shows whole.
    void ScrollToSelected();
    // A new favourite after the selected one, or at the end, selected and in view.
    void AddFavorite(int index, ColorValue color);

    void UpdateFavScrollRange();
    void UpdateToolButtons();

    void pbFavsMouseDown(QMouseEvent* event);
    void pbFavsDblClick();
    bool DragOver(QWidget* source, QPoint pos) override;
    void DragDrop(QWidget* source, QPoint pos) override;
    void DragTimerTimer();

    void tbOnTopClick();
    void tbCopyClick();
    CopyTexts SelectedCopyTexts() const;
    std::optional<ColorValue> SelectedCopyColor() const;
    void DeleteSelectedClick();
    void MainWindowMoved();
    // Puts the frame against the main window's right edge, to the device pixel.
    void DockToMainWindow();

    TfrmMain& m_main;
    FavoritesModel m_model;

    // Controls, named as the rest of the program and the tests know them.
    FavoritesList* pbFavs = nullptr;
    QScrollBar* sbFavs = nullptr;
    QWidget* tlbFavs = nullptr;
    QToolButton* tbOnTop = nullptr;
    QToolButton* tbCopy = nullptr;
    QToolButton* tbFavWebsafe = nullptr;
    QToolButton* tbDelete = nullptr;
    QMenu* mnuFavPop = nullptr;
    QMenu* mnuFavPopCopy = nullptr;
    // Make Websafe and Delete are each one command for the pop-up entry and the tool button.
    QAction* mnuFavPopWebsafe = nullptr;
    QAction* mnuFavPopSetBase = nullptr;
    QAction* mnuFavPopDelete = nullptr;

    int m_mouseDownY = 0;
    bool m_favScrollUp = false;
    int m_wheelDelta = 0; // part of a wheel notch, from fine-grained wheels and touchpads
    QTimer* m_dragTimer = nullptr;
    std::function<void()> m_fillCopyEntries;
    // The main window's outer rectangle as last seen, so a move can be judged from where it started.
    QRect m_mainFrame;
    std::unique_ptr<DeleteButtonTarget> m_deleteTarget;
};
