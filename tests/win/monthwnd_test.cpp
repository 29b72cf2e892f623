// The month window in-process: May 2026's day colours read back from the window at 1x and 2x and
// in any stored face, today's frame at midnight, the tray menu over it, and 1,000 openings.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <set>
#include <tuple>

#include "app/monthwnd.h"
#include "app/monthwnd_win.h"
#include "base/clock_win.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "tests/win/win_test_util.h"

namespace {

using wintest::TestImage;

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kBlack = 0, kFrame = 0xEC7094;  // as TestImage::At reads

class MonthWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultSettings(&Settings);
        Settings.bHolidayLaw = 1;
        Pin(15, 5, 23);
        SetCursorPos(1020, 760);  // no day under the pointer
        hWnd_ = wintest::CreateMainWindow(100, 100);
    }
    void TearDown() override
    {
        wintest::DestroyMainWindow(hWnd_);
        SetLocalTimeOverride(nullptr);
        nWindowScale = 1;
    }
    static void Pin(WORD wDay, WORD wWeekday, WORD wHour)
    {
        const SYSTEMTIME st = {2026, 5, wWeekday, wDay, wHour, 59, 59, 0};
        SetLocalTimeOverride(&st);
    }
    HWND Toggle()
    {
        SendMessageA(hWnd_, WM_COMMAND, IDM_MONTHCALENDAR, 0);
        wintest::PumpMessages();
        return GetMonthWindow();
    }
    // What the month window shows.
    static std::unique_ptr<TestImage> Grab()
    {
        RECT rc;
        GetClientRect(GetMonthWindow(), &rc);
        auto image = std::make_unique<TestImage>(rc.right, rc.bottom);
        HDC hdc = GetDC(GetMonthWindow());
        BitBlt(image->dc(), 0, 0, rc.right, rc.bottom, hdc, 0, 0, SRCCOPY);
        ReleaseDC(GetMonthWindow(), hdc);
        return image;
    }
    HWND hWnd_ = nullptr;
};

// Golden Week under the law: 3 to 6 May red beside the Sundays, Saturdays blue, the days of April
// and June pale (none of the three inks), each picture pixel a uniform square. A missing or empty
// face draws too.
TEST_F(MonthWindowTest, May2026TakesThePagesColoursAtEveryScaleAndInAnyFace)
{
    // 26 April to 6 June, a row a week: red, blue, blacK, - for none.
    const char kInks[] = "-----kb" "rrrrkkb" "rkkkkkb" "rkkkkkb" "rkkkkkb" "r------";
    for (const auto &[nScale, pszFace] : {std::pair(1, kDefaultFontFace), std::pair(2, kDefaultFontFace),
                                          std::pair(1, ""), std::pair(1, "NoSuchFace")}) {
        SCOPED_TRACE(testing::Message() << nScale << "x, face \"" << pszFace << "\"");
        nWindowScale = nScale;
        lstrcpyA(Settings.szFont, pszFace);
        ASSERT_TRUE(Toggle() != nullptr);
        const auto image = Grab();
        for (int i = 0; i < kMonthGridCells; ++i) {
            const std::set<uint32_t> expected = kInks[i] == '-' ? std::set<uint32_t>{}
                                                : std::set{kInks[i] == 'r' ? kRed : kInks[i] == 'b' ? kBlue : kBlack};
            std::set<uint32_t> inks;
            const PlaceRect rc = MonthDayNumberRect(i);
            for (int y = rc.top * nScale; y < rc.bottom * nScale; ++y)
                for (int x = (rc.left + 3) * nScale; x < (rc.right - 3) * nScale; ++x)
                    if (const uint32_t p = image->At(x, y); p == kRed || p == kBlue || p == kBlack)
                        inks.insert(p);
            EXPECT_EQ(inks, expected) << "cell " << i;
        }
        int nSmoothed = 0;
        for (int y = 0; y < kMonthPictureHeight * nScale; y += nScale)
            for (int x = 0; x < kMonthPictureWidth * nScale; x += nScale)
                nSmoothed += image->At(x, y) != image->At(x + nScale - 1, y + nScale - 1);
        EXPECT_EQ(nSmoothed, 0);
        EXPECT_EQ(Toggle(), HWND(nullptr));
    }
}

// The one-shot timer at midnight moves the frame from the 15th (cell 19) to the 16th.
TEST_F(MonthWindowTest, TodaysFrameMovesToTheNewDayAtMidnight)
{
    ASSERT_TRUE(Toggle() != nullptr);
    const auto framed = [](const TestImage &image, int nCell) {
        return image.At(MonthCellRect(nCell).left, MonthCellRect(nCell).top + 15) == kFrame;
    };
    auto image = Grab();
    EXPECT_EQ(std::pair(framed(*image, 19), framed(*image, 20)), std::pair(true, false));
    Pin(16, 6, 0);
    SendMessageA(GetMonthWindow(), WM_TIMER, TIMER_MONTH_MIDNIGHT, 0);
    UpdateWindow(GetMonthWindow());
    image = Grab();
    EXPECT_EQ(std::pair(framed(*image, 19), framed(*image, 20)), std::pair(false, true));
}

// With the month open, the tray's right press still opens the menu, and the month closes.
TEST_F(MonthWindowTest, TheTraysRightPressStillOpensTheMenuOverAnOpenMonth)
{
    int nOpenings = 0;
    wintest::SetMenuIdleHandler([&](HWND) { ++nOpenings, EndMenu(); });
    SendMessageA(hWnd_, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_LBUTTONUP);
    ASSERT_TRUE(GetMonthWindow() != nullptr);
    // As between two real clicks, Wine reads the X focus events of the opening; left for the
    // menu's loop, a stale focus-out of the gadget would cancel the menu.
    for (int i = 0; i < 20; ++i, Sleep(10))
        wintest::PumpMessages();
    SendMessageA(hWnd_, WM_TRAYNOTIFY, TRAY_ICON_ID, WM_RBUTTONDOWN);
    EXPECT_EQ(std::tuple(nOpenings, GetMonthWindow()), std::tuple(1, HWND(nullptr)));
}

// The window, its picture, its fonts and its timer all go with each closing.
TEST_F(MonthWindowTest, AThousandOpeningsLeaveTheGdiAndUserCountsWhereTheyWere)
{
    Toggle();
    Toggle();
    const int nGdi = wintest::GdiCapacity(), nUser = wintest::MenuCapacity();
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(Toggle() != nullptr);
        ASSERT_EQ(Toggle(), HWND(nullptr));
    }
    EXPECT_EQ(std::tuple(wintest::GdiCapacity(), wintest::MenuCapacity()), std::tuple(nGdi, nUser));
}

}  // namespace
