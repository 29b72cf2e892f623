// The month calendar of the running vespin.exe: opened by a tray click beside the gadget, paged
// by the wheel, closed by Esc, and not opened again by the click that closes it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/monthwnd.h"
#include "base/dialog_place.h"
#include "res/resource.h"
#include "tests/e2e/e2e_harness.h"

namespace {

bool ShowsMonth(HWND hMonth, int nYear, int nMonth)
{
    wchar_t sz[64] = L"";
    GetWindowTextW(hMonth, sz, 64);
    return sz == L"月カレンダー " + std::to_wstring(nYear) + L"年" + std::to_wstring(nMonth) + L"月";
}

// The gadget in the bottom-right corner: the month stands left of it, its bottom on the gadget's.
TEST(MonthCalendar, ATrayClickOpensItBesideTheGadgetTheWheelPagesItEscClosesItAndTheClosingClickOpensNothing)
{
    e2e::WriteDefaultSettings();
    e2e::WriteDword("nChangeTiming", 13);
    e2e::WriteDword("nWindowPos", 4);
    e2e::Vespin app;
    ASSERT_TRUE(app.Start());
    SYSTEMTIME st;
    GetLocalTime(&st);
    int nYear = st.wYear, nMonth = st.wMonth;
    PostMessageA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_LBUTTONUP);
    HWND hMonth = e2e::WaitForOwnWindow(app, kMonthClassName, nullptr);
    ASSERT_TRUE(hMonth != nullptr);
    RECT rcGadget, rcMonth, rcWork;
    GetWindowRect(app.hWnd, &rcGadget);
    GetWindowRect(hMonth, &rcMonth);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    const PlaceRect expected = PlaceBeside({rcGadget.left, rcGadget.top, rcGadget.right, rcGadget.bottom},
                                           {kMonthPictureWidth, kMonthPictureHeight},
                                           {rcWork.left, rcWork.top, rcWork.right, rcWork.bottom});
    EXPECT_TRUE(rcMonth.left == expected.left && rcMonth.top == expected.top && rcMonth.right == expected.right &&
                rcMonth.bottom == expected.bottom && rcMonth.right == rcGadget.left)
        << rcMonth.left << "," << rcMonth.top << " beside " << rcGadget.left << "," << rcGadget.top;
    EXPECT_TRUE(ShowsMonth(hMonth, nYear, nMonth));
    // Towards the user one notch: the next month; away two notches: back two.
    for (const int nNotches : {-1, 2}) {
        PostMessageA(hMonth, WM_MOUSEWHEEL, MAKEWPARAM(0, nNotches * WHEEL_DELTA), 0);
        StepMonth(&nYear, &nMonth, -nNotches);
        EXPECT_TRUE(e2e::WaitFor([&] { return ShowsMonth(hMonth, nYear, nMonth); }, 3000)) << nNotches;
    }
    PostMessageA(hMonth, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(hMonth); }, 3000));
    // The shell takes the activation on the press, so the month is gone before the press arrives;
    // that press and its release open nothing.
    SendMessageA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_LBUTTONUP);
    ASSERT_TRUE((hMonth = e2e::WaitForOwnWindow(app, kMonthClassName, nullptr)) != nullptr);
    HWND hWndMine = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 600, 500, 50, 50, nullptr, nullptr,
                                    nullptr, nullptr);
    SetForegroundWindow(hWndMine);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(hMonth); }, 3000));
    SendMessageA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_LBUTTONDOWN);
    SendMessageA(app.hWnd, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_LBUTTONUP);
    EXPECT_EQ(FindWindowA(kMonthClassName, nullptr), HWND(nullptr));
    DestroyWindow(hWndMine);
    // The menu's item opens it too; the gadget's exit takes it along.
    PostMessageA(app.hWnd, WM_COMMAND, IDM_MONTHCALENDAR, 0);
    EXPECT_TRUE(e2e::WaitForOwnWindow(app, kMonthClassName, nullptr) != nullptr);
    EXPECT_EQ(app.Exit(), 0);
    e2e::DeleteSettingsKey();
}

}  // namespace
