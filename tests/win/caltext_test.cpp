// Calendar page fields and the outlined overlay, drawn into real 24-bit DIBs and read back.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "app/gdi_scope_win.h"
#include "calendar/caltext_win.h"
#include "calendar/holiday.h"
#include "res/resource.h"
#include "settings/settings.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGrey = RGB(128, 128, 128);

// A top-down 24-bit DIB section selected into a memory DC, filled with one colour.
class Dib {
public:
    Dib(int nWidth, int nHeight, COLORREF fill) : width(nWidth), height(nHeight)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 24;
        hdc = CreateCompatibleDC(nullptr);
        void *pBits = nullptr;
        hbm_ = CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        bits_ = static_cast<BYTE *>(pBits);
        hOld_ = SelectObject(hdc, hbm_);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                Set(x, y, fill);
        }
    }
    ~Dib()
    {
        SelectObject(hdc, hOld_);
        DeleteObject(hbm_);
        DeleteDC(hdc);
    }
    Dib(const Dib &) = delete;
    Dib &operator=(const Dib &) = delete;

    COLORREF At(int x, int y) const
    {
        const BYTE *p = Row(y) + 3 * x;
        return RGB(p[2], p[1], p[0]);
    }
    void Set(int x, int y, COLORREF c)
    {
        BYTE *p = Row(y) + 3 * x;
        p[0] = GetBValue(c);
        p[1] = GetGValue(c);
        p[2] = GetRValue(c);
    }
    // Bottom-up BMP file, for looking at what was drawn.
    void WriteBmp(const char *pszPath) const
    {
        BITMAPINFOHEADER ih = {};
        ih.biSize = sizeof(ih);
        ih.biWidth = width;
        ih.biHeight = height;
        ih.biPlanes = 1;
        ih.biBitCount = 24;
        ih.biSizeImage = Stride() * height;
        BITMAPFILEHEADER fh = {};
        fh.bfType = 0x4D42;
        fh.bfOffBits = sizeof(fh) + sizeof(ih);
        fh.bfSize = fh.bfOffBits + ih.biSizeImage;
        FILE *pFile = std::fopen(pszPath, "wb");
        ASSERT_NE(pFile, nullptr) << pszPath;
        std::fwrite(&fh, sizeof(fh), 1, pFile);
        std::fwrite(&ih, sizeof(ih), 1, pFile);
        for (int y = height - 1; y >= 0; --y)
            std::fwrite(Row(y), Stride(), 1, pFile);
        std::fclose(pFile);
    }

    HDC hdc;
    const int width;
    const int height;

private:
    int Stride() const { return (width * 3 + 3) & ~3; }
    BYTE *Row(int y) const { return bits_ + y * Stride(); }

    HBITMAP hbm_;
    HGDIOBJ hOld_;
    BYTE *bits_;
};

// Bounding box (right and bottom inclusive) of the pixels that match, inside a rectangle.
struct Box {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
    double CentreX() const { return (left + right + 1) / 2.0; }
};

Box FindBox(const Dib &dib, const RECT &rc, const std::function<bool(COLORREF)> &match)
{
    Box box;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            if (!match(dib.At(x, y)))
                continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

Box InkBox(const Dib &dib, COLORREF background)
{
    return FindBox(dib, {0, 0, dib.width, dib.height},
                   [background](COLORREF c) { return c != background; });
}

TEXTMETRICA MetricsOf(int nHeight)
{
    Dib dib(1, 1, kWhite);
    ScopedGdiObject<HFONT> font(CreateTextFont(nHeight));
    ScopedSelectObject select(dib.hdc, font);
    TEXTMETRICA tm = {};
    GetTextMetricsA(dib.hdc, &tm);
    return tm;
}

class CalendarText : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = Settings;
        SetDefaultSettings(&Settings);
    }
    void TearDown() override { Settings = saved_; }

private:
    SettingsRecord saved_;
};

TEST_F(CalendarText, FontFollowsTheRecipeAndTheDefaultFaceHasJapaneseGlyphs)
{
    ScopedGdiObject<HFONT> font(CreateTextFont(22));
    LOGFONTA lf = {};
    ASSERT_EQ(GetObjectA(font, sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
    EXPECT_EQ(lf.lfHeight, 22);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfWeight, 900);
    EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(lf.lfItalic | lf.lfUnderline | lf.lfStrikeOut | lf.lfQuality, 0);
    EXPECT_STREQ(lf.lfFaceName, "ＭＳ ゴシック");

    Dib dib(1, 1, kWhite);
    ScopedSelectObject select(dib.hdc, font);
    char szFace[LF_FACESIZE] = {};
    GetTextFaceA(dib.hdc, sizeof(szFace), szFace);
    EXPECT_STREQ(szFace, "ＭＳ ゴシック");
    const wchar_t szGlyphs[] = L"年月０９　（日月火水木金土）大安赤口先勝友引先負仏滅";
    WORD indices[ARRAYSIZE(szGlyphs)] = {};
    const int nCount = ARRAYSIZE(szGlyphs) - 1;
    ASSERT_EQ(GetGlyphIndicesW(dib.hdc, szGlyphs, nCount, indices, GGI_MARK_NONEXISTING_GLYPHS),
              static_cast<DWORD>(nCount));
    for (int i = 0; i < nCount; ++i)
        EXPECT_NE(indices[i], 0xFFFF) << "glyph " << i << " is missing";
}

TEST_F(CalendarText, UnknownFaceFallsBackAndStillDraws)
{
    std::strcpy(Settings.szFont, "Vespin No Such Face");
    ScopedGdiObject<HFONT> font(CreateTextFont(40));
    EXPECT_NE(font.get(), nullptr);
    Dib dib(120, 160, kWhite);
    const RECT page = {0, 0, 120, 160};
    DrawCalendarDay(dib.hdc, &page, 23);
    EXPECT_FALSE(InkBox(dib, kWhite).Empty());
}

struct FieldCase {
    const char *name;
    std::function<void(HDC, const RECT *)> draw;
    bool b6;
    int nFontHeight, nTop;    // relative to the page top
    int nBandLeft, nBandRight;  // relative to the page left
};

// The page sits away from the origin, so every position must come from its edges.
TEST_F(CalendarText, EachFieldStartsAtItsTopCentredInItsBand)
{
    const RECT page = {120, 160, 240, 320};
    const FieldCase cases[] = {
        {"year", [](HDC h, const RECT *p) { DrawCalendarYear(h, p, 1998); }, false, 13, 5, 0, 120},
        {"month", [](HDC h, const RECT *p) { DrawCalendarMonth(h, p, 3); }, false, 22, 41, 0, 120},
        {"month 12", [](HDC h, const RECT *p) { DrawCalendarMonth(h, p, 12); }, false, 22, 41, 0, 120},
        {"day", [](HDC h, const RECT *p) { DrawCalendarDay(h, p, 5); }, false, 40, 67, 0, 120},
        {"day 23", [](HDC h, const RECT *p) { DrawCalendarDay(h, p, 23); }, false, 40, 67, 0, 120},
        {"weekday", [](HDC h, const RECT *p) { DrawCalendarWeekday(h, p, 0); }, false, 13, 107, 0, 120},
        {"weekday beside rokuyo", [](HDC h, const RECT *p) { DrawCalendarWeekday(h, p, 3); }, true,
         13, 107, 0, 90},
        {"rokuyo", [](HDC h, const RECT *p) { DrawCalendarRokuyo(h, p, 5); }, true, 13, 107, 0, 150},
        {"time", [](HDC h, const RECT *p) { DrawCalendarTime(h, p, 22, 0, 0); }, false, 16, 141, 0,
         120},
    };
    for (const FieldCase &c : cases) {
        SCOPED_TRACE(c.name);
        Settings.b6 = c.b6;
        Dib dib(400, 320, kWhite);
        c.draw(dib.hdc, &page);
        const Box ink = InkBox(dib, kWhite);
        ASSERT_FALSE(ink.Empty());
        const int nTop = page.top + c.nTop;
        const int nLeading = MetricsOf(c.nFontHeight).tmInternalLeading;
        EXPECT_GE(ink.top, nTop);
        EXPECT_LE(ink.top, nTop + nLeading + 2);
        EXPECT_LT(ink.bottom, nTop + c.nFontHeight);
        EXPECT_GE(ink.bottom - ink.top + 1, c.nFontHeight * 6 / 10);
        EXPECT_GE(ink.left, page.left + c.nBandLeft);
        EXPECT_LT(ink.right, page.left + c.nBandRight);
        EXPECT_NEAR(ink.CentreX(), page.left + (c.nBandLeft + c.nBandRight) / 2.0, 2.5);
    }
}

TEST_F(CalendarText, RoutinesKeepTheCallersColourFontAndLeaveTheBackgroundTransparent)
{
    Settings.b6 = 1;
    Settings.bSecond = 1;
    const RECT page = {0, 0, 120, 160};
    Dib dib(120, 160, kWhite);
    ScopedGdiObject<HFONT> callerFont(CreateFontA(10, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"));
    ScopedSelectObject select(dib.hdc, callerFont);
    SetTextColor(dib.hdc, RGB(0, 0, 255));
    SetBkMode(dib.hdc, OPAQUE);
    SetBkColor(dib.hdc, RGB(0, 255, 0));
    DrawCalendarYear(dib.hdc, &page, 2000);
    DrawCalendarMonth(dib.hdc, &page, 12);
    DrawCalendarDay(dib.hdc, &page, 23);
    DrawCalendarWeekday(dib.hdc, &page, 6);
    DrawCalendarRokuyo(dib.hdc, &page, 5);
    DrawCalendarTime(dib.hdc, &page, 23, 59, 59);
    EXPECT_EQ(GetCurrentObject(dib.hdc, OBJ_FONT), static_cast<HGDIOBJ>(callerFont.get()));
    EXPECT_EQ(GetTextColor(dib.hdc), RGB(0, 0, 255));
    EXPECT_EQ(GetBkMode(dib.hdc), TRANSPARENT);
    // Only glyphs: no green background box, only blue and its blends into white.
    const Box notBlue = FindBox(dib, page, [](COLORREF c) { return GetRValue(c) != GetGValue(c); });
    EXPECT_TRUE(notBlue.Empty());
    EXPECT_FALSE(FindBox(dib, page, [](COLORREF c) { return c == RGB(0, 0, 255); }).Empty());
}

// Draws both overlay texts on a grey layer.
void DrawOverlay(Dib *pDib, int nHour, int nMinute, int nSecond, int nMonth, int nDay)
{
    const RECT layer = {0, 0, 120, 160};
    DrawOverlayTime(pDib->hdc, &layer, nHour, nMinute, nSecond);
    DrawOverlayDate(pDib->hdc, &layer, nMonth, nDay);
}

// The same texts drawn once, in black, where the overlay puts them.
void DrawPlainReference(Dib *pDib, const char *pszTime, const char *pszDate)
{
    ScopedGdiObject<HFONT> font(CreateTextFont(20));
    ScopedSelectObject select(pDib->hdc, font);
    SetBkMode(pDib->hdc, TRANSPARENT);
    SetTextColor(pDib->hdc, RGB(0, 0, 0));
    RECT rcTime = {8, 8, 112, 40};
    DrawTextA(pDib->hdc, pszTime, -1, &rcTime, DT_LEFT | DT_TOP);
    RECT rcDate = {8, 120, 112, 152};
    DrawTextA(pDib->hdc, pszDate, -1, &rcDate, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
}

TEST_F(CalendarText, OverlayIsBlackTextOutlinedInWhiteOnUntouchedGrey)
{
    Settings.b24 = 1;
    Dib overlay(120, 160, kGrey);
    DrawOverlay(&overlay, 9, 5, 8, 1, 5);
    Dib reference(120, 160, kGrey);
    DrawPlainReference(&reference, " 9:05", " 1/ 5");

    int nBlack = 0;
    for (int y = 0; y < 160; ++y) {
        for (int x = 0; x < 120; ++x) {
            const COLORREF c = overlay.At(x, y);
            ASSERT_TRUE(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c))
                << x << "," << y;
            // Black wins over the border: the glyphs are where a plain black draw puts them.
            ASSERT_EQ(c == 0, reference.At(x, y) == 0) << x << "," << y;
            if (c != 0)
                continue;
            ++nBlack;
            ASSERT_TRUE(x > 0 && y > 0 && x < 119 && y < 159) << "glyph on the layer's edge";
            const COLORREF around[4] = {overlay.At(x - 1, y), overlay.At(x + 1, y),
                                        overlay.At(x, y - 1), overlay.At(x, y + 1)};
            for (COLORREF n : around)
                ASSERT_NE(n, kGrey) << "bare glyph side at " << x << "," << y;
        }
    }
    EXPECT_GT(nBlack, 100);
    EXPECT_FALSE(FindBox(overlay, {0, 0, 120, 160}, [](COLORREF c) { return c == kWhite; }).Empty());

    // The border widens each text by exactly one pixel on every side, and nothing else changes.
    const RECT bands[2] = {{0, 0, 120, 80}, {0, 80, 120, 160}};
    for (const RECT &band : bands) {
        const auto touched = [](COLORREF c) { return c != kGrey; };
        const Box text = FindBox(reference, band, touched);
        const Box outlined = FindBox(overlay, band, touched);
        ASSERT_FALSE(text.Empty());
        EXPECT_EQ(outlined.left, text.left - 1);
        EXPECT_EQ(outlined.right, text.right + 1);
        EXPECT_EQ(outlined.top, text.top - 1);
        EXPECT_EQ(outlined.bottom, text.bottom + 1);
    }
}

TEST_F(CalendarText, OverlayTimeSitsTopLeftAndDateBoxEndsAtTheBandCorner)
{
    const struct { bool b24; int hour, minute, second, month, day; } cases[] = {
        {true, 13, 4, 9, 12, 24}, {true, 23, 59, 58, 1, 5}, {false, 22, 0, 0, 12, 6},
    };
    const int nDescent = MetricsOf(20).tmDescent;
    for (const auto &c : cases) {
        Settings.b24 = c.b24;
        Dib overlay(120, 160, kGrey);
        DrawOverlay(&overlay, c.hour, c.minute, c.second, c.month, c.day);
        const auto touched = [](COLORREF col) { return col != kGrey; };
        const Box time = FindBox(overlay, {0, 0, 120, 80}, touched);
        EXPECT_GE(time.left, 7);
        EXPECT_LE(time.left, 10);
        EXPECT_GE(time.top, 7);
        EXPECT_LE(time.bottom, 40);
        const Box date = FindBox(overlay, {0, 80, 120, 160}, touched);
        EXPECT_GE(date.top, 120 - 1);
        EXPECT_LE(date.right, 112);
        EXPECT_GE(date.right, 112 - 4);
        EXPECT_LE(date.bottom, 152);
        EXPECT_GE(date.bottom, 152 - nDescent - 2);
        EXPECT_EQ(GetTextColor(overlay.hdc), RGB(0, 0, 0));
        EXPECT_EQ(GetBkMode(overlay.hdc), TRANSPARENT);
    }
}

// How many more pens can be created now; a leak of n objects lowers it by n.
int GdiCapacity()
{
    std::vector<HPEN> pens;
    for (;;) {
        HPEN hPen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        if (hPen == nullptr)
            break;
        pens.push_back(hPen);
    }
    for (HPEN hPen : pens)
        DeleteObject(hPen);
    return static_cast<int>(pens.size());
}

void DrawEverything(HDC hdc)
{
    const RECT rc = {0, 0, 120, 160};
    DrawCalendarYear(hdc, &rc, 2000);
    DrawCalendarMonth(hdc, &rc, 3);
    DrawCalendarDay(hdc, &rc, 5);
    DrawCalendarWeekday(hdc, &rc, 6);
    DrawCalendarRokuyo(hdc, &rc, 5);
    DrawCalendarTime(hdc, &rc, 12, 0, 0);
    DrawOverlayTime(hdc, &rc, 12, 0, 0);
    DrawOverlayDate(hdc, &rc, 12, 6);
}

TEST_F(CalendarText, DrawingLeavesNoGdiObjectBehind)
{
    Dib dib(120, 160, kWhite);
    DrawEverything(dib.hdc);
    const int nBefore = GdiCapacity();
    for (int i = 0; i < 50; ++i)
        DrawEverything(dib.hdc);
    EXPECT_EQ(GdiCapacity(), nBefore);
}

struct PageDay {
    int year, month, day, weekday, hour, minute, second;
};

// The page as the painter draws it: picture, then the fields in its colour order.
void ComposePage(HDC hdc, const RECT &page, const PageDay &d, HBITMAP hbmPicture)
{
    HDC hdcPicture = CreateCompatibleDC(hdc);
    {
        ScopedSelectObject select(hdcPicture, hbmPicture);
        BitBlt(hdc, page.left, page.top, 120, 160, hdcPicture, 0, 0, SRCCOPY);
    }
    DeleteDC(hdcPicture);
    SetTextColor(hdc, RGB(0, 0, 0));
    DrawCalendarYear(hdc, &page, d.year);
    SetTextColor(hdc, GetDayColor(d.year, d.month, d.day, d.weekday));
    DrawCalendarDay(hdc, &page, d.day);
    DrawCalendarMonth(hdc, &page, d.month);
    DrawCalendarWeekday(hdc, &page, d.weekday);
    SetTextColor(hdc, RGB(0, 0, 0));
    DrawCalendarRokuyo(hdc, &page, GetRokuyoIndex(d.month, d.day));
    DrawCalendarTime(hdc, &page, d.hour, d.minute, d.second);
}

const PageDay kRedBlueBlackDays[3] = {
    {2000, 12, 23, 6, 21, 7, 0},  // Saturday holiday: red
    {2006, 1, 7, 6, 9, 5, 1},     // Saturday: blue
    {2001, 9, 17, 1, 0, 30, 0},   // Monday after a plain Sunday: black
};

// Not a check: with VESPIN_CALENDAR_BMP set, writes the three days on the page picture and
// the overlay beside them, for looking at.
TEST_F(CalendarText, WritesThePagePictureWhenAsked)
{
    const char *pszPath = std::getenv("VESPIN_CALENDAR_BMP");
    if (pszPath == nullptr)
        return;
    Settings.b6 = 1;
    Dib picture(480, 160, kGrey);
    ScopedGdiObject<HBITMAP> pageBitmap(
        LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_CALENDAR)));
    ASSERT_NE(pageBitmap.get(), nullptr);
    for (int i = 0; i < 3; ++i)
        ComposePage(picture.hdc, {120 * i, 0, 120 * i + 120, 160}, kRedBlueBlackDays[i], pageBitmap);
    Dib overlay(120, 160, kGrey);
    DrawOverlay(&overlay, 9, 5, 8, 1, 5);
    BitBlt(picture.hdc, 360, 0, 120, 160, overlay.hdc, 0, 0, SRCCOPY);
    picture.WriteBmp(pszPath);
}

}  // namespace
