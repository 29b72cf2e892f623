// The Clock and Chara pages of the running vespin.exe, worked from outside: the
// percentage controls, the wave groups, the file dialog, Cancel, OK and a stale ready flag.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "res/resource.h"
#include "settings/settings.h"
#include "tests/e2e/e2e_harness.h"

namespace {

// The settings as stored, read back through the field table.
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

HWND FindOwnedWindow(DWORD dwPid, const char *pszTitle)
{
    HWND hWnd = nullptr;
    if (!e2e::WaitFor([&] {
            hWnd = FindWindowA("#32770", pszTitle);
            DWORD pid = 0;
            return hWnd && GetWindowThreadProcessId(hWnd, &pid) && pid == dwPid && IsWindowVisible(hWnd);
        }))
        return nullptr;
    return hWnd;
}

std::string Text(HWND hWnd)
{
    char sz[600] = "";
    SendMessageA(hWnd, WM_GETTEXT, sizeof(sz), reinterpret_cast<LPARAM>(sz));
    return sz;
}

// A page of the open sheet and the controls on it, as another process sees them.
struct Page {
    HWND hWnd;
    HWND Item(int id) const { return GetDlgItem(hWnd, id); }
    std::string Text(int id) const { return ::Text(Item(id)); }
    void SetText(int id, const char *psz) const { SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(psz)); }
    void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    LRESULT TrackPos() const { return SendMessageA(Item(1024), TBM_GETPOS, 0, 0); }
    void Key(int id, WPARAM vk) const
    {
        SendMessageA(Item(id), WM_KEYDOWN, vk, 1);
        SendMessageA(Item(id), WM_KEYUP, vk, 0xC0000001);
    }
    // The thumb dragged to nPos: the trackbar moves and reports, as it does under the mouse.
    void Drag(int nPos, WORD wCode) const
    {
        SendMessageA(Item(1024), TBM_SETPOS, TRUE, nPos);
        SendMessageA(hWnd, WM_HSCROLL, MAKEWPARAM(wCode, nPos), reinterpret_cast<LPARAM>(Item(1024)));
    }
    void Select(int id, int nIndex) const
    {
        SendMessageA(Item(id), CB_SETCURSEL, nIndex, 0);
        SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
    }
};

class Sheet {
public:
    explicit Sheet(const e2e::Vespin &app) : app_(app)
    {
        PostMessageA(app.hWnd, WM_COMMAND, IDM_PROPERTY, 0);
        hWnd = FindOwnedWindow(app.pi.dwProcessId, "プロパティ");
    }
    Page Show(int nIndex) const
    {
        SendMessageA(hWnd, PSM_SETCURSEL, nIndex, 0);
        return {reinterpret_cast<HWND>(SendMessageA(hWnd, PSM_GETCURRENTPAGEHWND, 0, 0))};
    }
    // 4 for OK, 5 for Cancel; returns once the sheet is gone.
    bool Close(WPARAM button)
    {
        PostMessageA(hWnd, PSM_PRESSBUTTON, button == 4 ? PSBTN_OK : PSBTN_CANCEL, 0);
        return e2e::WaitFor([&] { return !IsWindow(hWnd); });
    }
    HWND hWnd;

private:
    const e2e::Vespin &app_;
};

// Picks sPath in the wave dialog opened by browse button idButton; checks its title and filter.
void PickWaveFile(const e2e::Vespin &app, const Page &page, int idButton, const std::string &sPath, bool bCancel)
{
    PostMessageA(page.Item(idButton), BM_CLICK, 0, 0);
    HWND hDlg = FindOwnedWindow(app.pi.dwProcessId, "Vespin(WAVファイルの参照)");
    ASSERT_NE(hDlg, nullptr) << "the dialog's title";
    EXPECT_EQ(Text(GetDlgItem(hDlg, cmb1)), "wav file(*.wav)");
    HWND hName = GetDlgItem(hDlg, cmb13) ? GetDlgItem(hDlg, cmb13) : GetDlgItem(hDlg, edt1);
    SendMessageA(hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(sPath.c_str()));
    PostMessageA(hDlg, WM_COMMAND, bCancel ? IDCANCEL : IDOK, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(hDlg); }));
}

// A short silent wave file in a folder whose name has a 0x5C trail byte (表 is 95 5C).
std::string MakeWaveFile(const char *pszName)
{
    char szDir[MAX_PATH];
    GetTempPathA(sizeof(szDir), szDir);
    std::string dir = std::string(szDir) + "ベスピン表";
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string path = dir + "\\" + pszName;
    const DWORD header[] = {0x46464952, 36 + 8, 0x45564157, 0x20746D66, 16, 0x00010001, 8000, 8000, 0x00080001,
                            0x61746164, 8};
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char *>(header), sizeof(header)) << "\x80\x80\x80\x80\x80\x80\x80\x80";
    return path;
}

// What the screen shows in a 120x160 panel at (x, y).
std::vector<DWORD> ScreenPanel(int x, int y)
{
    HDC hdcScreen = GetDC(nullptr);
    HDC hdc = CreateCompatibleDC(hdcScreen);
    HBITMAP hbm = CreateCompatibleBitmap(hdcScreen, 120, 160);
    HGDIOBJ hOld = SelectObject(hdc, hbm);
    BitBlt(hdc, 0, 0, 120, 160, hdcScreen, x, y, SRCCOPY);
    SelectObject(hdc, hOld);
    BITMAPINFOHEADER bih = {sizeof(bih), 120, -160, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(120 * 160);
    GetDIBits(hdc, hbm, 0, 160, pixels.data(), reinterpret_cast<BITMAPINFO *>(&bih), DIB_RGB_COLORS);
    DeleteObject(hbm);
    DeleteDC(hdc);
    ReleaseDC(nullptr, hdcScreen);
    return pixels;
}

// The screen reaches X a moment after the program paints: wait for the panel to differ from
// (or to match) a picture taken before.
bool PanelTurns(int x, int y, const std::vector<DWORD> &before, bool bSame)
{
    return e2e::WaitFor([&] { return (ScreenPanel(x, y) == before) == bSame; }, 3000);
}

// The panel once two looks 100 ms apart agree (the sheet moved away leaves a repaint behind).
std::vector<DWORD> SettledPanel(int x, int y)
{
    std::vector<DWORD> last = ScreenPanel(x, y), now;
    for (int i = 0; i < 30 && (Sleep(100), now = ScreenPanel(x, y)) != last; ++i)
        last = now;
    return now;
}

class Pages : public testing::Test {
protected:
    void SetUp() override
    {
        e2e::DeleteSettingsKey();
        e2e::WriteDefaultSettings();
        e2e::WriteDword("bAlarm", 1);
        e2e::WriteDword("nChangeTiming", 13);  // no rotation while the test runs
        e2e::WriteString("szWave", "hour-before.wav");
        e2e::WriteString("szWave30", "half-before.wav");
        e2e::WriteString("szCurrentWave", "C:\\windows");
        // Page on the left, character panel at (220, 100), clear of the sheet.
        e2e::WriteDword("nWindowX", 100);
        e2e::WriteDword("nWindowY", 100);
        initial_ = StoredRecord();
        ASSERT_TRUE(app_.Start());
    }
    void TearDown() override { e2e::DeleteSettingsKey(); }
    e2e::Vespin app_;
    SettingsRecord initial_;
};

// Works the three percentage controls of a page whose field starts at pszStart.
void CheckPercentControls(const Page &page, const char *pszStart)
{
    enum Kind { kType, kSpinUp, kSpinDown, kPageUp, kPageDown, kThumbTrack, kThumbPosition };
    const struct { Kind kind; const char *pszInput; int nPos; const char *pszText; } steps[] = {
        {kType, "101", -1, pszStart},  {kType, "100", -1, "100"},      {kType, "", -1, ""},
        {kType, "55", -1, "55"},       {kType, "99999999999", -1, "55"}, {kType, "4a", -1, "55"},
        {kSpinUp, "up", -1, "56"},     {kSpinDown, "down", -1, "55"},  {kPageDown, "Page Down", -1, "65"},
        {kPageUp, "Page Up", -1, "55"}, {kThumbTrack, "thumb", 30, "30"}, {kThumbPosition, "release", 20, "20"},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.pszInput);
        switch (s.kind) {
        case kType: page.SetText(1025, s.pszInput); break;
        case kSpinUp: page.Key(1025, VK_UP); break;
        case kSpinDown: page.Key(1025, VK_DOWN); break;
        case kPageUp: page.Key(1024, VK_PRIOR); break;
        case kPageDown: page.Key(1024, VK_NEXT); break;
        case kThumbTrack: page.Drag(s.nPos, TB_THUMBTRACK); break;
        case kThumbPosition: page.Drag(s.nPos, TB_THUMBPOSITION); break;
        }
        EXPECT_EQ(page.Text(1025), s.pszText);
        EXPECT_EQ(page.TrackPos(), std::atoi(page.Text(1025).c_str()));
    }
}

TEST_F(Pages, CancelRestoresEverythingAndOkStoresEveryField)
{
    const std::string sHourWave = MakeWaveFile("hour.wav"), sHalfWave = MakeWaveFile("half.wav");
    const std::string sFolder = sHourWave.substr(0, sHourWave.rfind('\\'));
    {
        SCOPED_TRACE("changes, then Cancel from the Window page");
        Sheet sheet(app_);
        ASSERT_NE(sheet.hWnd, nullptr);
        const Page clock = sheet.Show(1);
        EXPECT_TRUE(clock.Enabled(1030) && clock.Enabled(1010) && clock.Enabled(1020));
        EXPECT_FALSE(clock.Enabled(1031) || clock.Enabled(1012) || clock.Enabled(1021));
        EXPECT_EQ(clock.Text(1025), "40");
        EXPECT_EQ(clock.TrackPos(), 40);
        CheckPercentControls(clock, "40");
        clock.Click(1009);
        clock.Click(1011);
        EXPECT_FALSE(clock.Enabled(1030) || clock.Enabled(1010) || clock.Enabled(1020));
        EXPECT_TRUE(clock.Enabled(1031) && clock.Enabled(1012) && clock.Enabled(1021));
        EXPECT_EQ(clock.Text(1010), "hour-before.wav") << "a disabled group keeps its text";
        PickWaveFile(app_, clock, 1021, sHalfWave, false);
        EXPECT_EQ(clock.Text(1012), sHalfWave);
        for (int id : {1006, 1007, 1008})
            clock.Click(id);
        const Page chara = sheet.Show(2);
        EXPECT_EQ(chara.Text(1025), "0");
        CheckPercentControls(chara, "0");
        chara.Select(1021, 5);
        for (int id : {1009, 1010, 1011, 1012})
            chara.Click(id);
        // The Clock page was left for another, so the Cancel reaches neither of these pages.
        sheet.Show(0);
        ASSERT_TRUE(sheet.Close(5));
    }
    {
        SCOPED_TRACE("a second sheet shows the restored values, and OK stores them unchanged");
        Sheet sheet(app_);
        const Page clock = sheet.Show(1);
        EXPECT_EQ(clock.Text(1025), "40");
        EXPECT_EQ(clock.Text(1012), "half-before.wav");
        EXPECT_TRUE(clock.Checked(1009) && !clock.Checked(1011) && !clock.Checked(1006));
        const Page chara = sheet.Show(2);
        EXPECT_EQ(chara.Text(1025), "0");
        EXPECT_TRUE(chara.Checked(1010) && !chara.Checked(1009));
        ASSERT_TRUE(sheet.Close(4));
        SettingsRecord stored = StoredRecord();
        for (const SettingField &field : SettingFields)
            if (std::strstr(field.pszName, "Old"))
                continue;  // the time check's own memory
            else if (field.kind == kSettingNumber)
                EXPECT_EQ(*SettingNumber(&stored, field), *SettingNumber(&initial_, field)) << field.pszName;
            else
                EXPECT_STREQ(SettingString(&stored, field), SettingString(&initial_, field)) << field.pszName;
    }
    {
        SCOPED_TRACE("changes, then OK");
        Sheet sheet(app_);
        SetWindowPos(sheet.hWnd, nullptr, 500, 380, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const Page chara = sheet.Show(2);
        const std::vector<DWORD> opaque = SettledPanel(220, 100);
        chara.Drag(50, TB_THUMBTRACK);
        EXPECT_TRUE(PanelTurns(220, 100, opaque, false)) << "the character fades while the thumb moves";
        chara.SetText(1025, "0");
        EXPECT_TRUE(PanelTurns(220, 100, opaque, true));
        const Page clock = sheet.Show(1);
        const std::vector<DWORD> page = SettledPanel(100, 100);
        clock.Click(1008);
        EXPECT_TRUE(PanelTurns(100, 100, page, false)) << "the rokuyo appears on the calendar page at once";
        clock.Click(1008);
        PostMessageA(app_.hWnd, WM_COMMAND, IDM_CALENDAR, 0);  // the overlay shows only without the page
        ASSERT_TRUE(e2e::WaitFor([&] {
            RECT rc;
            return GetWindowRect(app_.hWnd, &rc) && rc.right - rc.left == 120;
        }));
        const std::vector<DWORD> overlay = SettledPanel(220, 100);
        clock.Drag(100, TB_THUMBTRACK);
        EXPECT_TRUE(PanelTurns(220, 100, overlay, false)) << "the clock overlay fades while the thumb moves";
        PostMessageA(app_.hWnd, WM_COMMAND, IDM_CALENDAR, 0);
        PickWaveFile(app_, clock, 1020, sHalfWave, true);
        EXPECT_EQ(clock.Text(1010), "hour-before.wav") << "a cancelled dialog changes nothing";
        PickWaveFile(app_, clock, 1020, sHourWave, false);
        clock.Click(1011);
        PickWaveFile(app_, clock, 1021, sHalfWave, false);
        clock.Click(1009);  // disabled, still stored
        for (int id : {1006, 1007, 1008})
            clock.Click(id);
        clock.Drag(70, TB_THUMBPOSITION);
        sheet.Show(2);
        chara.Select(1021, 12);
        chara.Click(1009);
        chara.Click(1011);
        chara.SetText(1025, "35");
        ASSERT_TRUE(sheet.Close(4));
        const SettingsRecord s = StoredRecord();
        EXPECT_STREQ(s.szWave, sHourWave.c_str());
        EXPECT_STREQ(s.szWave30, sHalfWave.c_str());
        EXPECT_STREQ(s.szCurrentWave, sFolder.c_str());
        EXPECT_EQ((std::array<int32_t, 6>{s.b24, s.bSecond, s.b6, s.bAlarm, s.bAlarm30, s.nTransparentCal}),
                  (std::array<int32_t, 6>{1, 1, 1, 0, 1, 70}));
        EXPECT_EQ((std::array<int32_t, 6>{s.bChara0, s.bChara1, s.bChara2, s.bRandom, s.nChangeTiming, s.nTransparent}),
                  (std::array<int32_t, 6>{1, 0, 1, 1, 12, 35}));
    }
    EXPECT_EQ(app_.Exit(), 0);
}

}  // namespace
