// The Window page's rules: storable choices, the faces listed and the one selected; the sheet's pages.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "settings/pagecontrols.h"
#include "settings/propsheet.h"
#include "settings/windowpage.h"

namespace {

// Neither CB_ERR nor a face with no room for its NUL is ever stored; only scalable horizontal faces
// (not raster, not device-only, no "@") are listed.
TEST(WindowPageChoices, NoSelectionOverlongFacesAndUnlistableFacesAreRefused)
{
    EXPECT_TRUE(!IsListChoice(-1, 5) && !IsListChoice(5, 5));
    EXPECT_TRUE(FitsFaceField(255) && !FitsFaceField(256) && !FitsFaceField(0));
    EXPECT_TRUE(IsListedFace(4, "ＭＳ ゴシック") && IsListedFace(4 | 2, "Arial"));
    EXPECT_FALSE(IsListedFace(4, "@ＭＳ ゴシック") || IsListedFace(1, "System") || IsListedFace(2, "Courier") ||
                 IsListedFace(4, ""));
}

TEST(FontList, TheStoredFaceItselfWinsOverLongerNamesThenAPrefixThenItemZero)
{
    const std::vector<const char *> sorted = {"Arial", "Arial Black", "Courier New", "ＭＳ ゴシック", "ＭＳ Ｐゴシック"};
    const std::vector<const char *> wrapped = {"Arial Black", "Courier New"};
    // 0x83 0x41 and 0x83 0x61: the trail bytes differ only as 'A' and 'a' do.
    const std::vector<const char *> kana = {"ア", "ヂ"};
    const struct { const std::vector<const char *> *items; const char *face; int expected; } cases[] = {
        {&sorted, "Arial", 0},  // a prefix search from item 1 would pick "Arial Black"
        {&sorted, "arial black", 1}, {&sorted, "Courier", 2}, {&sorted, "ＭＳ Ｐゴシック", 4}, {&sorted, "ＭＳ", 3},
        {&sorted, "Times New Roman", 0},
        {&wrapped, "Arial", 0},  // the prefix search wraps round to item 0
        {&kana, "ヂ", 1}, {&kana, "ア", 0},
        {&kana, "\x83", 0},  // a lone lead byte matches nothing and reads nothing beyond
    };
    for (const auto &c : cases) {
        const auto text = [&](int i) { return (*c.items)[i]; };
        EXPECT_EQ(FindFontItem(static_cast<int>(c.items->size()), text, c.face), c.expected) << c.face;
    }
    EXPECT_EQ(FindFontItem(0, [](int) { return ""; }, "Arial"), 0);
}

TEST(SheetPages, APageThatCannotBeMadeTakesTheOthersWithIt)
{
    for (int failing = 0; failing <= 3; ++failing) {
        std::vector<int> destroyed;
        int pages[3] = {};
        const bool made = CreateAllOrNone(
            pages, 3, [&](int i) { return i == failing ? 0 : 10 + i; }, [&](int h) { destroyed.push_back(h); });
        EXPECT_EQ(made, failing == 3);
        const std::vector<int> expected[] = {{}, {10}, {11, 10}, {}};
        EXPECT_EQ(destroyed, expected[failing]) << failing;
    }
}

}  // namespace
