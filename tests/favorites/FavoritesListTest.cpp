#include "favorites/FavoritesList.h"
#include "platform/Canvas.h"
#include "support/Density.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

FavColorList Favorites(std::initializer_list<ColorValue> colors)
{
    FavColorList list;
    for (ColorValue c : colors)
        list.push_back(TFavColor::FromColor(c));
    return list;
}

// A list as the window builds it above a 316-pixel main window: 114 wide, 291 high, about seven rows in view.
struct ListOnItsOwn {
    ListOnItsOwn() { list.resize(114, 291); }
    FavoritesModel model;
    FavoritesList list { model, nullptr };
};

TEST(FavoritesList, PointsMeetRowsAndInsertionPointsThroughTheScrollOffset)
{
    ListOnItsOwn scene;
    FavColorList twenty;
    for (int i = 0; i < 20; ++i)
        twenty.push_back(TFavColor::FromColor(Pack(i, 0, 0)));
    scene.model.Replace(twenty);
    const int last = 42 * 20 - 291 + 1; // the content's end, with one pixel line below it
    EXPECT_EQ(scene.list.MaxPosition(), last);
    struct Case {
        int position, y, row, insertion;
    };
    const Case cases[] = {
        { 0, 41, 0, 1 },
        { 20, 0, 0, 0 },
        { 20, 1, 0, 0 },  // content y 21, row 0's midpoint line: still its upper half
        { 20, 2, 0, 1 },
        { 20, 22, 1, 1 }, // the second row starts 20 pixels higher
        { 42, 0, 1, 1 },
        { last, 289, 19, 20 },
        { last, 290, -1, 20 }, // the line below the last row
    };
    for (const Case& c : cases) {
        scene.list.SetPosition(c.position);
        EXPECT_EQ(scene.list.RowAt(c.y), c.row) << c.position << " " << c.y;
        EXPECT_EQ(scene.list.InsertionIndexAt(c.y), c.insertion) << c.position << " " << c.y;
    }

    // Nothing to scroll while the rows fit: six rows of 42 in 291 pixels, or none.
    scene.model.Replace(FavColorList(twenty.begin(), twenty.begin() + 6));
    EXPECT_EQ(scene.list.MaxPosition(), 0);
    scene.model.Clear();
    EXPECT_EQ(scene.list.MaxPosition(), 0);
    EXPECT_EQ(scene.list.RowAt(0), -1);
    EXPECT_EQ(scene.list.InsertionIndexAt(100), 0);
}

TEST(FavoritesList, EveryChangeIsShownWithoutBeingAskedFor)
{
    ListOnItsOwn scene;
    FavoritesModel& model = scene.model;
    const ColorValue a = Pack(200, 30, 30), b = Pack(30, 200, 30), c = Pack(30, 30, 200), d = Pack(90, 90, 90);
    struct Step {
        const char* what;
        std::function<void()> change;
        QPoint at;
        QRgb shown;
    };
    const Step steps[] = {
        { "filled", [&] { model.Replace(Favorites({ a, b, c })); }, { 20, 20 }, canvas::ToRgb(a) },
        { "selected", [&] { model.Select(1); }, { 1, 42 + 20 }, canvas::Highlight() },
        { "scrolled", [&] { scene.list.SetPosition(42); }, { 20, 20 }, canvas::ToRgb(b) },
        { "inserted above", [&] { model.InsertFavorite(0, d); }, { 20, 20 }, canvas::ToRgb(a) },
        { "moved", [&] { model.MoveSelectedFavorite(4); }, { 20, 84 + 20 }, canvas::ToRgb(d) },
        { "deleted", [&] { model.DeleteSelectedFavorite(); }, { 20, 84 + 20 }, canvas::ButtonFace() },
        { "made websafe", [&] { model.MakeSelectedWebsafe(); }, { 20, 42 + 20 }, canvas::ToRgb(Pack(51, 51, 204)) },
        // The insertion line's black edge over row 1's white bottom line, until the list is drawn again.
        { "marker shown", [&] { scene.list.ShowDropMarker(42 + 21, true); }, { 60, 41 }, qRgb(0, 0, 0) },
        { "marker taken away", [&] { scene.list.Redraw(); }, { 60, 41 }, qRgb(255, 255, 255) },
    };
    for (const Step& step : steps) {
        step.change();
        EXPECT_EQ(scene.list.PixelAt(step.at), step.shown) << step.what;
    }
}

} // namespace

TEST(FavoritesList, RowsAreDrawnAtTheScreensDetailNotEnlarged)
{
    ListOnItsOwn scene;
    scene.model.Replace(Favorites({ Pack(200, 40, 10), Pack(51, 102, 153), Pack(12, 34, 56) }));
    scene.model.Select(1);
    const QImage plain = density::RenderedAt(&scene.list, 1);
    // The texts of the first row (its "#RRGGBB" and "R.G.B") on the face colour.
    const QRect texts(43, 9, 60, 24);
    for (const qreal ratio : density::kRatios) {
        SCOPED_TRACE(ratio);
        const QImage dense = density::RenderedAt(&scene.list, ratio);
        const QImage stretched = density::Enlarged(plain, ratio);
        const QRect area = density::DeviceRect(texts, ratio);
        EXPECT_GT(density::DifferingPixels(dense, stretched, area), area.width() * area.height() / 10)
            << "the texts are drawn anew at the ratio, not blown up";
        if (ratio == 2) {
            EXPECT_EQ(density::FlatBlockShare(stretched, area, canvas::ButtonFace()), 1.0);
            EXPECT_LT(density::FlatBlockShare(dense, area, canvas::ButtonFace()), 0.5);
        }
        // Each row's colour square is its colour at every device pixel, inside its frame; the selected row's
        // highlight is flat around it.
        EXPECT_FALSE(density::FirstOffColour(dense, density::DeviceRect({ 5, 5, 30, 30 }, ratio), qRgb(200, 40, 10)));
        EXPECT_FALSE(density::FirstOffColour(dense, density::DeviceRect({ 5, 42 + 5, 30, 30 }, ratio), qRgb(51, 102, 153)));
        EXPECT_FALSE(density::FirstOffColour(dense, density::DeviceRect({ 0, 42, 3, 40 }, ratio), canvas::Highlight()));
        // The line under each row is whole device pixels: white under the first, the shadow under the last.
        EXPECT_FALSE(density::FirstOffColour(dense, density::DeviceRect({ 0, 41, 114, 1 }, ratio), qRgb(255, 255, 255)));
        EXPECT_FALSE(density::FirstOffColour(dense, density::DeviceRect({ 0, 125, 114, 1 }, ratio), canvas::ButtonShadow()));
    }
}
