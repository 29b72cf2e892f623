// The calendar flags on the painted page: each on and off, and with both off every page exactly
// as the fixed rules paint it.
#include "tests/win/render_fixture.h"

#include "calendar/caltext_win.h"
#include "calendar/holiday.h"
#include "settings/pages_win.h"

namespace {

SYSTEMTIME Day(WORD wYear, WORD wMonth, WORD wDayOfWeek, WORD wDay)
{
    SYSTEMTIME st = {};
    st.wYear = wYear, st.wMonth = wMonth, st.wDayOfWeek = wDayOfWeek, st.wDay = wDay;
    return st;
}

class CalendarFlagsPaint : public PaintWindowTest {
protected:
    // The page as the fixed text routines draw it over its picture, in the given day ink and
    // with the given rokuyo label (-1 for none), at 10:30:00.
    static std::vector<uint32_t> ExpectedPage(const SYSTEMTIME &st, COLORREF crDay, int nRokuyo)
    {
        TestImage image(120, 160);
        {
            ScopedGdiObject<HBITMAP> bm(LoadBitmapA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_CALENDAR)));
            ScopedMemoryDC dc(image.dc());
            ScopedSelectObject select(dc, bm);
            BitBlt(image.dc(), 0, 0, 120, 160, dc, 0, 0, SRCCOPY);
        }
        const HDC hdc = image.dc();
        const RECT rc = {0, 0, 120, 160};
        SetTextColor(hdc, 0);
        DrawCalendarYear(hdc, &rc, st.wYear);
        SetTextColor(hdc, crDay);
        DrawCalendarDay(hdc, &rc, st.wDay);
        DrawCalendarMonth(hdc, &rc, st.wMonth);
        DrawCalendarWeekday(hdc, &rc, st.wDayOfWeek);
        if (nRokuyo >= 0) {
            SetTextColor(hdc, 0);
            DrawCalendarRokuyo(hdc, &rc, nRokuyo);
        }
        SetTextColor(hdc, 0);
        DrawCalendarTime(hdc, &rc, 10, 30, 0);
        return Pixels(image, 0, 0);
    }
    std::vector<uint32_t> PaintedPage(const SYSTEMTIME &st)
    {
        PinTime(st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, 10, 30);
        TestImage image(240, 160);
        Paint(image);
        return Pixels(image, 120, 0);
    }
};

TEST_F(CalendarFlagsPaint, EachBoxOnAndOff)
{
    constexpr COLORREF R = kDayColorRed, B = kDayColorBlue, K = kDayColorBlack;
    struct Case { int32_t bLaw, bLunar; SYSTEMTIME st; COLORREF ink; int rokuyo; } cases[] = {
        {0, 0, Day(2026, 1, 1, 12), K, 1}, {1, 0, Day(2026, 1, 1, 12), R, 1},    // Coming of Age Day, a Monday
        {0, 0, Day(2026, 1, 4, 15), R, 4}, {1, 0, Day(2026, 1, 4, 15), K, 4},    // no longer a holiday
        {0, 0, Day(2026, 10, 6, 10), R, 2}, {1, 0, Day(2026, 10, 6, 10), B, 2},  // a plain Saturday now
        {0, 0, Day(2026, 2, 2, 17), K, 1}, {0, 1, Day(2026, 2, 2, 17), K, 2},    // lunar 1/1 is 先勝
        {1, 1, Day(2026, 2, 1, 23), R, 2},  // Emperor's Birthday, lunar 1/7
    };
    Settings.b6 = 1;
    for (const Case &c : cases) {
        Settings.bHolidayLaw = c.bLaw, Settings.bLunarRokuyo = c.bLunar;
        EXPECT_TRUE(PaintedPage(c.st) == ExpectedPage(c.st, c.ink, c.rokuyo))
            << c.st.wYear << "/" << c.st.wMonth << "/" << c.st.wDay << " law " << c.bLaw << " lunar " << c.bLunar;
    }
}

TEST_F(CalendarFlagsPaint, BothBoxesClearPaintEveryPageAsTheFixedRules)
{
    // Days the two ways tell apart, with and without the rokuyo label.
    const SYSTEMTIME days[] = {
        Day(2026, 1, 1, 12), Day(2026, 1, 4, 15), Day(2026, 2, 1, 23), Day(2026, 2, 2, 17), Day(2026, 5, 3, 6),
        Day(2026, 9, 1, 21), Day(2026, 9, 2, 22), Day(2026, 10, 6, 10), Day(2026, 12, 3, 23), Day(2008, 5, 2, 6),
    };
    for (int32_t b6 : {0, 1}) {
        Settings.b6 = b6;
        for (const SYSTEMTIME &st : days) {
            const int rokuyo = b6 ? GetRokuyoIndex(st.wMonth, st.wDay) : -1;
            EXPECT_TRUE(PaintedPage(st) == ExpectedPage(st, GetDayColor(st.wYear, st.wMonth, st.wDay, st.wDayOfWeek),
                                                         rokuyo))
                << st.wYear << "/" << st.wMonth << "/" << st.wDay << " b6 " << b6;
        }
    }
}

// The page on its own, owned as in the sheet (page, then sheet, then main window): its boxes
// start from the record, write it at once and repaint the main window on screen.
TEST_F(CalendarFlagsPaint, PageBoxesWriteTheRecordAndRepaintAtOnce)
{
    // Away from the corner where Wine shows its own tray window.
    SetWindowPos(hWnd_, nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND hSheet = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, hWnd_, nullptr, nullptr, nullptr);
    Settings.b6 = 1, Settings.bHolidayLaw = 0, Settings.bLunarRokuyo = 1;
    HWND hPage = CreateDialogParamA(AppInfo.hInstance, MAKEINTRESOURCEA(IDD_CALENDARPAGE), hSheet, CalendarPageProc, 0);
    ASSERT_NE(hPage, nullptr);
    char text[64] = "";
    GetDlgItemTextA(hPage, IDC_HOLIDAYLAW, text, sizeof(text));
    EXPECT_STREQ(text, "祝日を現行の祝日法で表示する(&H)");
    GetDlgItemTextA(hPage, IDC_LUNARROKUYO, text, sizeof(text));
    EXPECT_STREQ(text, "六曜を旧暦から求める(&K)");
    EXPECT_EQ(IsDlgButtonChecked(hPage, IDC_HOLIDAYLAW), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(hPage, IDC_LUNARROKUYO), BST_CHECKED);
    const SYSTEMTIME st = Day(2026, 1, 1, 12);
    PinTime(st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, 10, 30);
    auto onScreen = [&] {
        TestImage image(120, 160);
        HDC hdc = GetDC(hWnd_);
        BitBlt(image.dc(), 0, 0, 120, 160, hdc, 120, 0, SRCCOPY);
        ReleaseDC(hWnd_, hdc);
        return Pixels(image, 0, 0);
    };
    // 12 January 2026 is lunar 11/24, (11 + 24) mod 6 = 5; by the fixed formula (1 + 12) mod 6 = 1.
    const struct { int id; int32_t bLaw, bLunar; COLORREF ink; int rokuyo; } clicks[] = {
        {IDC_HOLIDAYLAW, 1, 1, kDayColorRed, 5},
        {IDC_LUNARROKUYO, 1, 0, kDayColorRed, 1},
        {IDC_HOLIDAYLAW, 0, 0, kDayColorBlack, 1},
    };
    for (const auto &c : clicks) {
        SendDlgItemMessageA(hPage, c.id, BM_CLICK, 0, 0);
        EXPECT_EQ(Settings.bHolidayLaw, c.bLaw);
        EXPECT_EQ(Settings.bLunarRokuyo, c.bLunar);
        EXPECT_TRUE(onScreen() == ExpectedPage(st, c.ink, c.rokuyo)) << c.id << " " << c.bLaw << c.bLunar;
    }
    DestroyWindow(hPage);
    DestroyWindow(hSheet);
}

}  // namespace
