// Calendar page fields and the outlined overlay, drawn into real 24-bit DIBs and read back.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>

#include "app/gdi_scope_win.h"
#include "calendar/caltext_win.h"
#include "settings/settings.h"
#include "tests/win/win_test_util.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kGrey = RGB(128, 128, 128), kBlue = RGB(0, 0, 255);

// Bounding box (right and bottom inclusive) of the matching pixels inside a rectangle.
struct Box {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
};

Box FindBox(const wintest::TestImage &dib, const RECT &rc, const std::function<bool(COLORREF)> &match)
{
    Box box;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (match(dib.ColorAt(x, y)))
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    return box;
}

class CalendarText : public testing::Test {
protected:
    void SetUp() override { SetDefaultSettings(&Settings); }
    void TearDown() override { SetDefaultSettings(&Settings); }
};

TEST_F(CalendarText, DefaultFaceHasJapaneseGlyphsAndAnUnknownFaceStillDraws)
{
    wintest::TestImage dib(120, 160);
    dib.FillColor(kWhite);
    {
        ScopedGdiObject<HFONT> font(CreateTextFont(22));
        ScopedSelectObject select(dib.dc(), font);
        const wchar_t szGlyphs[] = L"年月０９　（日月火水木金土）大安赤口先勝友引先負仏滅";
        const int nCount = ARRAYSIZE(szGlyphs) - 1;
        WORD indices[nCount] = {};
        ASSERT_EQ(GetGlyphIndicesW(dib.dc(), szGlyphs, nCount, indices, GGI_MARK_NONEXISTING_GLYPHS), DWORD(nCount));
        for (int i = 0; i < nCount; ++i)
            EXPECT_NE(indices[i], 0xFFFF) << "glyph " << i << " is missing";
    }
    std::strcpy(Settings.szFont, "Vespin No Such Face");
    const RECT page = {0, 0, 120, 160};
    DrawCalendarDay(dib.dc(), &page, 23);
    EXPECT_GE(FindBox(dib, page, [](COLORREF c) { return c != kWhite; }).right, 0);
}

// The page sits away from the origin, so every position must come from its edges. Each field
// keeps the caller's colour and font and draws no background.
TEST_F(CalendarText, EachFieldStartsAtItsTopCentredInItsBand)
{
    const RECT page = {120, 160, 240, 320};
    const struct {
        const char *name;
        void (*draw)(HDC, const RECT *);
        bool b6;
        int nFontHeight, nTop, nCentre;  // relative to the page
    } cases[] = {
        {"year", [](HDC h, const RECT *p) { DrawCalendarYear(h, p, 1998); }, false, 13, 5, 60},
        {"month", [](HDC h, const RECT *p) { DrawCalendarMonth(h, p, 12); }, false, 22, 41, 60},
        {"day", [](HDC h, const RECT *p) { DrawCalendarDay(h, p, 5); }, false, 40, 67, 60},
        {"weekday", [](HDC h, const RECT *p) { DrawCalendarWeekday(h, p, 0); }, false, 13, 107, 60},
        {"weekday beside rokuyo", [](HDC h, const RECT *p) { DrawCalendarWeekday(h, p, 3); }, true, 13, 107, 45},
        {"rokuyo", [](HDC h, const RECT *p) { DrawCalendarRokuyo(h, p, 5); }, true, 13, 107, 75},
        {"time", [](HDC h, const RECT *p) { DrawCalendarTime(h, p, 22, 0, 0); }, false, 16, 141, 60},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Settings.b6 = c.b6;
        wintest::TestImage dib(400, 320);
        dib.FillColor(kWhite);
        TEXTMETRICA tm = {};
        {
            ScopedGdiObject<HFONT> font(CreateTextFont(c.nFontHeight));
            ScopedSelectObject select(dib.dc(), font);
            GetTextMetricsA(dib.dc(), &tm);
        }
        const HGDIOBJ hFont = GetCurrentObject(dib.dc(), OBJ_FONT);
        SetTextColor(dib.dc(), kBlue);
        c.draw(dib.dc(), &page);
        EXPECT_EQ(GetCurrentObject(dib.dc(), OBJ_FONT), hFont);
        EXPECT_EQ(GetBkMode(dib.dc()), TRANSPARENT);
        const Box ink = FindBox(dib, {0, 0, 400, 320}, [](COLORREF col) { return col != kWhite; });
        const int nTop = page.top + c.nTop;
        EXPECT_GE(ink.top, nTop);
        EXPECT_LE(ink.top, nTop + tm.tmInternalLeading + 2);
        EXPECT_LT(ink.bottom, nTop + c.nFontHeight);
        EXPECT_GE(ink.bottom - ink.top + 1, c.nFontHeight * 6 / 10);
        EXPECT_NEAR((ink.left + ink.right + 1) / 2.0, page.left + c.nCentre, 2.5);
        EXPECT_GE(ink.left, page.left);
        EXPECT_LT(ink.right, page.left + 2 * c.nCentre);
        EXPECT_GE(FindBox(dib, {0, 0, 400, 320}, [](COLORREF col) { return col == kBlue; }).right, 0);
    }
}

// Compared with the same texts drawn plainly in black in boxes from (8, 8) and ending at
// (112, 152): the glyphs are where those put them, no black pixel has bare grey left, right,
// above or below it, and the outline widens each text by exactly one pixel on every side,
// leaving the rest untouched.
TEST_F(CalendarText, OverlayIsBlackTextOutlinedInWhiteOnUntouchedGrey)
{
    const struct { bool b24; int hour, minute, second, month, day; const char *time, *date; } cases[] = {
        {true, 9, 5, 8, 1, 5, " 9:05", " 1/ 5"},
        {false, 22, 0, 1, 12, 24, "10 00", "12/24"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.date);
        Settings.b24 = c.b24;
        wintest::TestImage overlay(120, 160), reference(120, 160);
        overlay.FillColor(kGrey);
        reference.FillColor(kGrey);
        const RECT layer = {0, 0, 120, 160};
        DrawOverlayTime(overlay.dc(), &layer, c.hour, c.minute, c.second);
        DrawOverlayDate(overlay.dc(), &layer, c.month, c.day);
        {
            ScopedGdiObject<HFONT> font(CreateTextFont(20));
            ScopedSelectObject select(reference.dc(), font);
            SetBkMode(reference.dc(), TRANSPARENT);
            RECT rcTime = {8, 8, 112, 40}, rcDate = {8, 120, 112, 152};
            DrawTextA(reference.dc(), c.time, -1, &rcTime, DT_LEFT | DT_TOP);
            DrawTextA(reference.dc(), c.date, -1, &rcDate, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
        }
        int nBlack = 0, nBare = 0;
        for (int y = 1; y < 159; ++y)
            for (int x = 1; x < 119; ++x) {
                ASSERT_EQ(overlay.ColorAt(x, y) == 0, reference.ColorAt(x, y) == 0) << x << "," << y;
                if (overlay.ColorAt(x, y) != 0)
                    continue;
                ++nBlack;
                for (const COLORREF n : {overlay.ColorAt(x - 1, y), overlay.ColorAt(x + 1, y), overlay.ColorAt(x, y - 1),
                                         overlay.ColorAt(x, y + 1)})
                    nBare += n == kGrey;
            }
        EXPECT_GT(nBlack, 100);
        EXPECT_EQ(nBare, 0);
        for (const RECT &band : {RECT{0, 0, 120, 80}, RECT{0, 80, 120, 160}}) {
            const auto touched = [](COLORREF col) { return col != kGrey; };
            const Box text = FindBox(reference, band, touched), outlined = FindBox(overlay, band, touched);
            EXPECT_EQ(outlined.left, text.left - 1);
            EXPECT_EQ(outlined.right, text.right + 1);
            EXPECT_EQ(outlined.top, text.top - 1);
            EXPECT_EQ(outlined.bottom, text.bottom + 1);
        }
        const Box date = FindBox(overlay, {0, 80, 120, 160}, [](COLORREF col) { return col != kGrey; });
        EXPECT_NEAR(date.right, 112, 1);
        EXPECT_LE(date.bottom, 152);
    }
}

TEST_F(CalendarText, DrawingLeavesNoGdiObjectBehind)
{
    wintest::TestImage dib(120, 160);
    dib.FillColor(kWhite);
    const RECT rc = {0, 0, 120, 160};
    const auto drawAll = [&] {
        DrawCalendarYear(dib.dc(), &rc, 2000);
        DrawCalendarMonth(dib.dc(), &rc, 3);
        DrawCalendarDay(dib.dc(), &rc, 5);
        DrawCalendarWeekday(dib.dc(), &rc, 6);
        DrawCalendarRokuyo(dib.dc(), &rc, 5);
        DrawCalendarTime(dib.dc(), &rc, 12, 0, 0);
        DrawOverlayTime(dib.dc(), &rc, 12, 0, 0);
        DrawOverlayDate(dib.dc(), &rc, 12, 6);
    };
    drawAll();
    const int before = wintest::GdiCapacity();
    for (int i = 0; i < 50; ++i)
        drawAll();
    EXPECT_EQ(wintest::GdiCapacity(), before);
}

}  // namespace
