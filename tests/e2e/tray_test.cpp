// The tray icon and the context menu of the running vespin.exe, seen and driven from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "tests/common/tray_probe.h"
#include "tests/e2e/e2e_harness.h"

namespace {

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

// Each run checks the icon is there unless saved away, then presses it with the left button,
// which only brings the window forward; then it opens the menu for every choice, by turns with a
// right press on the icon (at the cursor) and a right click on the window (at the click), and
// ends with the exit item, which saves the state and takes the icon away. The cursor is moved
// before the start, so no pointer event queued with an older position can reach the new process.
TEST(Tray, IconFollowsItsFlagAndTheMenuOpensWhereAskedAndItsKeysDoTheirCommands)
{
    SetCursorPos(350, 250);
    ASSERT_TRUE(e2e::WaitFor([pt = POINT()]() mutable { return GetCursorPos(&pt) && pt.x == 350 && pt.y == 250; }));
    const struct {
        std::vector<const char *> keys;
        DWORD bTaskTrayNoIcon, nDrawCharaBefore, nDrawChara, bStatus;
    } cases[] = {{{"C0", "S", "X"}, 0, 2, 0, 0}, {{"C1", "X"}, 1, 0, 1, 1}, {{"C2", "X"}, 0, 0, 2, 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.keys[0]);
        e2e::DeleteSettingsKey();
        e2e::WriteDefaultSettings();
        e2e::WriteDword("nDrawChara", c.nDrawCharaBefore);
        e2e::WriteDword("bTaskTrayNoIcon", c.bTaskTrayNoIcon);
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        EXPECT_EQ(TrayIconExists(app.hWnd), c.bTaskTrayNoIcon == 0);
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
