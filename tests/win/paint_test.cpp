// PaintWindow under Wine: the layout of panel and page, the page's ink colours, and the check run first.
#include "tests/win/render_fixture.h"

#include <algorithm>
#include <random>

#include "calendar/civildays.h"

namespace {

using PaintTest = PaintWindowTest;

TEST_F(PaintTest, PanelAndPageStandWhereTheLayoutPutsThem)
{
    struct Case { int32_t bStatus, nCalendarPos; int cx, cy, xPanel, yPanel, xPage, yPage; } cases[] = {
        {1, 0, 120, 320, 0, 160, 0, 0},   {1, 1, 240, 160, 0, 0, 120, 0}, {1, 2, 120, 320, 0, 0, 0, 160},
        {1, 3, 240, 160, 120, 0, 0, 0},   // unknown codes as 3, the page never over the character:
        {1, -1, 240, 160, 120, 0, 0, 0},  {1, 9, 240, 160, 120, 0, 0, 0}, {1, 0x7FFFFFFF, 240, 160, 120, 0, 0, 0},
        {0, 0, 120, 160, 0, 0, 0, 0},     {0, 3, 120, 160, 0, 0, 0, 0},  // page hidden: the panel alone
    };
    PinTime(2024, 6, 5, 3, 10, 30);
    std::vector<uint32_t> back = ResourcePicture(IDB_BACKGROUND), page = ResourcePicture(IDB_CALENDAR);
    page.resize(5 * 120);  // above the year's text the page is its picture alone
    for (const Case &c : cases) {
        Settings.bStatus = c.bStatus, Settings.nCalendarPos = c.nCalendarPos;
        Settings.nTransparent = 100, Settings.nTransparentCal = 100;
        TestImage image(240, 320);
        Paint(image);
        RECT rc;
        GetClientRect(hWnd_, &rc);
        EXPECT_TRUE(rc.right == c.cx && rc.bottom == c.cy) << c.bStatus << "," << c.nCalendarPos;
        EXPECT_EQ(Pixels(image, c.xPanel, c.yPanel), back) << c.bStatus << "," << c.nCalendarPos;
        EXPECT_TRUE(!c.bStatus || Pixels(image, c.xPage, c.yPage, 120, 5) == page) << c.nCalendarPos;
        EXPECT_EQ(image.At(239, 319), 0x010101u);  // nothing drawn outside the client area
    }
}

// Month (rows 41 to 62), day (67 to 106) and weekday (107 to 119) in the day's ink only; year (5 to
// 17) and time (141 to 156) in black only. The weekday is centred, or with b6 set 15 pixels left of
// centre with the rokuyo label in black 15 right (b6 only on a red day, so the two inks tell them apart).
TEST_F(PaintTest, DayInkFollowsTheDayTheYearAndTimeAreBlackAndTheRokuyoOnlyWhenSet)
{
    constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kBlack = 0;
    struct Case { const char *what; WORD year, month, day, weekday; uint32_t ink; int32_t b6; } cases[] = {
        {"Sunday", 2024, 6, 2, 0, kRed, 0},
        {"Sunday with the rokuyo", 2024, 6, 2, 0, kRed, 1},
        {"holiday (3 May, a Friday)", 2024, 5, 3, 5, kRed, 0},
        {"substitute Monday (6 May)", 2024, 5, 6, 1, kRed, 0},
        {"Saturday holiday (the autumnal equinox, 22 September 2012)", 2012, 9, 22, 6, kRed, 1},
        {"plain Saturday", 2024, 6, 1, 6, kBlue, 0},
        {"plain Wednesday", 2024, 6, 5, 3, kBlack, 0},
    };
    const std::vector<uint32_t> page = ResourcePicture(IDB_CALENDAR);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        PinTime(c.year, c.month, c.day, c.weekday, 10, 30);
        Settings.b6 = c.b6;
        TestImage image(240, 160);
        Paint(image);
        const std::vector<uint32_t> painted = Pixels(image, 120, 0);
        // How many pixels of rows [top, bottom) the paint turned to this ink, and their mean column.
        const auto added = [&](int top, int bottom, uint32_t ink) {
            int n = 0, sum = 0;
            for (int i = top * 120; i < bottom * 120; ++i)
                if (painted[i] == ink && page[i] != ink)
                    ++n, sum += i % 120;
            return std::pair(n, n ? double(sum) / n : -1.0);
        };
        for (uint32_t ink : {kRed, kBlue, kBlack}) {
            SCOPED_TRACE(testing::Message() << "ink " << std::hex << ink);
            const int day = added(67, 107, ink).first, month = added(41, 63, ink).first;
            const int year = added(5, 18, ink).first, time = added(141, 157, ink).first;
            const auto [weekday, xWeekday] = added(107, 120, ink);
            EXPECT_TRUE(ink == c.ink ? day > 30 && month > 10 : day == 0 && month == 0) << day << " " << month;
            EXPECT_TRUE(ink == kBlack ? year > 10 && time > 10 : year == 0 && time == 0) << year << " " << time;
            if (ink == c.ink || (ink == kBlack && c.b6)) {
                EXPECT_GT(weekday, 10);
                EXPECT_NEAR(xWeekday, ink != c.ink ? 75 : c.b6 ? 45 : 60, 3);
            } else {
                EXPECT_EQ(weekday, 0);
            }
        }
    }
}

TEST_F(PaintTest, TheTickChecksTheTimeSignalBeforeItsPaintDrawsTheCharacter)
{
    // Rotation due at 12:00 from 11:59: the tick's own paint already draws character 2's blink patch.
    const SYSTEMTIME st = PinTime(2024, 6, 5, 3, 12, 0);
    Settings.nChangeTiming = 6, Settings.nDrawChara = 1, Settings.nHourOld = 11, Settings.nMinuteOld = 59;
    Settings.nWindowX = 300, Settings.nWindowY = 300;  // clear of Wine's tray window
    nBlinkStep = 2;
    SendMessageA(hWnd_, WM_TIMER, uTimer1, 0);
    ASSERT_EQ(Settings.nDrawChara, 2);
    TestImage shown(120, 160), direct(120, 160);
    HDC hdc = GetDC(hWnd_);
    BitBlt(shown.dc(), 0, 0, 120, 160, hdc, 0, 0, SRCCOPY);
    ReleaseDC(hWnd_, hdc);
    direct.Fill(1);
    DrawCharacterPanel(direct.dc(), MakePictureKey(Settings, nBlinkStep, {st.wYear, st.wMonth, st.wDay, st.wDayOfWeek,
                                                                          st.wHour, st.wMinute, st.wSecond}));
    EXPECT_EQ(Pixels(shown, 0, 0), Pixels(direct, 0, 0));
}

// The window is painted over in magenta before each tick: a tick that draws covers some of it. A
// running blink is driven by hand: timer 1 neither advances it nor draws a random number.
TEST_F(PaintTest, ATickDrawsOnlyWhenWhatTheWindowShowsChanges)
{
    Settings.nWindowX = 300, Settings.nWindowY = 300;  // clear of Wine's tray window
    const struct { const char *what; WORD second; int32_t chara; int blink; bool drawn; } ticks[] = {
        {"another moment", 0, 0, -1, true},       {"the same moment", 0, 0, -1, false},
        {"character 0 blinking", 0, 0, 1, false}, {"character 2 blinking", 0, 2, 1, true},
        {"its next step", 0, 2, 2, true},         {"the same step", 0, 2, 2, false},
        {"the colon off", 1, 2, 2, true},
    };
    constexpr COLORREF kMarker = RGB(255, 0, 255);
    for (const auto &t : ticks) {
        PinTime(2024, 6, 5, 3, 10, 30, t.second);
        Settings.nDrawChara = t.chara, nBlinkStep = t.blink;
        HDC hdc = GetDC(hWnd_);
        ScopedGdiObject<HBRUSH> brush(CreateSolidBrush(kMarker));
        RECT rc;
        GetClientRect(hWnd_, &rc);
        FillRect(hdc, &rc, brush);
        SendMessageA(hWnd_, WM_TIMER, uTimer1, 0);
        TestImage shown(240, 160);
        BitBlt(shown.dc(), 0, 0, 240, 160, hdc, 0, 0, SRCCOPY);
        ReleaseDC(hWnd_, hdc);
        const std::vector<uint32_t> pixels = Pixels(shown, 0, 0, 240, 160);
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0xFF00FFu) < 240 * 160, t.drawn) << t.what;
    }
}

// Ticks after random changes of everything the window shows (each field of the key, the blink,
// seconds, minutes and days, the page shown and hidden on every side, the face), some after a
// repaint the system asked for over a corner, each time compared with a paint from nothing: an
// input the drawing reads and the key forgets, or a repaint that shows less than it kept, leaves
// stale pixels.
TEST_F(PaintTest, RandomTicksAndChangesShowWhatAPaintFromNothingShows)
{
    Settings.nWindowX = 300, Settings.nWindowY = 300;  // clear of Wine's tray window
    std::mt19937 rng(20261208);
    const auto pick = [&](int n) { return static_cast<int32_t>(rng() % static_cast<unsigned>(n)); };
    const char *const faces[] = {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "@ＭＳ ゴシック"};
    long nDay = DaysFromCivil(2026, 2, 22), nSecond = 23 * 3600 + 59 * 60 + 58;
    for (int step = 0; step < 400; ++step) {
        switch (pick(13)) {
        case 0: Settings.nTransparent = pick(101); break;
        case 1: Settings.nTransparentCal = pick(3) ? pick(101) : 100; break;
        case 2: Settings.bStatus ^= 1; break;
        case 3: Settings.nCalendarPos = pick(4); break;
        case 4: Settings.b6 ^= 1; break;
        case 5: Settings.b24 ^= 1; break;
        case 6: Settings.bSecond ^= 1; break;
        case 7: Settings.bHolidayLaw ^= 1; break;
        case 8: Settings.bLunarRokuyo ^= 1; break;
        case 9: lstrcpyA(Settings.szFont, faces[pick(3)]); break;
        case 10: Settings.nDrawChara = pick(3); break;
        case 11: nBlinkStep = pick(6) - 1; break;
        default: break;
        }
        const int32_t steps[] = {0, 1, 1, 59, 3600, 86400};
        nSecond += steps[pick(6)];
        nDay += nSecond / 86400, nSecond %= 86400;
        const CivilDate d = CivilFromDays(nDay);
        const SYSTEMTIME st = PinTime(static_cast<WORD>(d.nYear), static_cast<WORD>(d.nMonth),
                                      static_cast<WORD>(d.nDay), static_cast<WORD>(WeekdayFromDays(nDay)),
                                      static_cast<WORD>(nSecond / 3600), static_cast<WORD>(nSecond / 60 % 60),
                                      static_cast<WORD>(nSecond % 60));
        if (pick(4) == 0) {
            const RECT rcCorner = {0, 0, 10, 10};
            RedrawWindow(hWnd_, &rcCorner, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        SendMessageA(hWnd_, WM_TIMER, uTimer1, 0);
        RECT rc;
        GetClientRect(hWnd_, &rc);
        TestImage shown(240, 320), fresh(240, 320);
        shown.Fill(1), fresh.Fill(1);
        {
            ScopedGetDC dc(hWnd_);
            BitBlt(shown.dc(), 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
        }
        ReferencePaint(hWnd_, fresh.dc(), st);
        ASSERT_EQ(Pixels(shown, 0, 0, 240, 320), Pixels(fresh, 0, 0, 240, 320)) << "step " << step;
    }
}

}  // namespace
