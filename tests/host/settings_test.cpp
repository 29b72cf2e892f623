// Defaults, the field table, stored-string termination and the mend of hostile values.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>

#include "settings/settings.h"

namespace {

std::string Hex(const char *psz)
{
    std::string out;
    char hex[4];
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(psz); *p; ++p) {
        std::snprintf(hex, sizeof(hex), "%s%02X", out.empty() ? "" : " ", *p);
        out += hex;
    }
    return out;
}

TEST(Encoding, NarrowLiteralsAreShiftJis)
{
    EXPECT_EQ(Hex("タイマが取得できません"), "83 5E 83 43 83 7D 82 AA 8E E6 93 BE 82 C5 82 AB 82 DC 82 B9 82 F1");
    EXPECT_EQ(Hex(kDefaultFontFace), "82 6C 82 72 20 83 53 83 56 83 62 83 4E");
    EXPECT_EQ(Hex("表示ソ"), "95 5C 8E A6 83 5C");  // 0x5C trail bytes survive
}

TEST(SettingsTable, FieldsFollowOneAnotherInStoreOrder)
{
    size_t offset = 0;
    for (const SettingField &field : SettingFields) {
        EXPECT_EQ(field.offset, offset) << field.pszName;
        EXPECT_EQ(field.cbSize, field.kind == kSettingString ? field.cbSize : 4u) << field.pszName;
        offset += field.cbSize;
    }
    EXPECT_EQ(offset, sizeof(SettingsRecord)) << "every field has its row";
    EXPECT_STREQ(SettingFields[0].pszName, "nWindowX");
    EXPECT_STREQ(SettingFields[kRecordFieldCount - 1].pszName, "nMinuteOld");
    EXPECT_STREQ(SettingFields[kRecordFieldCount].pszName, "bHolidayLaw") << "the options beside come after the 28";
}

TEST(SettingsDefaults, EveryFieldZeroButTheListedOnes)
{
    EXPECT_STREQ(TextFaceFor("@ＭＳ ゴシック"), kDefaultFontFace) << "a vertical face would draw sideways";
    SettingsRecord rec, expected = {};
    std::memset(&rec, 0x5A, sizeof(rec));
    SetDefaultSettings(&rec);
    expected.bStatus = 1;
    expected.nCalendarPos = 3;
    expected.nTransparentCal = 40;
    expected.bChara0 = expected.bChara1 = expected.bChara2 = 1;
    expected.bHolidayLaw = expected.bLunarRokuyo = 1;
    std::strcpy(expected.szFont, kDefaultFontFace);
    EXPECT_EQ(std::memcmp(&rec, &expected, sizeof(rec)), 0);
}

TEST(StoredString, TerminatedInsideTheBufferAfterItsLastWholeCharacter)
{
    // Into 8 bytes; あ is 82 A0 and 表 95 5C. A cut or a NUL that parts a lead byte from its
    // second byte drops the lead byte.
    const struct { const char *pszRead; size_t cbRead; const char *pszKept; } cases[] = {
        {"", 0, ""},
        {"abc", 3, "abc"},                      // no NUL
        {"abc\0def", 8, "abc"},                // its own NUL
        {"abcdefgh", 8, "abcdefg"},             // full, no NUL: one byte goes
        {"abcde\x82\xA0x", 8, "abcde\x82\xA0"},  // the cut falls after a whole character
        {"abcdef\x82\xA0", 8, "abcdef"},        // the cut parts あ
        {"ab\x82", 3, "ab"},                    // a lone lead byte at the end, no NUL
        {"ab\x82\0", 4, "ab"},                  // and before the NUL
        {"\x95\x5C\x95\x5C", 4, "\x95\x5C\x95\x5C"},  // 0x5C is a second byte here
    };
    for (const auto &c : cases) {
        char buffer[8];
        std::memset(buffer, 'x', sizeof(buffer));
        std::memcpy(buffer, c.pszRead, c.cbRead);
        TerminateStoredString(buffer, sizeof(buffer), c.cbRead);
        EXPECT_EQ(Hex(buffer), Hex(c.pszKept)) << Hex(c.pszRead);
    }
}

TEST(MendSettings, OutOfRangeValuesComeIntoRangeAndNothingElseMoves)
{
    struct Case {
        int32_t SettingsRecord::*field;
        int32_t stored, expected;
    } cases[] = {
        {&SettingsRecord::nTransparent, -1, 0},        {&SettingsRecord::nTransparent, 101, 100},
        {&SettingsRecord::nTransparent, INT32_MIN, 0}, {&SettingsRecord::nTransparentCal, 250, 100},
        {&SettingsRecord::nTransparentCal, 0, 0},      {&SettingsRecord::nWindowPos, 5, 0},
        {&SettingsRecord::nWindowPos, 4, 4},           {&SettingsRecord::nCalendarPos, -2, 3},
        {&SettingsRecord::nCalendarPos, 0, 0},         {&SettingsRecord::nChangeTiming, 14, 13},
        {&SettingsRecord::nChangeTiming, 12, 12},      {&SettingsRecord::nDrawChara, -1, 2},
        {&SettingsRecord::nDrawChara, 5, 2},           {&SettingsRecord::nDrawChara, INT32_MIN, 1},
        {&SettingsRecord::nHourOld, 24, 23},           {&SettingsRecord::nHourOld, -5, 0},
        {&SettingsRecord::nMinuteOld, 60, 59},         {&SettingsRecord::nMinuteOld, 59, 59},
        {&SettingsRecord::nWindowX, -500, -500},       {&SettingsRecord::bTopMost, 7, 1},
        {&SettingsRecord::bChara1, INT32_MIN, 1},      {&SettingsRecord::bStatus, 0, 0},
        {&SettingsRecord::bHolidayLaw, 2, 1},          {&SettingsRecord::bLunarRokuyo, 0, 0},
        {&SettingsRecord::nFadeOnHover, 5, 10},        {&SettingsRecord::nFadeOnHover, 95, 90},
        {&SettingsRecord::nFadeOnHover, 100, 90},      {&SettingsRecord::nFadeOnHover, 101, 0},
        {&SettingsRecord::nFadeOnHover, -1, 0},        {&SettingsRecord::nFadeOnHover, 10, 10},
        {&SettingsRecord::bClickThrough, 2, 0},        {&SettingsRecord::bHideFullScreen, -1, 0},
        {&SettingsRecord::bStrikeHours, 2, 0},         {&SettingsRecord::bSignalBalloon, 1, 1},
    };
    for (const Case &c : cases) {
        SettingsRecord rec;
        SetDefaultSettings(&rec);
        rec.*c.field = c.stored;
        SettingsRecord expected = rec;
        expected.*c.field = c.expected;
        MendSettings(&rec);
        EXPECT_EQ(std::memcmp(&rec, &expected, sizeof(rec)), 0) << "stored " << c.stored;
    }
}

// Rules across fields: quiet hours with an end out of range are none (22 to 99 must not become
// 22 to 0), and hidden for a full-screen window a gadget without its tray icon could not be reached.
TEST(MendSettings, TheRulesAcrossFieldsQuietHoursAndTheWayBack)
{
    const struct { int32_t from, to, bNoIcon, bHide, fromAfter, toAfter, bHideAfter; } cases[] = {
        {22, 7, 0, 0, 22, 7, 0},  {0, 23, 0, 0, 0, 23, 0},  {22, 24, 0, 0, 0, 0, 0}, {-1, 7, 0, 0, 0, 0, 0},
        {INT32_MIN, INT32_MAX, 0, 0, 0, 0, 0},              {0, 0, 1, 1, 0, 0, 0},   {0, 0, 0, 1, 0, 0, 1},
    };
    for (const auto &c : cases) {
        SettingsRecord rec;
        SetDefaultSettings(&rec);
        rec.nQuietFrom = c.from, rec.nQuietTo = c.to, rec.bTaskTrayNoIcon = c.bNoIcon, rec.bHideFullScreen = c.bHide;
        MendSettings(&rec);
        EXPECT_EQ(std::tuple(rec.nQuietFrom, rec.nQuietTo, rec.bHideFullScreen),
                  std::tuple(c.fromAfter, c.toAfter, c.bHideAfter)) << &c - cases;
    }
}

// The page opens, closes or moves, or the display scale changes: the character stays on screen.
TEST(KeepCharacterInPlace, TheOriginMovesByThePanelsOffsetBeforeMinusAfter)
{
    struct Case { int32_t statusBefore, posBefore, status, pos, scaleBefore, scale, x, y, xAfter, yAfter; } cases[] = {
        {1, 3, 1, 0, 1, 1, 300, 400, 420, 240},  // left to above: the window grows upwards, the character stays
        {1, 0, 1, 3, 1, 1, 420, 240, 300, 400},
        {1, 1, 1, 2, 1, 1, 300, 400, 300, 400},  // right and below start at the character
        {1, 7, 1, 0, 1, 1, 300, 400, 420, 240},  // an unknown code is laid out, and moves, as 3
        {0, 3, 0, 0, 1, 1, 300, 400, 300, 400},  // with the page hidden nothing moves
        {1, 3, 1, 0, 2, 2, 300, 400, 540, 80},   // at 2x by twice as far
        {1, 3, 1, 3, 1, 2, 300, 400, 180, 400},  // the scale alone: from 1x to 2x, the page on the left doubles
        {1, 0, 1, 0, 2, 1, 300, 80, 300, 240},
        {1, 1, 1, 0, 1, 1, 0, INT32_MIN, 0, INT32_MAX - 159},  // wraps instead of overflowing
    };
    for (const Case &c : cases) {
        SettingsRecord rec;
        SetDefaultSettings(&rec);
        rec.bStatus = c.status, rec.nCalendarPos = c.pos, rec.nWindowX = c.x, rec.nWindowY = c.y;
        KeepCharacterInPlace(&rec, LayoutPanels(c.statusBefore, c.posBefore), c.scaleBefore, c.scale);
        EXPECT_EQ(rec.nWindowX, c.xAfter) << &c - cases;
        EXPECT_EQ(rec.nWindowY, c.yAfter) << &c - cases;
    }
}

}  // namespace
