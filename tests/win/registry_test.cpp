// The settings store on the real registry: the all-or-nothing load, the bounds
// of string reads, hostile values, and the one warning of a failed save.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "settings/registry_win.h"
#include "settings/settings.h"
#include "tests/win/win_test_util.h"

namespace {

using wintest::SetValue;

// A complete stored record whose values all differ from the defaults.
void StoreNonDefaultRecord()
{
    SetDefaultSettings(&Settings);
    Settings.nWindowX = 77;
    Settings.nWindowY = -12;
    Settings.bTopMost = 1;
    Settings.nCalendarPos = 1;
    Settings.nTransparent = 30;
    lstrcpyA(Settings.szFont, "Arial");
    lstrcpyA(Settings.szWave, "C:\\chime.wav");
    wintest::StoreSettingsRecord();
}

// Field by field: bytes after a string's NUL are not part of the value.
bool SameRecord(const SettingsRecord &a, const SettingsRecord &b)
{
    SettingsRecord x = a, y = b;
    for (const SettingField &field : SettingFields) {
        if (field.kind == kSettingNumber) {
            if (*SettingNumber(&x, field) != *SettingNumber(&y, field))
                return false;
        } else if (std::strcmp(SettingString(&x, field), SettingString(&y, field)) != 0) {
            return false;
        }
    }
    return true;
}

bool RecordIsDefault()
{
    SettingsRecord defaults;
    SetDefaultSettings(&defaults);
    return SameRecord(Settings, defaults);
}

class RegistryStore : public testing::Test {
protected:
    void SetUp() override { wintest::DeleteSettingsKey(); }
    void TearDown() override { wintest::DeleteSettingsKey(); }
};

TEST_F(RegistryStore, NoKeyLoadsDefaultsAndWritesAll28Back)
{
    std::memset(&Settings, 0x5A, sizeof(Settings));
    EXPECT_EQ(LoadSettings(nullptr), 0);
    EXPECT_TRUE(RecordIsDefault());
    EXPECT_EQ(wintest::CountSettingsValues(), 28);
    DWORD dw = 0;
    ASSERT_TRUE(wintest::GetDword("nCalendarPos", &dw));
    EXPECT_EQ(dw, 3u);
    ASSERT_TRUE(wintest::GetDword("nTransparentCal", &dw));
    EXPECT_EQ(dw, 40u);
    char face[256] = "";
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettingsKeyPath, "szFont", face, sizeof(face)), 1);
    EXPECT_STREQ(face, kDefaultFontFace);
}

TEST_F(RegistryStore, CompleteStoreLoadsAsStored)
{
    StoreNonDefaultRecord();
    const SettingsRecord stored = Settings;
    SetDefaultSettings(&Settings);
    EXPECT_EQ(LoadSettings(nullptr), 1);
    EXPECT_TRUE(SameRecord(Settings, stored));
}

// Each case spoils one value of a complete store; the load either takes it or
// falls back to the defaults as a whole.
TEST_F(RegistryStore, HostileValuesAreTakenOrResetAsAWhole)
{
    const std::string font255(255, 'a');
    const std::string font256(256, 'a');
    const DWORD binary4 = 0x11223344;
    const unsigned char eightBytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    struct Case {
        const char *pszWhat;
        const char *pszName;
        DWORD dwType;
        const void *pData;
        DWORD cbData;  // 0 with null data: delete the value
        bool accepted;
    } cases[] = {
        {"one value of 28 missing", "nMinuteOld", 0, nullptr, 0, false},
        {"a number of 8 bytes", "nWindowX", REG_BINARY, eightBytes, 8, false},
        {"a number as REG_QWORD", "nWindowY", REG_QWORD, eightBytes, 8, false},
        {"a number as 4-byte REG_BINARY", "nWindowX", REG_BINARY, &binary4, 4, true},
        {"a string without its NUL", "szWave", REG_SZ, "abc", 3, true},
        {"a face of 255 characters and NUL", "szFont", REG_SZ, font255.c_str(), 256, true},
        {"a face of 256 characters and NUL", "szFont", REG_SZ, font256.c_str(), 257, false},
        {"a wave path of 300 characters", "szWave30", REG_SZ, std::string(300, 'w').c_str(), 301, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.pszWhat);
        wintest::DeleteSettingsKey();
        StoreNonDefaultRecord();
        if (c.pData) {
            SetValue(c.pszName, c.dwType, c.pData, c.cbData);
        } else {
            HKEY hKey;
            RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_ALL_ACCESS, &hKey);
            RegDeleteValueA(hKey, c.pszName);
            RegCloseKey(hKey);
        }
        std::memset(&Settings, 0x5A, sizeof(Settings));
        EXPECT_EQ(LoadSettings(nullptr), c.accepted ? 1 : 0);
        if (c.accepted) {
            EXPECT_EQ(Settings.nWindowY, -12);
            EXPECT_EQ(Settings.bTopMost, 1);
        } else {
            EXPECT_TRUE(RecordIsDefault());
            EXPECT_EQ(wintest::CountSettingsValues(), 28);
            DWORD dw = 0;
            EXPECT_TRUE(wintest::GetDword("nWindowX", &dw));
            EXPECT_EQ(dw, 0u) << "the store holds the defaults again";
        }
    }
}

TEST_F(RegistryStore, AcceptedOddValuesLoadExactly)
{
    StoreNonDefaultRecord();
    const DWORD binary4 = 0x11223344;
    SetValue("nWindowX", REG_BINARY, &binary4, 4);
    SetValue("szWave", REG_SZ, "abc", 3);
    const std::string font255(255, 'f');
    SetValue("szFont", REG_SZ, font255.c_str(), 256);
    ASSERT_EQ(LoadSettings(nullptr), 1);
    EXPECT_EQ(Settings.nWindowX, 0x11223344);
    EXPECT_STREQ(Settings.szWave, "abc");
    EXPECT_EQ(std::string(Settings.szFont), font255);
}

TEST_F(RegistryStore, ShortBinaryNumberLeavesNoStaleBytes)
{
    StoreNonDefaultRecord();
    const unsigned char two[2] = {0x34, 0x12};
    SetValue("nWindowX", REG_BINARY, two, 2);
    Settings.nWindowX = -1;
    ASSERT_EQ(LoadSettings(nullptr), 1);
    EXPECT_EQ(Settings.nWindowX, 0x1234);
}

TEST_F(RegistryStore, OutOfRangeValuesAreBroughtIntoRangeOnLoad)
{
    StoreNonDefaultRecord();
    wintest::SetDword("nTransparent", 500);
    wintest::SetDword("nTransparentCal", static_cast<DWORD>(-3));
    wintest::SetDword("nCalendarPos", 9);
    wintest::SetDword("nDrawChara", static_cast<DWORD>(-1));
    ASSERT_EQ(LoadSettings(nullptr), 1);
    EXPECT_EQ(Settings.nTransparent, 100);
    EXPECT_EQ(Settings.nTransparentCal, 0);
    EXPECT_EQ(Settings.nCalendarPos, 3);
    EXPECT_EQ(Settings.nDrawChara, 2);
}

// Under a volatile parent the non-volatile key cannot be created: every write fails.
void MakeStoreUnwritable()
{
    HKEY hKey;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Brimholt\\Vespin", 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(hKey);
}

TEST_F(RegistryStore, FailedSaveWarnsOncePerSave)
{
    MakeStoreUnwritable();
    SetDefaultSettings(&Settings);
    wintest::MessageBoxCatcher boxes;
    EXPECT_EQ(SaveSettings(nullptr), 0);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "Vespin|レジストリ書き込みに失敗しました");
    EXPECT_EQ(SaveSettings(nullptr), 0);
    EXPECT_EQ(boxes.texts.size(), 2u);
}

TEST_F(RegistryStore, FailedSaveOnTheDefaultsPathWarnsDuringLoad)
{
    MakeStoreUnwritable();
    wintest::MessageBoxCatcher boxes;
    EXPECT_EQ(LoadSettings(nullptr), 0);
    EXPECT_TRUE(RecordIsDefault());
    EXPECT_EQ(boxes.texts.size(), 1u);
}

TEST_F(RegistryStore, WritesStoreNumbersAndStringsWithTheirTypes)
{
    EXPECT_EQ(WriteRegDword(HKEY_CURRENT_USER, kSettingsKeyPath, "nWindowX", 0xFFFFFFFF), 1);
    EXPECT_EQ(WriteRegString(HKEY_CURRENT_USER, kSettingsKeyPath, "szFont", "表示"), 1);
    DWORD dwType = 0, cb = 0;
    RegGetValueA(HKEY_CURRENT_USER, kSettingsKeyPath, "szFont", RRF_RT_ANY, &dwType, nullptr, &cb);
    EXPECT_EQ(dwType, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(cb, 5u);  // four Shift-JIS bytes and the NUL
    DWORD dw = 0;
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kSettingsKeyPath, "nWindowX", &dw), 1);
    EXPECT_EQ(dw, 0xFFFFFFFFu);
    dw = 7;
    EXPECT_EQ(ReadRegDword(HKEY_CURRENT_USER, kSettingsKeyPath, "missing", &dw), 0);
    EXPECT_EQ(dw, 7u) << "a failed read leaves the destination alone";
}

}  // namespace
