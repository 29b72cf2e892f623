// The Calendar page on a painted window: its boxes start from the record, write it at once and
// repaint, each on and off. With both clear the reference paint test compares every page.
#include "tests/win/render_fixture.h"

#include "calendar/caltext_win.h"
#include "calendar/holiday.h"
#include "settings/calendarpage_win.h"

namespace {

class CalendarFlagsPaint : public PaintWindowTest {
protected:
    // The page as the fixed text routines draw it over its picture, the day in crDay, rokuyo -1 for none.
    static std::vector<uint32_t> ExpectedPage(const SYSTEMTIME &st, COLORREF crDay, int nRokuyo)
    {
        TestImage image(120, 160);
        ScopedGdiObject<HBITMAP> bm(LoadBitmapA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_CALENDAR)));
        ScopedMemoryDC dc(image.dc());
        ScopedSelectObject select(dc, bm);
        BitBlt(image.dc(), 0, 0, 120, 160, dc, 0, 0, SRCCOPY);
        const RECT rc = {0, 0, 120, 160};
        const char *face = Settings.szFont;
        DrawCalendarYear(image.dc(), &rc, face, st.wYear);
        SetTextColor(image.dc(), crDay);
        DrawCalendarDay(image.dc(), &rc, face, st.wDay);
        DrawCalendarMonth(image.dc(), &rc, face, st.wMonth);
        DrawCalendarWeekday(image.dc(), &rc, face, st.wDayOfWeek, nRokuyo >= 0);
        SetTextColor(image.dc(), 0);
        if (nRokuyo >= 0)
            DrawCalendarRokuyo(image.dc(), &rc, face, nRokuyo);
        DrawCalendarTime(image.dc(), &rc, face, "10:30");
        return Pixels(image, 0, 0);
    }
};

// The page owned as in the sheet (page, sheet, main window), each click repainting at once; what
// the window shows on screen is compared.
TEST_F(CalendarFlagsPaint, EachBoxOnAndOffFromThePage)
{
    SetWindowPos(hWnd_, nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // clear of Wine's tray window
    HWND hSheet = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, hWnd_, nullptr, nullptr, nullptr);
    Settings.b6 = 1, Settings.bHolidayLaw = 0, Settings.bLunarRokuyo = 1;
    HWND hPage = CreateDialogParamA(AppInfo.hInstance, MAKEINTRESOURCEA(IDD_CALENDARPAGE), hSheet, CalendarPageProc, 0);
    ASSERT_NE(hPage, nullptr);
    EXPECT_EQ(IsDlgButtonChecked(hPage, IDC_HOLIDAYLAW), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(hPage, IDC_LUNARROKUYO), BST_CHECKED);
    constexpr COLORREF R = kDayColorRed, B = kDayColorBlue, K = kDayColorBlack;
    const int L = IDC_HOLIDAYLAW, Q = IDC_LUNARROKUYO;
    const struct { int click; WORD month, weekday, day; int32_t bLaw, bLunar; COLORREF ink; int rokuyo; } steps[] = {
        {L, 1, 1, 12, 1, 1, R, 5},   // 2026: Coming of Age Day; lunar 11/24
        {Q, 1, 1, 12, 1, 0, R, 1},   // (1 + 12) mod 6
        {L, 1, 1, 12, 0, 0, K, 1},
        {L, 10, 6, 10, 1, 0, B, 2},  // no longer a holiday: a plain Saturday
        {Q, 2, 2, 17, 1, 1, K, 2},   // lunar 1/1 is 先勝
        {L, 1, 4, 15, 0, 1, R, 2},   // the fixed rules' 15 January; lunar 11/27
    };
    for (const auto &s : steps) {
        const SYSTEMTIME st = PinTime(2026, s.month, s.day, s.weekday, 10, 30);
        SendDlgItemMessageA(hPage, s.click, BM_CLICK, 0, 0);
        SCOPED_TRACE(testing::Message() << s.month << "/" << s.day << " flags " << s.bLaw << s.bLunar);
        EXPECT_TRUE(Settings.bHolidayLaw == s.bLaw && Settings.bLunarRokuyo == s.bLunar);
        TestImage screen(120, 160);
        HDC hdc = GetDC(hWnd_);
        BitBlt(screen.dc(), 0, 0, 120, 160, hdc, 120, 0, SRCCOPY);
        ReleaseDC(hWnd_, hdc);
        EXPECT_TRUE(Pixels(screen, 0, 0) == ExpectedPage(st, s.ink, s.rokuyo));
    }
    DestroyWindow(hPage);
    DestroyWindow(hSheet);
}

}  // namespace
