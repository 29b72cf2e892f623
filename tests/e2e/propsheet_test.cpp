// The property sheet of the running vespin.exe, worked from outside: its frame,
// the Window page's live preview, OK, Cancel, Esc, the close box, a log-off and an exit while it is open.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <set>
#include <string>

#include "res/resource.h"
#include "tests/common/tray_probe.h"
#include "tests/e2e/e2e_harness.h"

namespace {

bool WindowAt(HWND hWnd, RECT rcExpected)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return EqualRect(&rcExpected, &rc) != FALSE;
}

// The page shown on the left at (400, 300): the character panel at (520, 300).
constexpr RECT kStartRect = {400, 300, 640, 460};
constexpr int kBoxes[] = {IDC_TOPMOST, IDC_AWAYTASKBAR, IDC_TRAYNOICON, IDC_FIX};

TEST(Properties, PreviewLiveCancelRestoresOkSavesExitAndLogOffKeepTheRecordFromBefore)
{
    e2e::DeleteSettingsKey();
    e2e::WriteDefaultSettings();
    e2e::WriteDword("nChangeTiming", 13);  // no character change during the test
    e2e::WriteDword("nWindowX", 400);
    e2e::WriteDword("nWindowY", 300);
    const auto before = e2e::StoredValues();
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(WindowAt(app.hWnd, kStartRect));
    HWND hSheet = e2e::OpenSheet(app);
    ASSERT_NE(hSheet, nullptr);

    // Run once more with an English code page: the texts below are read back in UTF-16 all the same.
    if (const char *pszAcp = std::getenv("VESPIN_EXPECT_ACP")) {
        EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(pszAcp)));
    }
    // OK and Cancel only, no help button, the tabs in order.
    EXPECT_EQ(GetWindowLongA(hSheet, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(hSheet, IDOK)) && IsWindowVisible(GetDlgItem(hSheet, IDCANCEL)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(hSheet, 0x3021)) || IsWindowVisible(GetDlgItem(hSheet, IDHELP)));
    EXPECT_EQ(SendDlgItemMessageA(hSheet, 0x3020, TCM_GETITEMCOUNT, 0, 0), 6);
    for (const auto &[index, text] : {std::pair(5, "控えめ"), std::pair(4, "時報"), std::pair(3, "カレンダー"),
                                      std::pair(2, "キャラ"), std::pair(1, "時計"), std::pair(0, "ウィンドウ")})
        EXPECT_EQ(e2e::WindowText(e2e::ShowPage(hSheet, index).hWnd), text);
    e2e::Page page = e2e::ShowPage(hSheet, 0);
    EXPECT_EQ(e2e::WindowText(page.Item(IDC_TOPMOST)), "ウィンドウは常に手前に表示する(&T)");

    // The stored face, which the enumeration lists, is selected; every face shows once, none vertical.
    EXPECT_EQ(page.ComboText(IDC_FONT), "ＭＳ ゴシック");
    std::set<std::string> faces;
    for (int i = 0, n = static_cast<int>(SendMessageA(page.Item(IDC_FONT), CB_GETCOUNT, 0, 0)); i < n; ++i) {
        const std::string face = page.ComboText(IDC_FONT, i);
        EXPECT_TRUE(face[0] != '@' && faces.insert(face).second) << face;
    }
    const int nPGothic = static_cast<int>(SendMessageW(page.Item(IDC_FONT), CB_FINDSTRINGEXACT, -1, LPARAM(L"ＭＳ Ｐゴシック")));

    // A corner disables the fixed-position box, keeping its check, and moves the window at once.
    page.Click(IDC_FIX);
    page.Select(IDC_WINDOWPOS, 4);
    EXPECT_TRUE(!IsWindowEnabled(page.Item(IDC_FIX)) && page.Checked(IDC_FIX));
    const int cxScreen = GetSystemMetrics(SM_CXSCREEN), cyScreen = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_TRUE(WindowAt(app.hWnd, {cxScreen - 240, cyScreen - 160, cxScreen, cyScreen}));
    page.Select(IDC_WINDOWPOS, 0);
    EXPECT_TRUE(IsWindowEnabled(page.Item(IDC_FIX)) && WindowAt(app.hWnd, kStartRect));

    // With the page shown the character keeps its place wherever the page goes; hidden, nothing moves.
    const struct { int nPos; RECT rc; } shown[] = {
        {0, {520, 140, 640, 460}}, {1, {520, 300, 760, 460}}, {2, {520, 300, 640, 620}}, {3, kStartRect},
    };
    for (const auto &s : shown) {
        page.Select(IDC_CALENDARPOS, s.nPos);
        EXPECT_TRUE(WindowAt(app.hWnd, s.rc)) << s.nPos;
    }
    PostMessageA(app.hWnd, WM_COMMAND, IDM_CALENDAR, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return WindowAt(app.hWnd, {520, 300, 640, 460}); }));
    page.Select(IDC_CALENDARPOS, 0);
    EXPECT_TRUE(WindowAt(app.hWnd, {520, 300, 640, 460}));

    // The tray icon goes and comes back with the box, before the sheet closes.
    for (const bool bIcon : {false, true, false}) {
        page.Click(IDC_TRAYNOICON);
        EXPECT_EQ(TrayIconExists(app.hWnd), bIcon);
    }
    page.Click(IDC_TOPMOST);
    page.Click(IDC_AWAYTASKBAR);
    page.Select(IDC_FONT, nPGothic);

    // Cancel brings back the options, the window and the tray icon, but not the page the menu hid
    // meanwhile, which was no choice of the sheet's; shown again, all is as before. Opened again,
    // the page shows the record as it was, and OK at once stores it unchanged.
    ASSERT_TRUE(e2e::CloseSheet(hSheet, PSBTN_CANCEL));
    EXPECT_TRUE(e2e::WaitFor([&] { return WindowAt(app.hWnd, {520, 300, 640, 460}) && TrayIconExists(app.hWnd); }));
    EXPECT_EQ(GetWindowLongA(app.hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    PostMessageA(app.hWnd, WM_COMMAND, IDM_CALENDAR, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return WindowAt(app.hWnd, kStartRect); }));

    // Esc (a key the sheet's dialog loop reads) and the close box cancel as Cancel does.
    for (const bool bEscape : {true, false}) {
        ASSERT_NE(hSheet = e2e::OpenSheet(app), nullptr);
        page = e2e::ShowPage(hSheet, 0);
        page.Click(IDC_TRAYNOICON);
        page.Select(IDC_WINDOWPOS, 4);
        EXPECT_FALSE(WindowAt(app.hWnd, kStartRect));
        if (bEscape)
            PostMessageA(GetDlgItem(hSheet, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
        else
            PostMessageA(hSheet, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(hSheet); })) << (bEscape ? "Esc" : "close box");
        EXPECT_TRUE(e2e::WaitFor([&] { return WindowAt(app.hWnd, kStartRect) && TrayIconExists(app.hWnd); }));
    }
    ASSERT_NE(hSheet = e2e::OpenSheet(app), nullptr);
    page = e2e::ShowPage(hSheet, 0);
    for (const int nId : kBoxes)
        EXPECT_FALSE(page.Checked(nId)) << nId;
    EXPECT_EQ(page.ComboText(IDC_CALENDARPOS) + page.ComboText(IDC_FONT), "キャラクタの左に表示ＭＳ ゴシック");
    ASSERT_TRUE(e2e::CloseSheet(hSheet, PSBTN_OK));
    EXPECT_EQ(e2e::StoredValues(), before);

    // OK stores every field; a choice that selects nothing stores nothing.
    ASSERT_NE(hSheet = e2e::OpenSheet(app), nullptr);
    page = e2e::ShowPage(hSheet, 0);
    for (const int nId : kBoxes)
        page.Click(nId);
    for (const auto &[nId, nIndex] : {std::pair(IDC_WINDOWPOS, 2), std::pair(IDC_CALENDARPOS, 1), std::pair(IDC_FONT, nPGothic)}) {
        page.Select(nId, nIndex);
        page.Select(nId, -1);
    }
    ASSERT_TRUE(e2e::CloseSheet(hSheet, PSBTN_OK));
    auto expected = before;
    for (const char *name : {"bTopMost", "bAwayTaskBar", "bTaskTrayNoIcon", "bFix", "nCalendarPos"})
        expected[name] = "1";
    // The page moved from the left to the right of the character.
    expected["nWindowPos"] = "2", expected["nWindowX"] = "520", expected["szFont"] = "ＭＳ Ｐゴシック";
    e2e::WaitFor([&] { return e2e::StoredValues() == expected; });
    EXPECT_EQ(e2e::StoredValues(), expected);
    EXPECT_NE(GetWindowLongA(app.hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_FALSE(TrayIconExists(app.hWnd));
    // Wine's taskbar lies along the bottom edge, so the top right corner is the screen's.
    EXPECT_TRUE(e2e::WaitFor([&] { return WindowAt(app.hWnd, {cxScreen - 240, 0, cxScreen, 160}); }));

    // A log-off while the sheet is open stores the record from before it opened, not the preview.
    ASSERT_NE(hSheet = e2e::OpenSheet(app), nullptr);
    page = e2e::ShowPage(hSheet, 0);
    e2e::WriteDword("bTopMost", 7);  // a value no save would write
    page.Click(IDC_TOPMOST);
    page.Select(IDC_WINDOWPOS, 4);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(app.hWnd, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &result);
    EXPECT_EQ(e2e::StoredValues(), expected);

    // 終了 from the tray menu while the sheet is open: the sheet is cancelled, then the
    // program ends, saving the restored record.
    e2e::WriteDword("bTopMost", 7);
    PostMessageA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
    ASSERT_NE(e2e::WaitForOwnWindow(app, "#32768", nullptr), nullptr);
    keybd_event('X', 0, 0, 0);
    keybd_event('X', 0, KEYEVENTF_KEYUP, 0);
    EXPECT_EQ(app.WaitExit(), 0);
    EXPECT_EQ(e2e::StoredValues(), expected);

    // A stored face that is not listed shows item 0 and is kept.
    e2e::WriteString("szFont", "存在しない書体");
    e2e::Vespin again;
    ASSERT_TRUE(again.Start());
    ASSERT_NE(hSheet = e2e::OpenSheet(again), nullptr);
    EXPECT_EQ(SendMessageA(e2e::ShowPage(hSheet, 0).Item(IDC_FONT), CB_GETCURSEL, 0, 0), 0);
    ASSERT_TRUE(e2e::CloseSheet(hSheet, PSBTN_OK));
    EXPECT_EQ(again.Exit(), 0);
    EXPECT_EQ(e2e::StoredValues()["szFont"], "存在しない書体");
    e2e::DeleteSettingsKey();
}

}  // namespace
