// The Clock and Chara pages of the running vespin.exe, worked from outside: the percentage
// controls, the wave groups, the file dialog, Cancel and OK.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>

#include "res/resource.h"
#include "settings/settings.h"
#include "tests/e2e/e2e_harness.h"

namespace {

SettingsRecord StoredRecord()
{
    SettingsRecord rec = {};
    for (const SettingField &field : SettingFields) {
        DWORD dw = 0;
        std::string text;
        if (field.kind == kSettingNumber && e2e::ReadDword(field.pszName, &dw))
            *SettingNumber(&rec, field) = static_cast<int32_t>(dw);
        else if (field.kind == kSettingString && e2e::ReadString(field.pszName, &text))
            lstrcpynA(SettingString(&rec, field), text.c_str(), static_cast<int>(field.cbSize));
    }
    return rec;
}

HWND FindDialog(const e2e::Vespin &app, const char *pszTitle)
{
    HWND hWnd = nullptr;
    DWORD pid = 0;
    e2e::WaitFor([&] {
        hWnd = FindWindowA("#32770", pszTitle);
        return hWnd && GetWindowThreadProcessId(hWnd, &pid) && pid == app.pi.dwProcessId && IsWindowVisible(hWnd);
    });
    return hWnd;
}

std::string Text(HWND hWnd)
{
    char sz[600] = "";
    SendMessageA(hWnd, WM_GETTEXT, sizeof(sz), reinterpret_cast<LPARAM>(sz));
    return sz;
}

// A page of the open sheet, worked as another process can.
struct Page {
    HWND hWnd;
    HWND Item(int id) const { return GetDlgItem(hWnd, id); }
    std::string Text(int id) const { return ::Text(Item(id)); }
    void SetText(int id, const char *psz) const { SendMessageA(Item(id), WM_SETTEXT, 0, LPARAM(psz)); }
    void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    LRESULT TrackPos() const { return SendMessageA(Item(1024), TBM_GETPOS, 0, 0); }
    void Key(int id, WPARAM vk) const { SendMessageA(Item(id), WM_KEYDOWN, vk, 1); }
    // The thumb at nPos, reported as the trackbar does under the mouse.
    void Drag(int nPos, WORD wCode) const
    {
        SendMessageA(Item(1024), TBM_SETPOS, TRUE, nPos);
        SendMessageA(hWnd, WM_HSCROLL, MAKEWPARAM(wCode, nPos), LPARAM(Item(1024)));
    }
    void Select(int id, int nIndex) const
    {
        SendMessageA(Item(id), CB_SETCURSEL, nIndex, 0);
        SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(Item(id)));
    }
    // One letter per control of the hour then the half-hour group: E enabled, d disabled.
    std::string Groups() const
    {
        std::string s;
        for (int id : {1030, 1010, 1020, 1031, 1012, 1021})
            s += IsWindowEnabled(Item(id)) ? 'E' : 'd';
        return s;
    }
};

Page ShowPage(HWND hSheet, int nIndex)
{
    SendMessageA(hSheet, PSM_SETCURSEL, nIndex, 0);
    return {reinterpret_cast<HWND>(SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0))};
}

bool CloseSheet(HWND hSheet, int nButton)
{
    PostMessageA(hSheet, PSM_PRESSBUTTON, nButton, 0);
    return e2e::WaitFor([&] { return !IsWindow(hSheet); });
}

// Picks sPath (or cancels) in the wave dialog of browse button idButton; checks its title and filter.
void PickWaveFile(const e2e::Vespin &app, const Page &page, int idButton, const std::string &sPath, bool bCancel)
{
    PostMessageA(page.Item(idButton), BM_CLICK, 0, 0);
    HWND hDlg = FindDialog(app, "Vespin(WAVファイルの参照)");
    ASSERT_NE(hDlg, nullptr) << "the dialog's title";
    EXPECT_EQ(Text(GetDlgItem(hDlg, cmb1)), "wav file(*.wav)");
    SendMessageA(GetDlgItem(hDlg, cmb13), WM_SETTEXT, 0, LPARAM(sPath.c_str()));
    PostMessageA(hDlg, WM_COMMAND, bCancel ? IDCANCEL : IDOK, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(hDlg); }));
}

// Works the three percentage controls of a page whose value is shown as pszStart.
void CheckPercentControls(const Page &page, const char *pszStart)
{
    enum Kind { kType, kUp, kDown, kPageUp, kPageDown, kTrack, kRelease };
    const struct { Kind kind; const char *pszInput; int nPos; const char *pszText; } steps[] = {
        {kType, "101", 0, pszStart},  {kType, "100", 0, "100"}, {kType, "", 0, ""},
        {kType, "55", 0, "55"},       {kType, "99999999999", 0, "55"}, {kType, "4a", 0, "55"},
        {kUp, "up", 0, "56"},         {kDown, "down", 0, "55"}, {kPageDown, "Page Down", 0, "65"},
        {kPageUp, "Page Up", 0, "55"}, {kTrack, "thumb", 30, "30"}, {kRelease, "release", 20, "20"},
    };
    for (const auto &s : steps) {
        switch (s.kind) {
        case kType: page.SetText(1025, s.pszInput); break;
        case kUp: page.Key(1025, VK_UP); break;
        case kDown: page.Key(1025, VK_DOWN); break;
        case kPageUp: page.Key(1024, VK_PRIOR); break;
        case kPageDown: page.Key(1024, VK_NEXT); break;
        case kTrack: page.Drag(s.nPos, TB_THUMBTRACK); break;
        case kRelease: page.Drag(s.nPos, TB_THUMBPOSITION); break;
        }
        EXPECT_EQ(page.Text(1025), s.pszText) << s.pszInput;
        EXPECT_EQ(page.TrackPos(), std::atoi(page.Text(1025).c_str())) << s.pszInput;
    }
}

TEST(Pages, CancelRestoresEverythingAndOkStoresEveryField)
{
    e2e::DeleteSettingsKey();
    e2e::WriteDefaultSettings();
    e2e::WriteDword("bAlarm", 1);
    e2e::WriteDword("nChangeTiming", 13);  // no rotation while the test runs
    e2e::WriteString("szWave", "hour-before.wav");
    e2e::WriteString("szWave30", "half-before.wav");
    e2e::WriteString("szCurrentWave", "C:\\windows");
    SettingsRecord initial = StoredRecord();
    // Two wave files in a folder whose name ends in a 0x5C trail byte (表 is 95 5C).
    char szTemp[MAX_PATH];
    GetTempPathA(sizeof(szTemp), szTemp);
    const std::string sFolder = std::string(szTemp) + "ベスピン表";
    const std::string sHourWave = sFolder + "\\hour.wav", sHalfWave = sFolder + "\\half.wav";
    CreateDirectoryA(sFolder.c_str(), nullptr);
    for (const std::string &s : {sHourWave, sHalfWave})
        CloseHandle(CreateFileA(s.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    {
        SCOPED_TRACE("changes, then Cancel from the Window page");
        PostMessageA(app.hWnd, WM_COMMAND, IDM_PROPERTY, 0);
        HWND hSheet = FindDialog(app, "プロパティ");
        const Page clock = ShowPage(hSheet, 1);
        EXPECT_EQ(clock.Groups(), "EEEddd");
        EXPECT_EQ(SendMessageA(clock.Item(1012), EM_GETLIMITTEXT, 0, 0), 259);
        EXPECT_EQ(clock.TrackPos(), 40);
        CheckPercentControls(clock, "40");
        clock.Click(1009);
        clock.Click(1011);
        EXPECT_EQ(clock.Groups(), "dddEEE");
        EXPECT_EQ(clock.Text(1010), "hour-before.wav") << "a disabled group keeps its text";
        PickWaveFile(app, clock, 1021, sHalfWave, false);
        EXPECT_EQ(clock.Text(1012), sHalfWave);
        for (int id : {1006, 1007, 1008})
            clock.Click(id);
        const Page chara = ShowPage(hSheet, 2);
        CheckPercentControls(chara, "0");
        chara.Select(1021, 5);
        for (int id : {1009, 1010, 1011, 1012})
            chara.Click(id);
        // The Clock page was left for another, so the Cancel reaches neither of these pages.
        ShowPage(hSheet, 0);
        ASSERT_TRUE(CloseSheet(hSheet, PSBTN_CANCEL));
    }
    {
        SCOPED_TRACE("a second sheet shows what was restored, and OK stores it unchanged");
        PostMessageA(app.hWnd, WM_COMMAND, IDM_PROPERTY, 0);
        HWND hSheet = FindDialog(app, "プロパティ");
        const Page clock = ShowPage(hSheet, 1);
        EXPECT_EQ(clock.Text(1025) + clock.Text(1012), "40half-before.wav");
        EXPECT_TRUE(clock.Checked(1009) && !clock.Checked(1011) && !clock.Checked(1006));
        const Page chara = ShowPage(hSheet, 2);
        EXPECT_TRUE(chara.Text(1025) == "0" && chara.Checked(1010) && !chara.Checked(1009));
        ASSERT_TRUE(CloseSheet(hSheet, PSBTN_OK));
        SettingsRecord stored = StoredRecord();
        for (const SettingField &field : SettingFields)
            if (std::strstr(field.pszName, "Old"))
                continue;  // the time check's own memory
            else if (field.kind == kSettingNumber)
                EXPECT_EQ(*SettingNumber(&stored, field), *SettingNumber(&initial, field)) << field.pszName;
            else
                EXPECT_STREQ(SettingString(&stored, field), SettingString(&initial, field)) << field.pszName;
    }
    {
        SCOPED_TRACE("changes, then OK");
        PostMessageA(app.hWnd, WM_COMMAND, IDM_PROPERTY, 0);
        HWND hSheet = FindDialog(app, "プロパティ");
        const Page clock = ShowPage(hSheet, 1);
        PickWaveFile(app, clock, 1020, sHalfWave, true);
        EXPECT_EQ(clock.Text(1010), "hour-before.wav") << "a cancelled dialog changes nothing";
        PickWaveFile(app, clock, 1020, sHourWave, false);
        clock.Click(1011);
        PickWaveFile(app, clock, 1021, sHalfWave, false);
        for (int id : {1009, 1006, 1007, 1008})  // the hour group disabled, its path still stored
            clock.Click(id);
        clock.Drag(70, TB_THUMBPOSITION);
        const Page chara = ShowPage(hSheet, 2);
        chara.Select(1021, 12);
        chara.Select(1021, -1);  // no selection stores nothing
        chara.Click(1009);
        chara.Click(1011);
        chara.SetText(1025, "35");
        ASSERT_TRUE(CloseSheet(hSheet, PSBTN_OK));
        const SettingsRecord s = StoredRecord();
        EXPECT_EQ(std::string(s.szWave) + "|" + s.szWave30 + "|" + s.szCurrentWave,
                  sHourWave + "|" + sHalfWave + "|" + sFolder);
        EXPECT_EQ((std::array<int32_t, 6>{s.b24, s.bSecond, s.b6, s.bAlarm, s.bAlarm30, s.nTransparentCal}),
                  (std::array<int32_t, 6>{1, 1, 1, 0, 1, 70}));
        EXPECT_EQ((std::array<int32_t, 6>{s.bChara0, s.bChara1, s.bChara2, s.bRandom, s.nChangeTiming, s.nTransparent}),
                  (std::array<int32_t, 6>{1, 0, 1, 1, 12, 35}));
    }
    EXPECT_EQ(app.Exit(), 0);
    e2e::DeleteSettingsKey();
}

}  // namespace
