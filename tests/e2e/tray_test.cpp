// The tray icon and the context menu of the running vespin.exe, seen and driven from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "tests/common/tray_probe.h"
#include "tests/e2e/e2e_harness.h"

namespace {

struct MenuWalk {
    DWORD dwPid;
    std::vector<HWND> menus;
};

BOOL CALLBACK AddShownMenu(HWND hWnd, LPARAM lParam)
{
    auto *pWalk = reinterpret_cast<MenuWalk *>(lParam);
    char szClass[16] = "";
    DWORD dwPid = 0;
    if (GetClassNameA(hWnd, szClass, sizeof(szClass)) && lstrcmpA(szClass, "#32768") == 0 &&
        GetWindowThreadProcessId(hWnd, &dwPid) && dwPid == pWalk->dwPid && IsWindowVisible(hWnd))
        pWalk->menus.push_back(hWnd);
    return TRUE;
}

// The shown popup menus of the program. Listed at once: a walk with FindWindowEx stops early
// when the window it stands on is destroyed, and would then report no menu while one shows.
std::vector<HWND> MenuWindows(const e2e::Vespin &app)
{
    MenuWalk walk = {app.pi.dwProcessId, {}};
    EnumWindows(AddShownMenu, reinterpret_cast<LPARAM>(&walk));
    return walk.menus;
}

// Each run checks the icon is there unless saved away, then presses it with the left button,
// which only brings the window forward; then it opens the menu for every choice, by turns with a
// right press on the icon (at the cursor) and a right click on the window (at the click), and
// ends with the exit item, which saves the state and takes the icon away. The cursor is moved
// before the start, so no pointer event queued with an older position can reach the new process.
// Every step waits for what it needs, however slow the machine: each key goes in only once the
// menu it is meant for is shown.
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
        e2e::WriteDword("nChangeTiming", 13);  // no character change on a minute boundary
        e2e::WriteDword("nDrawChara", c.nDrawCharaBefore);
        e2e::WriteDword("bTaskTrayNoIcon", c.bTaskTrayNoIcon);
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        EXPECT_EQ(TrayIconExists(app.hWnd), c.bTaskTrayNoIcon == 0);
        // The window shows before the start has made it the foreground window.
        ASSERT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == app.hWnd; }));
        // Hidden, so taking the foreground moves no X focus: a late focus event of that move
        // would hand the foreground to the desktop and close the menus below.
        HWND hWndMine = CreateWindowExA(0, "STATIC", "", WS_POPUP, 600, 500, 50, 50, nullptr, nullptr, nullptr,
                                        nullptr);
        SetForegroundWindow(hWndMine);
        ASSERT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == hWndMine; }));
        DWORD_PTR result = 0;  // sent, not posted: handled when the call returns
        SendMessageTimeoutA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_LBUTTONDOWN, SMTO_NORMAL, 10000, &result);
        EXPECT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == app.hWnd; }));
        EXPECT_TRUE(MenuWindows(app).empty());
        DestroyWindow(hWndMine);
        for (size_t i = 0; i < c.keys.size(); ++i) {
            RECT rcWindow, rcMenu;
            GetWindowRect(app.hWnd, &rcWindow);
            if (i % 2 == 0)
                PostMessageA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
            else
                PostMessageA(app.hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 40));
            ASSERT_TRUE(e2e::WaitFor([&] {
                const std::vector<HWND> menus = MenuWindows(app);
                return menus.size() == 1 && GetWindowRect(menus[0], &rcMenu);
            }));
            EXPECT_EQ(std::pair(rcMenu.left, rcMenu.top),
                      i % 2 == 0 ? std::pair(350L, 250L) : std::pair(rcWindow.left + 30, rcWindow.top + 40));
            // Every key but the last opens a submenu.
            for (size_t k = 0; c.keys[i][k]; ++k) {
                ASSERT_TRUE(e2e::WaitFor([&] { return MenuWindows(app).size() == k + 1; })) << "before key " << k;
                const BYTE key = BYTE(c.keys[i][k]);
                keybd_event(key, 0, 0, 0);
                keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
            }
            ASSERT_TRUE(e2e::WaitFor([&] { return MenuWindows(app).empty(); }));
            // The page item posts the window a double click; a menu opened before it lands would
            // take it for a click outside and close.
            if (c.keys[i][0] == 'S') {
                EXPECT_TRUE(e2e::WaitFor([&] {
                    RECT rc;
                    return GetWindowRect(app.hWnd, &rc) && !EqualRect(&rc, &rcWindow);
                }));
            }
        }
        EXPECT_EQ(app.WaitExit(), 0);
        EXPECT_FALSE(TrayIconExists(app.hWnd));
        DWORD nDrawChara = 0, bStatus = 0;
        EXPECT_TRUE(e2e::ReadDword("nDrawChara", &nDrawChara) && e2e::ReadDword("bStatus", &bStatus));
        EXPECT_EQ(std::pair(nDrawChara, bStatus), std::pair(c.nDrawChara, c.bStatus));
    }
}

}  // namespace
