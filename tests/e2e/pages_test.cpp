// The Clock, Chara and Calendar pages of the running vespin.exe, worked from outside: the
// percentage controls, the wave groups, the file dialog, the calendar boxes, Cancel and OK.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "res/resource.h"
#include "tests/e2e/e2e_harness.h"

namespace {

// The thumb at nPos, reported as the trackbar does under the mouse.
void Drag(const e2e::Page &page, int nPos, WORD wCode)
{
    SendMessageA(page.Item(1024), TBM_SETPOS, TRUE, nPos);
    SendMessageA(page.hWnd, WM_HSCROLL, MAKEWPARAM(wCode, nPos), LPARAM(page.Item(1024)));
}

// One letter per control of the hour then the half-hour group: E enabled, d disabled.
std::string Groups(const e2e::Page &clock)
{
    std::string s;
    for (int id : {1030, 1010, 1020, 1031, 1012, 1021})
        s += IsWindowEnabled(clock.Item(id)) ? 'E' : 'd';
    return s;
}

// bHolidayLaw then bLunarRokuyo as stored, '-' for one missing: they live beside the record.
std::string CalendarStored()
{
    std::string s;
    for (const char *name : {"bHolidayLaw", "bLunarRokuyo"}) {
        DWORD dw = 0;
        s += e2e::ReadDword(name, &dw) ? std::to_string(dw) : "-";
    }
    return s;
}

// Picks sPath (or cancels) in the wave dialog of browse button idButton; checks its title and filter.
void PickWaveFile(const e2e::Vespin &app, const e2e::Page &page, int idButton, const std::wstring &sPath, bool bCancel)
{
    PostMessageA(page.Item(idButton), BM_CLICK, 0, 0);
    HWND hDlg = e2e::WaitForOwnWindow(app, "#32770", "Vespin(WAVファイルの参照)");
    ASSERT_NE(hDlg, nullptr) << "the dialog's title";
    EXPECT_EQ(e2e::WindowText(GetDlgItem(hDlg, cmb1)), "wav file(*.wav)");
    SendMessageW(GetDlgItem(hDlg, cmb13), WM_SETTEXT, 0, LPARAM(sPath.c_str()));
    PostMessageA(hDlg, WM_COMMAND, bCancel ? IDCANCEL : IDOK, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(hDlg); }));
}

// Works the three percentage controls of a page whose value is shown as pszStart.
void CheckPercentControls(const e2e::Page &page, const char *pszStart)
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
        case kUp: SendMessageA(page.Item(1025), WM_KEYDOWN, VK_UP, 1); break;
        case kDown: SendMessageA(page.Item(1025), WM_KEYDOWN, VK_DOWN, 1); break;
        case kPageUp: SendMessageA(page.Item(1024), WM_KEYDOWN, VK_PRIOR, 1); break;
        case kPageDown: SendMessageA(page.Item(1024), WM_KEYDOWN, VK_NEXT, 1); break;
        case kTrack: Drag(page, s.nPos, TB_THUMBTRACK); break;
        case kRelease: Drag(page, s.nPos, TB_THUMBPOSITION); break;
        }
        EXPECT_EQ(page.Text(1025), s.pszText) << s.pszInput;
        EXPECT_EQ(SendMessageA(page.Item(1024), TBM_GETPOS, 0, 0), std::atoi(page.Text(1025).c_str())) << s.pszInput;
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
    e2e::WriteDword("bHolidayLaw", 0);
    e2e::WriteDword("bLunarRokuyo", 1);
    const auto initial = e2e::StoredValues();
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
        HWND hSheet = e2e::OpenSheet(app);
        const e2e::Page clock = e2e::ShowPage(hSheet, 1);
        EXPECT_EQ(Groups(clock), "EEEddd");
        EXPECT_EQ(SendMessageA(clock.Item(1012), EM_GETLIMITTEXT, 0, 0), 259);
        CheckPercentControls(clock, "40");
        clock.Click(1009);
        clock.Click(1011);
        EXPECT_EQ(Groups(clock), "dddEEE");
        EXPECT_EQ(clock.Text(1010), "hour-before.wav") << "a disabled group keeps its text";
        PickWaveFile(app, clock, 1021, e2e::Wide(sHalfWave.c_str()), false);
        EXPECT_EQ(clock.Text(1012), sHalfWave);
        for (int id : {1006, 1007, 1008})
            clock.Click(id);
        const e2e::Page chara = e2e::ShowPage(hSheet, 2);
        CheckPercentControls(chara, "0");
        chara.Select(1021, 5);
        for (int id : {1009, 1010, 1011, 1012})
            chara.Click(id);
        const e2e::Page calendar = e2e::ShowPage(hSheet, 3);
        EXPECT_TRUE(!calendar.Checked(IDC_HOLIDAYLAW) && calendar.Checked(IDC_LUNARROKUYO));
        calendar.Click(IDC_HOLIDAYLAW);
        calendar.Click(IDC_LUNARROKUYO);
        // The Clock page was left for another, so the Cancel reaches none of these pages.
        e2e::ShowPage(hSheet, 0);
        ASSERT_TRUE(e2e::CloseSheet(hSheet, PSBTN_CANCEL));
        EXPECT_EQ(CalendarStored(), "01");
    }
    {
        SCOPED_TRACE("a second sheet shows what was restored, and OK stores it unchanged");
        HWND hSheet = e2e::OpenSheet(app);
        const e2e::Page clock = e2e::ShowPage(hSheet, 1);
        EXPECT_EQ(clock.Text(1025) + clock.Text(1012), "40half-before.wav");
        EXPECT_TRUE(clock.Checked(1009) && !clock.Checked(1011) && !clock.Checked(1006));
        const e2e::Page chara = e2e::ShowPage(hSheet, 2);
        EXPECT_TRUE(chara.Text(1025) == "0" && chara.Checked(1010) && !chara.Checked(1009));
        const e2e::Page calendar = e2e::ShowPage(hSheet, 3);
        EXPECT_TRUE(!calendar.Checked(IDC_HOLIDAYLAW) && calendar.Checked(IDC_LUNARROKUYO));
        ASSERT_TRUE(e2e::CloseSheet(hSheet, PSBTN_OK));
        EXPECT_EQ(e2e::StoredValues(), initial);
    }
    {
        SCOPED_TRACE("changes, then OK");
        HWND hSheet = e2e::OpenSheet(app);
        const e2e::Page clock = e2e::ShowPage(hSheet, 1);
        PickWaveFile(app, clock, 1020, e2e::Wide(sHalfWave.c_str()), true);
        EXPECT_EQ(clock.Text(1010), "hour-before.wav") << "a cancelled dialog changes nothing";
        // A file whose path Shift-JIS cannot spell is refused with a word why; the old path stays.
        const std::wstring sForeign = e2e::Wide(sFolder.c_str()) + L"\\café.wav";
        CloseHandle(CreateFileW(sForeign.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        PickWaveFile(app, clock, 1020, sForeign, false);
        HWND hBox = nullptr;
        ASSERT_TRUE(e2e::WaitFor([&] { return (hBox = e2e::FindMessageBox(app.pi.dwProcessId)) != nullptr; }));
        EXPECT_EQ(e2e::MessageBoxText(hBox).rfind("このファイルは使えません。", 0), 0u);
        PostMessageA(hBox, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(hBox); }));
        EXPECT_EQ(clock.Text(1010), "hour-before.wav");
        DeleteFileW(sForeign.c_str());
        PickWaveFile(app, clock, 1020, e2e::Wide(sHourWave.c_str()), false);
        clock.Click(1011);
        PickWaveFile(app, clock, 1021, e2e::Wide(sHalfWave.c_str()), false);
        for (int id : {1009, 1006, 1007, 1008})  // the hour group disabled, its path still stored
            clock.Click(id);
        Drag(clock, 70, TB_THUMBPOSITION);
        const e2e::Page chara = e2e::ShowPage(hSheet, 2);
        chara.Select(1021, 12);
        chara.Select(1021, -1);  // no selection stores nothing
        chara.Click(1009);
        chara.Click(1011);
        chara.SetText(1025, "35");
        const e2e::Page calendar = e2e::ShowPage(hSheet, 3);
        calendar.Click(IDC_HOLIDAYLAW);
        calendar.Click(IDC_LUNARROKUYO);
        ASSERT_TRUE(e2e::CloseSheet(hSheet, PSBTN_OK));
        auto expected = initial;
        for (const auto &[name, value] : std::initializer_list<std::pair<const char *, std::string>>{
                 {"szWave", sHourWave}, {"szWave30", sHalfWave}, {"szCurrentWave", sFolder}, {"b24", "1"},
                 {"bSecond", "1"}, {"b6", "1"}, {"bAlarm", "0"}, {"bAlarm30", "1"}, {"nTransparentCal", "70"},
                 {"bRandom", "1"}, {"bChara1", "0"}, {"nChangeTiming", "12"}, {"nTransparent", "35"}})
            expected[name] = value;
        // The save follows the sheet's end.
        e2e::WaitFor([&] { return e2e::StoredValues() == expected && CalendarStored() == "10"; });
        EXPECT_EQ(e2e::StoredValues(), expected);
        EXPECT_EQ(CalendarStored(), "10");
    }
    EXPECT_EQ(app.Exit(), 0);
    EXPECT_EQ(CalendarStored(), "10");
    e2e::DeleteSettingsKey();
}

}  // namespace
