// The tray icon and the context menu of the running vespin.exe, seen and driven from outside.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

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

struct MenuSearch {
    DWORD dwProcessId;
    HWND hFound;
};

BOOL CALLBACK FindMenuProc(HWND hWnd, LPARAM lParam)
{
    MenuSearch *search = reinterpret_cast<MenuSearch *>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    char cls[16];
    GetClassNameA(hWnd, cls, sizeof(cls));
    if (pid == search->dwProcessId && lstrcmpA(cls, "#32768") == 0 && IsWindowVisible(hWnd)) {
        search->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

// The open popup menu of process pid, or null.
HWND FindMenuWindow(DWORD dwProcessId)
{
    MenuSearch search = {dwProcessId, nullptr};
    EnumWindows(FindMenuProc, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

void PressKey(WORD wVk)
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = wVk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

POINT TopLeft(HWND hWnd)
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    return {rc.left, rc.top};
}

DWORD StoredDword(const char *pszName)
{
    DWORD dw = 0xDEADBEEF;
    e2e::ReadDword(pszName, &dw);
    return dw;
}

class TrayTest : public testing::Test {
protected:
    void SetUp() override
    {
        e2e::DeleteSettingsKey();
        e2e::WriteDefaultSettings();
        e2e::WriteDword("nWindowPos", 0);
        e2e::WriteDword("nWindowX", 400);
        e2e::WriteDword("nWindowY", 300);
        e2e::WriteDword("bStatus", 0);
    }

    bool Start()
    {
        if (!app.Start())
            return false;
        dwPid = app.pi.dwProcessId;
        return true;
    }

    // The menu that a posted message opens; null when none opened.
    HWND WaitForMenu()
    {
        HWND hMenu = nullptr;
        e2e::WaitFor([&] { return (hMenu = FindMenuWindow(dwPid)) != nullptr; });
        return hMenu;
    }

    bool WaitForMenuClosed()
    {
        return e2e::WaitFor([&] { return FindMenuWindow(dwPid) == nullptr; });
    }

    e2e::Vespin app;
    DWORD dwPid = 0;
};

TEST_F(TrayTest, IconExistsWhileRunningUnlessSavedAway)
{
    struct Case {
        DWORD bTaskTrayNoIcon;
        bool shown;
    } cases[] = {{0, true}, {1, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "bTaskTrayNoIcon " << c.bTaskTrayNoIcon);
        e2e::WriteDword("bTaskTrayNoIcon", c.bTaskTrayNoIcon);
        e2e::Vespin one;
        ASSERT_TRUE(one.Start());
        EXPECT_EQ(TrayIconExists(one.hWnd), c.shown);
        EXPECT_EQ(one.Exit(), 0);
        EXPECT_FALSE(TrayIconExists(one.hWnd));
        EXPECT_EQ(StoredDword("bTaskTrayNoIcon"), c.bTaskTrayNoIcon);
    }
}

TEST_F(TrayTest, RightPressOnTheIconOpensTheMenuAtTheCursor)
{
    // Moved before the start, so no pointer event queued with an older position
    // can reach the new process after the move.
    SetCursorPos(350, 250);
    ASSERT_TRUE(e2e::WaitFor([] {
        POINT pt;
        return GetCursorPos(&pt) && pt.x == 350 && pt.y == 250;
    }));
    ASSERT_TRUE(Start());
    PostMessageA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
    HWND hMenu = WaitForMenu();
    ASSERT_NE(hMenu, nullptr);
    EXPECT_EQ(TopLeft(hMenu).x, 350);
    EXPECT_EQ(TopLeft(hMenu).y, 250);
    EXPECT_EQ(GetForegroundWindow(), app.hWnd);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForMenuClosed());
    EXPECT_EQ(app.Exit(), 0);
    EXPECT_EQ(StoredDword("bStatus"), 0u);
}

TEST_F(TrayTest, LeftPressOnTheIconOnlyBringsTheWindowForward)
{
    ASSERT_TRUE(Start());
    HWND hWndMine = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 600, 500, 50, 50, nullptr, nullptr,
                                    nullptr, nullptr);
    SetForegroundWindow(hWndMine);
    ASSERT_EQ(GetForegroundWindow(), hWndMine);
    DWORD_PTR result = 0;
    // Sent, not posted: it has been handled when the call returns.
    ASSERT_NE(SendMessageTimeoutA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_LBUTTONDOWN, SMTO_NORMAL, 5000, &result),
              0);
    EXPECT_EQ(GetForegroundWindow(), app.hWnd);
    EXPECT_EQ(FindMenuWindow(dwPid), nullptr);
    DestroyWindow(hWndMine);
    EXPECT_EQ(app.Exit(), 0);
    EXPECT_EQ(StoredDword("bStatus"), 0u);
}

TEST_F(TrayTest, RightClickOnTheWindowOpensTheMenuAtTheClick)
{
    ASSERT_TRUE(Start());
    const POINT window = TopLeft(app.hWnd);
    SetForegroundWindow(app.hWnd);
    PostMessageA(app.hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 40));
    HWND hMenu = WaitForMenu();
    ASSERT_NE(hMenu, nullptr);
    EXPECT_EQ(TopLeft(hMenu).x, window.x + 30);
    EXPECT_EQ(TopLeft(hMenu).y, window.y + 40);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForMenuClosed());
    EXPECT_EQ(app.Exit(), 0);
}

TEST_F(TrayTest, MenuItemsChosenByKeyboardDoTheirCommands)
{
    struct Case {
        const char *keys;
        DWORD nDrawCharaBefore, nDrawChara, bStatus;
    } cases[] = {
        {"C0", 2, 0, 0},
        {"C1", 0, 1, 0},
        {"C2", 0, 2, 0},
        {"S", 0, 0, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.keys);
        e2e::WriteDword("nDrawChara", c.nDrawCharaBefore);
        e2e::Vespin one;
        ASSERT_TRUE(one.Start());
        PostMessageA(one.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
        ASSERT_TRUE(e2e::WaitFor([&] { return FindMenuWindow(one.pi.dwProcessId) != nullptr; }));
        for (const char *p = c.keys; *p; ++p)
            PressKey(static_cast<WORD>(*p));
        ASSERT_TRUE(e2e::WaitFor([&] { return FindMenuWindow(one.pi.dwProcessId) == nullptr; }));
        EXPECT_EQ(one.Exit(), 0);
        EXPECT_EQ(StoredDword("nDrawChara"), c.nDrawChara);
        EXPECT_EQ(StoredDword("bStatus"), c.bStatus);
    }
}

TEST_F(TrayTest, ExitFromTheMenuEndsWithZero)
{
    ASSERT_TRUE(Start());
    PostMessageA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
    ASSERT_NE(WaitForMenu(), nullptr);
    PressKey('X');
    EXPECT_EQ(app.WaitExit(), 0);
    EXPECT_FALSE(TrayIconExists(app.hWnd));
}

}  // namespace
