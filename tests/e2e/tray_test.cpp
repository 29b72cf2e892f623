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

// The shown popup menu of the program, or null.
HWND FindMenuWindow(const e2e::Vespin &app)
{
    for (HWND hWnd = nullptr; (hWnd = FindWindowExA(nullptr, hWnd, "#32768", nullptr)) != nullptr;) {
        DWORD dwPid = 0;
        GetWindowThreadProcessId(hWnd, &dwPid);
        if (dwPid == app.pi.dwProcessId && IsWindowVisible(hWnd))
            return hWnd;
    }
    return nullptr;
}

// The top-left corner of the menu once it opens; (-1, -1) when none does.
POINT WaitForMenu(const e2e::Vespin &app)
{
    RECT rc = {-1, -1, -1, -1};
    e2e::WaitFor([&] { return FindMenuWindow(app) != nullptr && GetWindowRect(FindMenuWindow(app), &rc); });
    return {rc.left, rc.top};
}

const char kEscape[] = {VK_ESCAPE, 0};

// Each character is pressed and released as a virtual key.
void PressKeys(const char *pszKeys)
{
    for (const char *p = pszKeys; *p; ++p) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = static_cast<WORD>(*p);
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    }
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
};

TEST_F(TrayTest, IconExistsWhileRunningUnlessSavedAway)
{
    for (const DWORD bTaskTrayNoIcon : {0u, 1u}) {
        SCOPED_TRACE(testing::Message() << "bTaskTrayNoIcon " << bTaskTrayNoIcon);
        e2e::WriteDword("bTaskTrayNoIcon", bTaskTrayNoIcon);
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        EXPECT_EQ(TrayIconExists(app.hWnd), bTaskTrayNoIcon == 0);
        EXPECT_EQ(app.Exit(), 0);
        EXPECT_FALSE(TrayIconExists(app.hWnd));
        EXPECT_EQ(StoredDword("bTaskTrayNoIcon"), bTaskTrayNoIcon);
    }
}

// A left press on the icon only brings the window forward; a right press opens the menu at the
// cursor, a right click on the window at the click.
TEST_F(TrayTest, PressesOpenTheMenuWhereTheyHappen)
{
    // Moved before the start, so no pointer event queued with an older position
    // can reach the new process after the move.
    SetCursorPos(350, 250);
    ASSERT_TRUE(e2e::WaitFor([] {
        POINT pt;
        return GetCursorPos(&pt) && pt.x == 350 && pt.y == 250;
    }));
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    HWND hWndMine = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 600, 500, 50, 50, nullptr, nullptr,
                                    nullptr, nullptr);
    SetForegroundWindow(hWndMine);
    ASSERT_EQ(GetForegroundWindow(), hWndMine);
    DWORD_PTR result = 0;
    // Sent, not posted: it has been handled when the call returns.
    ASSERT_NE(SendMessageTimeoutA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_LBUTTONDOWN, SMTO_NORMAL, 5000, &result),
              0);
    EXPECT_EQ(GetForegroundWindow(), app.hWnd);
    EXPECT_EQ(FindMenuWindow(app), nullptr);
    DestroyWindow(hWndMine);
    RECT rcWindow;
    GetWindowRect(app.hWnd, &rcWindow);
    const struct { UINT uMsg; WPARAM wParam; LPARAM lParam; LONG x, y; } presses[] = {
        {WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN, 350, 250},
        {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 40), rcWindow.left + 30, rcWindow.top + 40},
    };
    for (const auto &press : presses) {
        PostMessageA(app.hWnd, press.uMsg, press.wParam, press.lParam);
        const POINT menu = WaitForMenu(app);
        EXPECT_EQ(menu.x, press.x);
        EXPECT_EQ(menu.y, press.y);
        PressKeys(kEscape);
        EXPECT_TRUE(e2e::WaitFor([&] { return FindMenuWindow(app) == nullptr; }));
    }
    EXPECT_EQ(app.Exit(), 0);
    EXPECT_EQ(StoredDword("bStatus"), 0u);
}

TEST_F(TrayTest, MenuItemsChosenByKeyboardDoTheirCommands)
{
    const struct { const char *keys; DWORD nDrawCharaBefore, nDrawChara, bStatus; } cases[] = {
        {"C0", 2, 0, 0}, {"C1", 0, 1, 0}, {"C2", 0, 2, 0}, {"S", 0, 0, 1}, {"X", 1, 1, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.keys);
        e2e::WriteDword("nDrawChara", c.nDrawCharaBefore);
        e2e::WriteDword("bStatus", 0);
        e2e::Vespin app;
        ASSERT_TRUE(app.Start());
        PostMessageA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
        ASSERT_GE(WaitForMenu(app).x, 0);
        PressKeys(c.keys);
        if (c.keys[0] == 'X') {
            EXPECT_EQ(app.WaitExit(), 0);
        } else {
            ASSERT_TRUE(e2e::WaitFor([&] { return FindMenuWindow(app) == nullptr; }));
            EXPECT_EQ(app.Exit(), 0);
        }
        EXPECT_FALSE(TrayIconExists(app.hWnd));
        EXPECT_EQ(StoredDword("nDrawChara"), c.nDrawChara);
        EXPECT_EQ(StoredDword("bStatus"), c.bStatus);
    }
}

}  // namespace
