// The aside options of the running vespin.exe, seen from outside: clicks through it and the ways
// back, the fade under the pointer, and stepping aside for a full-screen window.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "res/resource.h"
#include "tests/e2e/e2e_harness.h"

namespace {

LONG ExStyle(HWND hWnd)
{
    return GetWindowLongA(hWnd, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT);
}

int Alpha(HWND hWnd)
{
    BYTE nAlpha = 0;
    DWORD dwFlags = 0;
    return GetLayeredWindowAttributes(hWnd, nullptr, &nAlpha, &dwFlags) && (dwFlags & LWA_ALPHA) ? nAlpha : -1;
}

DWORD Stored(const char *pszName)
{
    DWORD dw = 0xDEAD;
    e2e::ReadDword(pszName, &dw);
    return dw;
}

void PressKey(BYTE vk)
{
    keybd_event(vk, 0, 0, 0);
    keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
}

int nClicksBelow;

LRESULT CALLBACK BelowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    nClicksBelow += uMsg == WM_LBUTTONDOWN;
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// The gadget, always on top, at (300, 200) with the page on its left: 240 x 160.
class Aside : public testing::Test {
protected:
    void SetUp() override
    {
        SetCursorPos(800, 650);
        e2e::DeleteSettingsKey();
        e2e::WriteDefaultSettings();
        e2e::WriteDword("nChangeTiming", 13);  // no character change during the test
        e2e::WriteDword("nWindowX", 300);
        e2e::WriteDword("nWindowY", 200);
        e2e::WriteDword("bTopMost", 1);
    }
    void TearDown() override
    {
        keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
        e2e::Xdotool("keyup ctrl");
        e2e::DeleteSettingsKey();
    }
};

// The tray icon's menu item turns click-through on; a click on the gadget then reaches the window
// under it. Ctrl held over the gadget (through X, as a hand holds it) gives it the mouse: a drag
// moves it and a right click opens its menu, whose item turns click-through off. Each is stored.
TEST_F(Aside, ClicksPassThroughAndTheTrayMenuAndCtrlAreTheWaysBack)
{
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(ExStyle(app.hWnd), 0);
    PostMessageA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
    ASSERT_NE(e2e::WaitForOwnWindow(app, "#32768", nullptr), nullptr);
    PressKey('T');
    EXPECT_TRUE(e2e::WaitFor([] { return Stored("bClickThrough") == 1; }));
    EXPECT_EQ(std::pair(ExStyle(app.hWnd), Alpha(app.hWnd)), std::pair(LONG{WS_EX_LAYERED | WS_EX_TRANSPARENT}, 255));

    WNDCLASSA wc = {0, BelowProc, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr, nullptr, nullptr, "AsideBelow"};
    RegisterClassA(&wc);
    HWND hBelow = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 250, 150, 340, 260, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(e2e::Xdotool("mousemove 420 280 click 1"));
    EXPECT_TRUE(e2e::WaitFor([] {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        return nClicksBelow == 1;
    })) << "the click went to the gadget";
    DestroyWindow(hBelow);

    e2e::Xdotool("keydown ctrl");
    ASSERT_TRUE(e2e::WaitFor([&] { return ExStyle(app.hWnd) == WS_EX_LAYERED; }));
    e2e::Xdotool("mousedown 1 sleep 0.2 mousemove 520 330 sleep 0.2 mousemove 620 380 sleep 0.3 mouseup 1");
    EXPECT_TRUE(e2e::WaitFor([] { return Stored("nWindowX") == 500 && Stored("nWindowY") == 300; }));
    e2e::Xdotool("click 3");
    ASSERT_NE(e2e::WaitForOwnWindow(app, "#32768", nullptr), nullptr);
    e2e::Xdotool("keyup ctrl");
    e2e::WaitFor([] { return GetAsyncKeyState(VK_CONTROL) >= 0; });
    PressKey('T');
    EXPECT_TRUE(e2e::WaitFor([] { return Stored("bClickThrough") == 0; }));
    EXPECT_EQ(ExStyle(app.hWnd), 0) << "nothing layered once the options are off";
    EXPECT_EQ(app.Exit(), 0);
}

// The pointer over the gadget fades it to half (alpha 128); Ctrl brings it back to full at once,
// and so does the pointer leaving. The fade alone leaves the clicks to the gadget.
TEST_F(Aside, ThePointerOverTheGadgetFadesItAndCtrlOrLeavingBringsItBack)
{
    e2e::WriteDword("nFadeOnHover", 50);
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(std::pair(ExStyle(app.hWnd), Alpha(app.hWnd)), std::pair(LONG{WS_EX_LAYERED}, 255));
    const struct { POINT pt; bool bCtrl; int nAlpha; } steps[] = {
        {{420, 280}, false, 128}, {{420, 280}, true, 255}, {{420, 280}, false, 128}, {{800, 650}, false, 255},
    };
    for (const auto &s : steps) {
        SetCursorPos(s.pt.x, s.pt.y);
        keybd_event(VK_CONTROL, 0, s.bCtrl ? 0 : KEYEVENTF_KEYUP, 0);
        EXPECT_TRUE(e2e::WaitFor([&] { return Alpha(app.hWnd) == s.nAlpha; })) << Alpha(app.hWnd);
    }
    EXPECT_EQ(app.Exit(), 0);
}

// A popup over the whole monitor, made foreground, hides the gadget by the second tick; closed,
// it lets the gadget show again by the second tick after. The ticks are sent: no clock decides.
TEST_F(Aside, AFullScreenWindowInFrontHidesTheGadgetAndItsGoingShowsItAgain)
{
    e2e::WriteDword("bHideFullScreen", 1);
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    EXPECT_EQ(ExStyle(app.hWnd), 0) << "stepping aside alone needs no layered window";
    HWND hFull = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                 GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(SetForegroundWindow(hFull));
    for (HWND hClosed : {HWND(nullptr), hFull}) {
        DestroyWindow(hClosed);
        for (int i = 0; i < 2; ++i)
            SendMessageA(app.hWnd, WM_TIMER, TIMER_SECOND, 0);
        EXPECT_EQ(IsWindowVisible(app.hWnd) != FALSE, hClosed != nullptr);
    }
    EXPECT_EQ(app.Exit(), 0);
}

}  // namespace
