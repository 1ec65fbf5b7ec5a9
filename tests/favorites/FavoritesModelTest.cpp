#include "favorites/FavoritesLayout.h"
#include "document/FavoritesModel.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace favlayout;

const ColorValue kRed = Pack(255, 0, 0);
const ColorValue kGreen = Pack(0, 255, 0);
const ColorValue kBlue = Pack(0, 0, 255);

// A model that counts its signals.
struct Watched {
    Watched()
    {
        QObject::connect(&model, &FavoritesModel::changed, [this] { ++changes; });
        QObject::connect(&model, &FavoritesModel::modified, [this] { ++modifications; });
    }

    std::vector<ColorValue> Colors() const
    {
        std::vector<ColorValue> colors;
        for (const TFavColor& fav : model.FavColors())
            colors.push_back(fav.Color);
        return colors;
    }

    // Red, green, blue at 0..2, nothing counted yet.
    void FillThree()
    {
        model.Replace({ TFavColor::FromColor(kRed), TFavColor::FromColor(kGreen), TFavColor::FromColor(kBlue) });
        changes = modifications = 0;
    }

    FavoritesModel model;
    int changes = 0;
    int modifications = 0;
};

TEST(FavoritesModel, StartsEmptyWithNothingSelected)
{
    FavoritesModel model;
    EXPECT_TRUE(model.IsEmpty());
    EXPECT_EQ(model.FavSelected(), -1);
    EXPECT_FALSE(model.HasSelection());
}

TEST(FavoritesModel, InsertFillsEveryFieldAndSelectsTheNewEntry)
{
    Watched w;
    w.model.InsertFavorite(0, Pack(10, 100, 200));
    ASSERT_EQ(w.model.Count(), 1);
    const TFavColor& fav = w.model.FavColors()[0];
    EXPECT_EQ(fav.Color, Pack(10, 100, 200));
    EXPECT_EQ(fav.R, 10);
    EXPECT_EQ(fav.G, 100);
    EXPECT_EQ(fav.B, 200);
    EXPECT_EQ(fav.Hex, "0A64C8");
    EXPECT_EQ(fav.Text, "#0A64C8");
    EXPECT_FALSE(fav.Expanded);
    EXPECT_EQ(w.model.FavSelected(), 0);
    EXPECT_EQ(w.model.SelectedFavoriteColor(), Pack(10, 100, 200));
    EXPECT_EQ(w.changes, 1);
    EXPECT_EQ(w.modifications, 1);

    // The same colour again is a second entry.
    w.model.InsertFavorite(1, Pack(10, 100, 200));
    EXPECT_EQ(w.model.Count(), 2);
    EXPECT_EQ(w.model.FavSelected(), 1);
}

TEST(FavoritesModel, InsertAtTheTopShiftsTheOthersDown)
{
    Watched w;
    w.FillThree();
    const ColorValue grey = Pack(128, 128, 128);
    w.model.InsertFavorite(0, grey);
    EXPECT_EQ(w.Colors(), (std::vector { grey, kRed, kGreen, kBlue }));
    EXPECT_EQ(w.model.FavSelected(), 0);
    w.model.InsertFavorite(4, grey); // below the last row
    EXPECT_EQ(w.Colors(), (std::vector { grey, kRed, kGreen, kBlue, grey }));
    EXPECT_EQ(w.model.FavSelected(), 4);
}

TEST(FavoritesModel, MoveCountsTheInsertionIndexBeforeTheMove)
{
    Watched w;
    w.FillThree();
    w.model.Select(0);
    w.model.MoveSelectedFavorite(3);
    EXPECT_EQ(w.Colors(), (std::vector { kGreen, kBlue, kRed }));
    EXPECT_EQ(w.model.FavSelected(), 2);

    w.model.MoveSelectedFavorite(0);
    EXPECT_EQ(w.Colors(), (std::vector { kRed, kGreen, kBlue }));
    EXPECT_EQ(w.model.FavSelected(), 0);

    w.model.Select(2);
    w.model.MoveSelectedFavorite(1);
    EXPECT_EQ(w.Colors(), (std::vector { kRed, kBlue, kGreen }));
    EXPECT_EQ(w.model.FavSelected(), 1);
    EXPECT_EQ(w.model.SelectedFavoriteColor(), kBlue);
}

TEST(FavoritesModel, MovingOntoItsOwnPlaceKeepsTheOrderButStillModifies)
{
    Watched w;
    w.FillThree();
    w.model.Select(1);
    for (int target : { 1, 2 }) {
        w.modifications = 0;
        w.model.MoveSelectedFavorite(target);
        EXPECT_EQ(w.Colors(), (std::vector { kRed, kGreen, kBlue })) << target;
        EXPECT_EQ(w.model.FavSelected(), 1) << target;
        EXPECT_EQ(w.modifications, 1) << target;
    }
}

TEST(FavoritesModel, DeleteSelectsTheFollowerOrElseThePredecessor)
{
    Watched w;
    w.FillThree();
    w.model.Select(2);
    w.model.DeleteSelectedFavorite();
    EXPECT_EQ(w.Colors(), (std::vector { kRed, kGreen }));
    EXPECT_EQ(w.model.FavSelected(), 1);
    EXPECT_EQ(w.modifications, 1);

    w.FillThree();
    w.model.Select(1);
    w.model.DeleteSelectedFavorite();
    EXPECT_EQ(w.Colors(), (std::vector { kRed, kBlue }));
    EXPECT_EQ(w.model.FavSelected(), 1);

    w.model.Replace({ TFavColor::FromColor(kRed) });
    w.model.DeleteSelectedFavorite();
    EXPECT_TRUE(w.model.IsEmpty());
    EXPECT_EQ(w.model.FavSelected(), -1);
}

TEST(FavoritesModel, CommandsWithoutASelectionChangeNothing)
{
    Watched w;
    w.model.DeleteSelectedFavorite();
    w.model.MakeSelectedWebsafe();
    w.model.MoveSelectedFavorite(0);
    EXPECT_TRUE(w.model.IsEmpty());
    EXPECT_EQ(w.changes, 0);
    EXPECT_EQ(w.modifications, 0);
}

TEST(FavoritesModel, WebsafeSnapsTheStoredChannelsAndRewritesTheTexts)
{
    Watched w;
    w.model.InsertFavorite(0, Pack(10, 100, 200));
    w.modifications = 0;
    w.model.MakeSelectedWebsafe();
    const TFavColor& fav = w.model.FavColors()[0];
    EXPECT_EQ(fav.Color, Pack(0, 102, 204));
    EXPECT_EQ(fav.R, 0);
    EXPECT_EQ(fav.G, 102);
    EXPECT_EQ(fav.B, 204);
    EXPECT_EQ(fav.Hex, "0066CC");
    EXPECT_EQ(fav.Text, "#0066CC");
    EXPECT_EQ(w.modifications, 1);

    // Already websafe: unchanged, yet the scheme counts as changed.
    w.model.MakeSelectedWebsafe();
    EXPECT_EQ(w.model.FavColors()[0].Color, Pack(0, 102, 204));
    EXPECT_EQ(w.modifications, 2);
}

TEST(FavoritesModel, WebsafeWorksFromTheChannelsAFileStored)
{
    // Old files may carry a text of their own and channels that disagree with the colour value.
    TFavColor stored = TFavColor::FromColor(Pack(1, 2, 3));
    stored.Text = "Color 1";
    stored.R = 250;
    Watched w;
    w.model.Replace({ stored });
    w.model.MakeSelectedWebsafe();
    EXPECT_EQ(w.model.FavColors()[0].Color, Pack(255, 0, 0));
    EXPECT_EQ(w.model.FavColors()[0].Text, "#FF0000");
}

TEST(FavoritesModel, ReplaceSelectsTheFirstEntryAndIsNoUserChange)
{
    Watched w;
    TFavColor loaded = TFavColor::FromColor(kGreen);
    loaded.Text = "Color 7";
    loaded.Expanded = true;
    w.model.Replace({ TFavColor::FromColor(kRed), loaded });
    EXPECT_EQ(w.model.FavSelected(), 0);
    EXPECT_EQ(w.model.FavColors()[1].Text, "Color 7");
    EXPECT_FALSE(w.model.FavColors()[1].Expanded);
    EXPECT_EQ(w.changes, 1);
    EXPECT_EQ(w.modifications, 0);

    w.model.Clear();
    EXPECT_TRUE(w.model.IsEmpty());
    EXPECT_EQ(w.model.FavSelected(), -1);
    EXPECT_EQ(w.modifications, 0);
}

TEST(FavoritesLayout, RowsAndInsertionPoints)
{
    EXPECT_EQ(FavRowAt(0, 3), 0);
    EXPECT_EQ(FavRowAt(41, 3), 0);
    EXPECT_EQ(FavRowAt(42, 3), 1);
    EXPECT_EQ(FavRowAt(125, 3), 2);
    EXPECT_EQ(FavRowAt(126, 3), -1);
    EXPECT_EQ(FavRowAt(0, 0), -1);

    // The midpoint line inserts before its row; just below it, after.
    EXPECT_EQ(FavInsertionIndex(0, 3), 0);
    EXPECT_EQ(FavInsertionIndex(21, 3), 0);
    EXPECT_EQ(FavInsertionIndex(22, 3), 1);
    EXPECT_EQ(FavInsertionIndex(63, 3), 1);
    EXPECT_EQ(FavInsertionIndex(64, 3), 2);
    EXPECT_EQ(FavInsertionIndex(106, 3), 3);
    EXPECT_EQ(FavInsertionIndex(1000, 3), 3);
    EXPECT_EQ(FavInsertionIndex(5, 0), 0);

    EXPECT_EQ(FirstVisibleRow(0), 0);
    EXPECT_EQ(FirstVisibleRow(20), 0);
    EXPECT_EQ(FirstVisibleRow(42), 0);
    EXPECT_EQ(FirstVisibleRow(43), 1);
    EXPECT_EQ(FirstVisibleRow(42 * 65534), 65533);
}

} // namespace
