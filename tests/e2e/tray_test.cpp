// The tray icon and the context menu of the running vespin.exe, seen and driven from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <utility>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/e2e_harness.h"

namespace {

// A modify succeeds only while the icon of that window and id exists.
bool TrayIconExists(HWND hWnd)
{
    NOTIFYICONDATAA nid = {};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = hWnd;
    nid.uID = TRAY_ICON_ID;
    return Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}

// The shown popup menu of the program, or null.
HWND FindMenuWindow(const e2e::Vespin &app)
{
    HWND hWnd = nullptr;
    DWORD dwPid = 0;
    while ((hWnd = FindWindowExA(nullptr, hWnd, "#32768", nullptr)) != nullptr)
        if (GetWindowThreadProcessId(hWnd, &dwPid) && dwPid == app.pi.dwProcessId && IsWindowVisible(hWnd))
            return hWnd;
    return nullptr;
}

TEST(Tray, IconExistsWhileRunningUnlessSavedAway)
{
    e2e::DeleteSettingsKey();
    e2e::WriteDefaultSettings();
    for (const DWORD bTaskTrayNoIcon : {0u, 1u}) {
        SCOPED_TRACE(testing::Message() << "bTaskTrayNoIcon " << bTaskTrayNoIcon);
        e2e::WriteDword("bTaskTrayNoIcon", bTaskTrayNoIcon);
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        EXPECT_EQ(TrayIconExists(app.hWnd), bTaskTrayNoIcon == 0);
        EXPECT_EQ(app.Exit(), 0);
        EXPECT_FALSE(TrayIconExists(app.hWnd));
    }
}

// Each run first presses the icon with the left button, which only brings the window forward;
// then it opens the menu for every choice, by turns with a right press on the icon (at the
// cursor) and a right click on the window (at the click), and ends with the exit item. The
// cursor is moved before the start, so no pointer event queued with an older position can
// reach the new process after the move.
TEST(Tray, MenuOpensWhereItIsAskedForAndItsKeysDoTheirCommands)
{
    SetCursorPos(350, 250);
    ASSERT_TRUE(e2e::WaitFor([pt = POINT()]() mutable { return GetCursorPos(&pt) && pt.x == 350 && pt.y == 250; }));
    const struct { std::vector<const char *> keys; DWORD nDrawCharaBefore, nDrawChara, bStatus; } cases[] = {
        {{"C0", "S", "X"}, 2, 0, 0}, {{"C1", "X"}, 0, 1, 1}, {{"C2", "X"}, 0, 2, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.keys[0]);
        e2e::DeleteSettingsKey();
        e2e::WriteDefaultSettings();
        e2e::WriteDword("nDrawChara", c.nDrawCharaBefore);
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        HWND hWndMine = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 600, 500, 50, 50, nullptr, nullptr,
                                        nullptr, nullptr);
        SetForegroundWindow(hWndMine);
        ASSERT_EQ(GetForegroundWindow(), hWndMine);
        DWORD_PTR result = 0;  // sent, not posted: handled when the call returns
        SendMessageTimeoutA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_LBUTTONDOWN, SMTO_NORMAL, 5000, &result);
        EXPECT_EQ(std::pair(GetForegroundWindow(), FindMenuWindow(app)), std::pair(app.hWnd, HWND(nullptr)));
        DestroyWindow(hWndMine);
        for (size_t i = 0; i < c.keys.size(); ++i) {
            RECT rcWindow, rcMenu;
            GetWindowRect(app.hWnd, &rcWindow);
            if (i % 2 == 0)
                PostMessageA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
            else
                PostMessageA(app.hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 40));
            ASSERT_TRUE(e2e::WaitFor([&] { return GetWindowRect(FindMenuWindow(app), &rcMenu) != FALSE; }));
            EXPECT_EQ(std::pair(rcMenu.left, rcMenu.top),
                      i % 2 == 0 ? std::pair(350L, 250L) : std::pair(rcWindow.left + 30, rcWindow.top + 40));
            for (const char *p = c.keys[i]; *p; ++p) {
                keybd_event(BYTE(*p), 0, 0, 0);
                keybd_event(BYTE(*p), 0, KEYEVENTF_KEYUP, 0);
            }
            ASSERT_TRUE(e2e::WaitFor([&] { return FindMenuWindow(app) == nullptr; }));
        }
        EXPECT_EQ(app.WaitExit(), 0);
        EXPECT_FALSE(TrayIconExists(app.hWnd));
        DWORD nDrawChara = 0, bStatus = 0;
        EXPECT_TRUE(e2e::ReadDword("nDrawChara", &nDrawChara) && e2e::ReadDword("bStatus", &bStatus));
        EXPECT_EQ(std::pair(nDrawChara, bStatus), std::pair(c.nDrawChara, c.bStatus));
    }
}

}  // namespace
