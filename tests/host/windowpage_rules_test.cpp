// The Window page's rules: the calendar shift, storable choices, the faces listed and the one selected.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "settings/propsheet_rules.h"
#include "settings/settings.h"
#include "settings/windowpage_rules.h"

namespace {

TEST(MoveCalendarPage, ShownPageMovesAroundTheCharacterHiddenPageMovesNothing)
{
    // {bStatus, old position, new position, x, y, x and y afterwards}
    const int32_t cases[][7] = {
        {1, 3, 0, 300, 400, 420, 240},  // left to above: the window grows upwards, the character stays
        {1, 0, 3, 420, 240, 300, 400},
        {1, 1, 2, 300, 400, 300, 400}, {1, 2, 1, 300, 400, 300, 400},  // right and below start at the character
        {1, 3, 3, 300, 400, 300, 400},
        {1, 7, 0, 300, 400, 300, 240},  // an old value outside the list shifts nothing back
        {0, 3, 0, 300, 400, 300, 400}, {0, 0, 3, 300, 400, 300, 400},
        {1, 1, 0, 0, INT32_MIN, 0, INT32_MAX - 159},  // wraps instead of overflowing
    };
    for (const auto &c : cases) {
        SettingsRecord rec;
        SetDefaultSettings(&rec);
        rec.bStatus = c[0], rec.nCalendarPos = c[1], rec.nWindowX = c[3], rec.nWindowY = c[4];
        MoveCalendarPage(&rec, c[2]);
        EXPECT_EQ(rec.nCalendarPos, c[2]);
        EXPECT_EQ(rec.nWindowX, c[5]) << c[0] << " " << c[1] << "->" << c[2];
        EXPECT_EQ(rec.nWindowY, c[6]) << c[0] << " " << c[1] << "->" << c[2];
    }
}

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
