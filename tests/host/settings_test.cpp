// Defaults, the field table, stored-string termination and the mend of hostile values.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/settings.h"

namespace {

std::string Bytes(const char *psz)
{
    std::string out;
    char hex[4];
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(psz); *p; ++p) {
        std::snprintf(hex, sizeof(hex), "%02X ", *p);
        out += hex;
    }
    if (!out.empty())
        out.pop_back();
    return out;
}

TEST(Encoding, NarrowLiteralsAreShiftJis)
{
    EXPECT_EQ(Bytes("タイマが取得できません"),
              "83 5E 83 43 83 7D 82 AA 8E E6 93 BE 82 C5 82 AB 82 DC 82 B9 82 F1");
    EXPECT_EQ(Bytes(kDefaultFontFace), "82 6C 82 72 20 83 53 83 56 83 62 83 4E");
    // 0x5C as a trail byte must survive: "表示" and "ソ".
    EXPECT_EQ(Bytes("表示ソ"), "95 5C 8E A6 83 5C");
}

TEST(SettingsTable, FieldsInStoreOrderWithTheirWidths)
{
    const char *names[kSettingFieldCount] = {
        "nWindowX", "nWindowY", "bStatus", "nDrawChara", "szCurrentWave", "bTopMost",
        "bAwayTaskBar", "bTaskTrayNoIcon", "bFix", "nWindowPos", "nCalendarPos", "szFont",
        "b24", "bSecond", "b6", "bAlarm", "bAlarm30", "szWave", "szWave30",
        "nTransparentCal", "bChara0", "bChara1", "bChara2", "nChangeTiming", "bRandom",
        "nTransparent", "nHourOld", "nMinuteOld"};
    size_t total = 0;
    for (int i = 0; i < kSettingFieldCount; ++i) {
        EXPECT_STREQ(SettingFields[i].pszName, names[i]);
        EXPECT_EQ(SettingFields[i].offset, total) << names[i];
        total += SettingFields[i].cbSize;
    }
    EXPECT_EQ(total, sizeof(SettingsRecord));
    EXPECT_EQ(SettingFields[4].cbSize, 260u);
    EXPECT_EQ(SettingFields[11].cbSize, 256u);
}

TEST(SettingsDefaults, EveryFieldZeroButTheListedOnes)
{
    SettingsRecord rec;
    std::memset(&rec, 0x5A, sizeof(rec));
    SetDefaultSettings(&rec);
    SettingsRecord expected;
    std::memset(&expected, 0, sizeof(expected));
    expected.bStatus = 1;
    expected.nCalendarPos = 3;
    expected.nTransparentCal = 40;
    expected.bChara0 = expected.bChara1 = expected.bChara2 = 1;
    std::memcpy(expected.szFont, "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E", 13);
    EXPECT_EQ(std::memcmp(&rec, &expected, sizeof(rec)), 0);
}

TEST(StoredString, AlwaysTerminatedInsideTheBuffer)
{
    struct Case {
        size_t cbRead;
        size_t expectedLength;
    } cases[] = {
        {0, 0},      // empty value
        {3, 3},      // "abc" stored without its NUL
        {4, 3},      // "abc" with its NUL
        {255, 255},  // 255 characters, no NUL
        {256, 255},  // a full buffer without NUL loses its last byte
    };
    for (const Case &c : cases) {
        char buffer[256];
        std::memset(buffer, 'x', sizeof(buffer));
        if (c.cbRead == 4)
            buffer[3] = '\0';
        TerminateStoredString(buffer, sizeof(buffer), c.cbRead);
        EXPECT_EQ(std::strlen(buffer), c.expectedLength) << "read " << c.cbRead;
    }
}

TEST(MendSettings, OutOfRangeValuesComeIntoRange)
{
    struct Case {
        const char *pszField;
        int32_t stored;
        int32_t expected;
    } cases[] = {
        {"nTransparent", -1, 0},      {"nTransparent", 101, 100},
        {"nTransparent", 100, 100},   {"nTransparent", INT32_MIN, 0},
        {"nTransparentCal", 250, 100}, {"nTransparentCal", -40, 0},
        {"nTransparentCal", 0, 0},    {"nWindowPos", 5, 0},
        {"nWindowPos", -1, 0},        {"nWindowPos", 4, 4},
        {"nCalendarPos", 4, 3},       {"nCalendarPos", -2, 3},
        {"nCalendarPos", 0, 0},       {"nChangeTiming", 14, 13},
        {"nChangeTiming", -1, 13},    {"nChangeTiming", 12, 12},
        {"nDrawChara", -1, 2},        {"nDrawChara", 3, 0},
        {"nDrawChara", 5, 2},         {"nDrawChara", INT32_MIN, 1},
        {"nDrawChara", 2, 2},         {"nHourOld", 24, 23},
        {"nHourOld", -5, 0},          {"nHourOld", 23, 23},
        {"nMinuteOld", 60, 59},       {"nMinuteOld", -1, 0},
        {"nMinuteOld", 59, 59},
    };
    for (const Case &c : cases) {
        SettingsRecord rec;
        SetDefaultSettings(&rec);
        const SettingField *field = nullptr;
        for (const SettingField &f : SettingFields)
            if (std::strcmp(f.pszName, c.pszField) == 0)
                field = &f;
        ASSERT_NE(field, nullptr) << c.pszField;
        *SettingNumber(&rec, *field) = c.stored;
        SettingsRecord before = rec;
        MendSettings(&rec);
        EXPECT_EQ(*SettingNumber(&rec, *field), c.expected) << c.pszField << " = " << c.stored;
        // Nothing else moves.
        *SettingNumber(&before, *field) = c.expected;
        EXPECT_EQ(std::memcmp(&rec, &before, sizeof(rec)), 0) << c.pszField;
    }
}

TEST(MendSettings, DefaultsAndPositionsAreLeftAlone)
{
    SettingsRecord rec;
    SetDefaultSettings(&rec);
    rec.nWindowX = -500;
    rec.nWindowY = 99999;
    rec.bTopMost = 7;  // flags are only ever tested against zero
    SettingsRecord before = rec;
    MendSettings(&rec);
    EXPECT_EQ(std::memcmp(&rec, &before, sizeof(rec)), 0);
}

}  // namespace
