#include "WindowWiring.h"

#include "favorites/TfrmFavorites.h"
#include "main/TfrmMain.h"
#include "platform/KeyboardFocus.h"
#include "platform/WindowPlacement.h"
#include "preview/TfrmPreview.h"

#include <QApplication>
#include <QPointer>
#include <QShortcut>

#include <algorithm>
#include <vector>

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

void CycleWindowsByKey(TfrmMain& main, TfrmFavorites* favorites, TfrmPreview* preview)
{
    const auto cycle = [windows = std::vector<QPointer<QWidget>> { &main, favorites, preview }](int step) {
        std::vector<QWidget*> open;
        for (const QPointer<QWidget>& window : windows) {
            if (window && window->isVisible())
                open.push_back(window);
        }
        const auto active = std::find(open.begin(), open.end(), QApplication::activeWindow());
        // Only from one of these windows: the picker and the dialogs keep their keys.
        if (active == open.end() || open.size() < 2)
            return;
        const auto size = static_cast<std::ptrdiff_t>(open.size());
        QWidget* next = open[static_cast<std::size_t>(((active - open.begin()) + step + size) % size)];
        MarkKeyboardActivation(next);
        next->raise();
        next->activateWindow();
    };
    const std::pair<QKeySequence, int> keys[] = { { QKeySequence(Qt::Key_F6), 1 },
        { QKeySequence(Qt::SHIFT | Qt::Key_F6), -1 } };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(key, &main);
        shortcut->setContext(Qt::ApplicationShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &main, [cycle, step] { cycle(step); });
    }
}
