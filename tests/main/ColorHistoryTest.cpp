#include "document/ColorHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A walk through the history: each step is a colour to add ('a'..'z' stand for colours 1..26), '<' for Back,
// '>' for Forward, or a digit to select that entry.
struct Walk {
    const char* steps;
    std::vector<ColorValue> entries;
    int selected;
    bool back;
    bool forward;
};

ColorHistory Walked(const char* steps)
{
    ColorHistory history;
    for (const char* step = steps; *step; ++step) {
        if (*step == '<')
            history.Back();
        else if (*step == '>')
            history.Forward();
        else if (*step >= '0' && *step <= '9')
            history.Select(*step - '0');
        else
            history.Add(static_cast<ColorValue>(*step - 'a' + 1));
    }
    return history;
}

TEST(ColorHistory, WalksAsABrowserDoes)
{
    const Walk walks[] = {
        { "", {}, -1, false, false },
        { "a", { 1 }, 0, false, false },
        { "abc", { 1, 2, 3 }, 2, true, false },
        { "abc<<", { 1, 2, 3 }, 0, false, true },
        { "abc<<<", { 1, 2, 3 }, 0, false, true },        // Back at the first entry stays there
        { "abc<<>", { 1, 2, 3 }, 1, true, true },
        { "abc>", { 1, 2, 3 }, 2, true, false },          // Forward at the newest stays there
        { "abc<<d", { 1, 4 }, 1, true, false },           // a new colour drops what followed the selection
        { "abc1d", { 1, 2, 4 }, 2, true, false },
        { "abc0", { 1, 2, 3 }, 0, false, true },
        { "abc9", { 1, 2, 3 }, 2, true, false },          // no such entry: nothing changes
        { "aba", { 1, 2, 1 }, 2, true, false },           // a colour may come back later in the list
        { "<>0a", { 1 }, 0, false, false },               // steps on an empty history do nothing
    };
    for (const Walk& walk : walks) {
        SCOPED_TRACE(walk.steps);
        const ColorHistory history = Walked(walk.steps);
        std::vector<ColorValue> entries;
        for (int i = 0; i < history.Count(); ++i)
            entries.push_back(history.At(i));
        EXPECT_EQ(entries, walk.entries);
        EXPECT_EQ(history.Index(), walk.selected);
        EXPECT_EQ(history.CanGoBack(), walk.back);
        EXPECT_EQ(history.CanGoForward(), walk.forward);
        if (walk.selected >= 0) {
            EXPECT_EQ(history.Selected(), walk.entries[static_cast<std::size_t>(walk.selected)]);
        }
    }
}

TEST(ColorHistory, MovesReportWhetherTheyMoved)
{
    ColorHistory history = Walked("ab");
    EXPECT_FALSE(history.Forward());
    EXPECT_TRUE(history.Back());
    EXPECT_FALSE(history.Back());
    EXPECT_FALSE(history.Select(-1));
    EXPECT_TRUE(history.Select(1));
    EXPECT_EQ(history.Add(3), 2);
}

} // namespace
