#include "favorites/FavoritesList.h"
#include "favorites/TfrmFavorites.h"
#include "main/TfrmMain.h"
#include "persist/AppPaths.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A main window and its Favorites window holding `count` favourites, scrolled to the middle of the list.
struct FavoritesScene {
    explicit FavoritesScene(int count)
    {
        SetAppFolderForTesting(folder.path());
        FavColorList colors;
        colors.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            colors.push_back(TFavColor::FromColor(static_cast<ColorValue>(i * 2654435761u) & 0xFFFFFF));
        favorites.Model().Replace(std::move(colors));
        favorites.Model().Select(count / 2);
        auto* bar = favorites.findChild<QScrollBar*>(QStringLiteral("sbFavs"));
        bar->setValue(bar->maximum() / 2);
    }
    ~FavoritesScene() { SetAppFolderForTesting(QString()); }

    QTemporaryDir folder;
    TfrmMain main;
    TfrmFavorites favorites { main };
    FavoritesList& list = *favorites.findChild<FavoritesList*>(QStringLiteral("pbFavs"));
};

// The whole list repainted; the cost must not depend on the number of favourites.
void BM_PaintFavorites(benchmark::State& state)
{
    FavoritesScene scene(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        scene.list.Redraw();
        benchmark::DoNotOptimize(scene.list.Surface().constBits());
    }
}
BENCHMARK(BM_PaintFavorites)->Arg(10)->Arg(65535)->Unit(benchmark::kMicrosecond);

// One pointer movement of a drag over the list: repaint, auto-scroll test, focus rectangle and insertion line.
void BM_FavoritesDragOver(benchmark::State& state)
{
    FavoritesScene scene(static_cast<int>(state.range(0)));
    DropTarget& target = scene.favorites;
    int y = 30;
    for (auto _ : state) {
        y = y == 30 ? 140 : 30;
        benchmark::DoNotOptimize(target.DragOver(&scene.list, QPoint(50, y)));
    }
}
BENCHMARK(BM_FavoritesDragOver)->Arg(65535)->Unit(benchmark::kMicrosecond);

} // namespace
