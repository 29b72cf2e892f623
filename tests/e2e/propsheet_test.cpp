// The property sheet of the running vespin.exe, worked from outside: its frame,
// the Window page's live preview, OK, Cancel, a log-off and an exit while it is open.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <map>
#include <set>
#include <string>

#include "res/resource.h"
#include "settings/settings.h"
#include "tests/e2e/e2e_harness.h"

namespace {

bool TrayIconExists(HWND hWnd)
{
    NOTIFYICONDATAA nid = {};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = hWnd;
    nid.uID = TRAY_ICON_ID;
    return Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}

// A visible top-level window of the program with this class (and title).
HWND FindOwnWindow(const e2e::Vespin &app, const char *pszClass, const char *pszTitle)
{
    HWND hWnd = nullptr;
    DWORD dwPid = 0;
    while ((hWnd = FindWindowExA(nullptr, hWnd, pszClass, pszTitle)) != nullptr)
        if (GetWindowThreadProcessId(hWnd, &dwPid) && dwPid == app.pi.dwProcessId && IsWindowVisible(hWnd))
            return hWnd;
    return nullptr;
}

HWND OpenSheet(const e2e::Vespin &app)
{
    PostMessageA(app.hWnd, WM_COMMAND, IDM_PROPERTY, 0);
    HWND hSheet = nullptr;
    e2e::WaitFor([&] { return (hSheet = FindOwnWindow(app, "#32770", "プロパティ")) != nullptr; });
    return hSheet;
}

// PSBTN_OK or PSBTN_CANCEL; true once the sheet has closed.
bool PressButton(const e2e::Vespin &app, HWND hSheet, int nButton)
{
    PostMessageA(hSheet, PSM_PRESSBUTTON, nButton, 0);
    return e2e::WaitFor([&] { return FindOwnWindow(app, "#32770", "プロパティ") == nullptr; });
}

HWND CurrentPage(HWND hSheet)
{
    return reinterpret_cast<HWND>(SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// As the combo box reports a user's choice; -1 leaves nothing selected.
void Choose(HWND hPage, int nId, int nIndex)
{
    HWND hCombo = GetDlgItem(hPage, nId);
    SendMessageA(hCombo, CB_SETCURSEL, nIndex, 0);
    SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hCombo));
}

void Click(HWND hPage, int nId)
{
    SendMessageA(GetDlgItem(hPage, nId), BM_CLICK, 0, 0);
}

bool Checked(HWND hPage, int nId)
{
    return SendMessageA(GetDlgItem(hPage, nId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Asked in UTF-16: Wine hands another process's ANSI request the item's UTF-16 text unconverted.
std::string ItemText(HWND hPage, int nId, int nIndex = -1)
{
    HWND hCombo = GetDlgItem(hPage, nId);
    if (nIndex < 0)
        nIndex = static_cast<int>(SendMessageW(hCombo, CB_GETCURSEL, 0, 0));
    wchar_t wide[256] = L"";
    SendMessageW(hCombo, CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(wide));
    char text[512] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof(text), nullptr, nullptr);
    return text;
}

int FindItem(HWND hPage, int nId, const wchar_t *pszText)
{
    return static_cast<int>(SendDlgItemMessageW(hPage, nId, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(pszText)));
}

bool WindowAt(HWND hWnd, RECT rcExpected)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return EqualRect(&rcExpected, &rc) != FALSE;
}

// Every stored value as text, but the time check's own two, which a paint may move on.
std::map<std::string, std::string> StoredRecord()
{
    std::map<std::string, std::string> values;
    for (const SettingField &field : SettingFields) {
        DWORD dw = 0;
        if (field.kind == kSettingString)
            e2e::ReadString(field.pszName, &values[field.pszName]);
        else if (e2e::ReadDword(field.pszName, &dw))
            values[field.pszName] = std::to_string(dw);
    }
    values.erase("nHourOld");
    values.erase("nMinuteOld");
    return values;
}

// The page shown on the left at (400, 300): the character panel at (520, 300).
constexpr RECT kStartRect = {400, 300, 640, 460};

TEST(Properties, PreviewLiveCancelRestoresOkSavesExitAndLogOffKeepTheRecordFromBefore)
{
    e2e::DeleteSettingsKey();
    e2e::WriteDefaultSettings();
    e2e::WriteDword("nChangeTiming", 13);  // no character change during the test
    e2e::WriteDword("nWindowX", 400);
    e2e::WriteDword("nWindowY", 300);
    const auto before = StoredRecord();
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(WindowAt(app.hWnd, kStartRect));
    HWND hSheet = OpenSheet(app);
    ASSERT_NE(hSheet, nullptr);

    // OK and Cancel only, no help button, the tabs in order.
    EXPECT_EQ(GetWindowLongA(hSheet, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(hSheet, IDOK)) && IsWindowVisible(GetDlgItem(hSheet, IDCANCEL)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(hSheet, 0x3021)) || IsWindowVisible(GetDlgItem(hSheet, IDHELP)));
    EXPECT_EQ(SendDlgItemMessageA(hSheet, 0x3020, TCM_GETITEMCOUNT, 0, 0), 4);
    for (const auto &[index, text] : {std::pair(3, "カレンダー"), std::pair(2, "キャラ"), std::pair(1, "時計"), std::pair(0, "ウィンドウ")}) {
        SendMessageA(hSheet, PSM_SETCURSEL, index, 0);
        char caption[32] = "";
        GetWindowTextA(CurrentPage(hSheet), caption, sizeof(caption));
        EXPECT_STREQ(caption, text);
    }
    HWND hPage = CurrentPage(hSheet);

    // The stored face, which the enumeration lists, is selected; every face shows once, none vertical.
    EXPECT_EQ(ItemText(hPage, IDC_FONT), "ＭＳ ゴシック");
    std::set<std::string> faces;
    for (int i = 0, n = static_cast<int>(SendDlgItemMessageA(hPage, IDC_FONT, CB_GETCOUNT, 0, 0)); i < n; ++i) {
        const std::string face = ItemText(hPage, IDC_FONT, i);
        EXPECT_TRUE(face[0] != '@' && faces.insert(face).second) << face;
    }

    // A corner disables the fixed-position box, keeping its check, and moves the window at once.
    Click(hPage, IDC_FIX);
    Choose(hPage, IDC_WINDOWPOS, 4);
    EXPECT_TRUE(!IsWindowEnabled(GetDlgItem(hPage, IDC_FIX)) && Checked(hPage, IDC_FIX));
    const int cxScreen = GetSystemMetrics(SM_CXSCREEN), cyScreen = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_TRUE(WindowAt(app.hWnd, {cxScreen - 240, cyScreen - 160, cxScreen, cyScreen}));
    Choose(hPage, IDC_WINDOWPOS, 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hPage, IDC_FIX)));
    EXPECT_TRUE(WindowAt(app.hWnd, kStartRect));

    // With the page shown the character keeps its place wherever the page goes; hidden, nothing moves.
    const struct { int nPos; RECT rc; } shown[] = {
        {0, {520, 140, 640, 460}}, {1, {520, 300, 760, 460}}, {2, {520, 300, 640, 620}}, {3, kStartRect},
    };
    for (const auto &s : shown) {
        Choose(hPage, IDC_CALENDARPOS, s.nPos);
        EXPECT_TRUE(WindowAt(app.hWnd, s.rc)) << s.nPos;
    }
    PostMessageA(app.hWnd, WM_COMMAND, IDM_CALENDAR, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return WindowAt(app.hWnd, {520, 300, 640, 460}); }));
    Choose(hPage, IDC_CALENDARPOS, 0);
    EXPECT_TRUE(WindowAt(app.hWnd, {520, 300, 640, 460}));

    // The tray icon goes and comes back with the box, before the sheet closes.
    for (const bool bIcon : {false, true, false}) {
        Click(hPage, IDC_TRAYNOICON);
        EXPECT_EQ(TrayIconExists(app.hWnd), bIcon);
    }
    Click(hPage, IDC_TOPMOST);
    Click(hPage, IDC_AWAYTASKBAR);
    Choose(hPage, IDC_FONT, FindItem(hPage, IDC_FONT, L"ＭＳ Ｐゴシック"));

    // Cancel brings back the record, the window and the tray icon; opened again, the page
    // shows the record as it was, and OK at once stores it unchanged.
    ASSERT_TRUE(PressButton(app, hSheet, PSBTN_CANCEL));
    EXPECT_TRUE(e2e::WaitFor([&] { return WindowAt(app.hWnd, kStartRect) && TrayIconExists(app.hWnd); }));
    EXPECT_EQ(GetWindowLongA(app.hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    hSheet = OpenSheet(app);
    ASSERT_NE(hSheet, nullptr);
    hPage = CurrentPage(hSheet);
    for (const int nId : {IDC_TOPMOST, IDC_AWAYTASKBAR, IDC_TRAYNOICON, IDC_FIX})
        EXPECT_FALSE(Checked(hPage, nId)) << nId;
    EXPECT_EQ(ItemText(hPage, IDC_CALENDARPOS) + ItemText(hPage, IDC_FONT), "キャラクタの左に表示ＭＳ ゴシック");
    ASSERT_TRUE(PressButton(app, hSheet, PSBTN_OK));
    EXPECT_EQ(StoredRecord(), before);

    // OK stores every field; a choice that selects nothing stores nothing.
    hSheet = OpenSheet(app);
    ASSERT_NE(hSheet, nullptr);
    hPage = CurrentPage(hSheet);
    for (const int nId : {IDC_TOPMOST, IDC_AWAYTASKBAR, IDC_TRAYNOICON, IDC_FIX})
        Click(hPage, nId);
    Choose(hPage, IDC_WINDOWPOS, 2);
    Choose(hPage, IDC_CALENDARPOS, 1);
    Choose(hPage, IDC_FONT, FindItem(hPage, IDC_FONT, L"ＭＳ Ｐゴシック"));
    for (const int nId : {IDC_WINDOWPOS, IDC_CALENDARPOS, IDC_FONT})
        Choose(hPage, nId, -1);
    ASSERT_TRUE(PressButton(app, hSheet, PSBTN_OK));
    auto expected = before;
    for (const char *name : {"bTopMost", "bAwayTaskBar", "bTaskTrayNoIcon", "bFix"})
        expected[name] = "1";
    expected["nWindowPos"] = "2";
    expected["nCalendarPos"] = "1";
    expected["nWindowX"] = "520";  // the page moved from the left to the right of the character
    expected["szFont"] = "ＭＳ Ｐゴシック";
    e2e::WaitFor([&] { return StoredRecord() == expected; });
    EXPECT_EQ(StoredRecord(), expected);
    EXPECT_NE(GetWindowLongA(app.hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_FALSE(TrayIconExists(app.hWnd));
    // Wine's taskbar lies along the bottom edge, so the top right corner is the screen's.
    EXPECT_TRUE(e2e::WaitFor([&] { return WindowAt(app.hWnd, {cxScreen - 240, 0, cxScreen, 160}); }));

    // A log-off while the sheet is open stores the record from before it opened, not the preview.
    hSheet = OpenSheet(app);
    ASSERT_NE(hSheet, nullptr);
    hPage = CurrentPage(hSheet);
    e2e::WriteDword("bTopMost", 7);  // a value no save would write
    Click(hPage, IDC_TOPMOST);
    Choose(hPage, IDC_WINDOWPOS, 4);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(app.hWnd, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &result);
    EXPECT_EQ(StoredRecord(), expected);

    // 終了 from the tray menu while the sheet is open: the sheet is cancelled, then the
    // program ends, saving the restored record.
    e2e::WriteDword("bTopMost", 7);
    PostMessageA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
    ASSERT_TRUE(e2e::WaitFor([&] { return FindOwnWindow(app, "#32768", nullptr) != nullptr; }));
    keybd_event('X', 0, 0, 0);
    keybd_event('X', 0, KEYEVENTF_KEYUP, 0);
    EXPECT_EQ(app.WaitExit(), 0);
    EXPECT_EQ(StoredRecord(), expected);

    // A stored face that is not listed shows item 0 and is kept.
    e2e::WriteString("szFont", "存在しない書体");
    e2e::Vespin again;
    ASSERT_TRUE(again.Start());
    hSheet = OpenSheet(again);
    ASSERT_NE(hSheet, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(CurrentPage(hSheet), IDC_FONT, CB_GETCURSEL, 0, 0), 0);
    ASSERT_TRUE(PressButton(again, hSheet, PSBTN_OK));
    EXPECT_EQ(again.Exit(), 0);
    std::string face;
    EXPECT_TRUE(e2e::ReadString("szFont", &face));
    EXPECT_EQ(face, "存在しない書体");
    e2e::DeleteSettingsKey();
}

}  // namespace
