// Calendar page fields and the outlined overlay, drawn into real 24-bit DIBs and read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <vector>

#include "base/gdi_scope_win.h"
#include "calendar/caltext.h"
#include "calendar/caltext_win.h"
#include "calendar/textfont_win.h"
#include "settings/settings.h"
#include "tests/win/win_test_util.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kGrey = RGB(128, 128, 128), kBlue = RGB(0, 0, 255);
const RECT kPanel = {0, 0, 120, 160};

// Left, top, right and bottom (all inclusive) of the pixels not of the given colour inside a rectangle.
using Box = std::array<int, 4>;
Box FindBox(const wintest::TestImage &dib, const RECT &rc, COLORREF crOther)
{
    Box box = {INT_MAX, INT_MAX, -1, -1};
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (dib.ColorAt(x, y) != crOther)
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
    return box;
}

// Each field, the height of its font and where it goes: the top of its band and the centre of its
// column, both relative to the page (the overlay's place is checked against its own reference).
const struct { void (*draw)(HDC, const RECT *, const char *); int nFontHeight, nTop, nCentre; } kFields[] = {
    {[](HDC h, const RECT *p, const char *f) { DrawCalendarYear(h, p, f, 1998); }, 13, 5, 60},
    {[](HDC h, const RECT *p, const char *f) { DrawCalendarMonth(h, p, f, 12); }, 22, 41, 60},
    {[](HDC h, const RECT *p, const char *f) { DrawCalendarDay(h, p, f, 5); }, 40, 67, 60},
    {[](HDC h, const RECT *p, const char *f) { DrawCalendarWeekday(h, p, f, 0, false); }, 13, 107, 60},
    {[](HDC h, const RECT *p, const char *f) { DrawCalendarWeekday(h, p, f, 3, true); }, 13, 107, 45},  // beside the rokuyo
    {[](HDC h, const RECT *p, const char *f) { DrawCalendarRokuyo(h, p, f, 5); }, 13, 107, 75},
    {[](HDC h, const RECT *p, const char *f) { DrawCalendarTime(h, p, f, "10:00"); }, 16, 141, 60},
    {[](HDC h, const RECT *p, const char *f) { DrawOverlayTime(h, p, f, " 9:05"); }, 20, -1, 0},
    {[](HDC h, const RECT *p, const char *f) { DrawOverlayDate(h, p, f, 1, 5); }, 20, -1, 0},
};

class CalendarText : public testing::Test {
protected:
    void SetUp() override { SetDefaultSettings(&Settings); }
    void TearDown() override { SetDefaultSettings(&Settings); }
};

// The first drawing makes what is made only once, so leaks are counted after it.
TEST_F(CalendarText, DefaultFaceHasJapaneseGlyphsAnUnknownFaceStillDrawsAndNoGdiObjectIsLeft)
{
    wintest::TestImage dib(120, 160);
    dib.FillColor(kWhite);
    ScopedGdiObject<HFONT> font(CreateTextFont(kDefaultFontFace, 22));
    ScopedSelectObject select(dib.dc(), font);
    const wchar_t szGlyphs[] = L"年月０９　（日月火水木金土）大安赤口先勝友引先負仏滅";
    std::vector<WORD> indices(ARRAYSIZE(szGlyphs) - 1, 0xFFFF);
    GetGlyphIndicesW(dib.dc(), szGlyphs, int(indices.size()), indices.data(), GGI_MARK_NONEXISTING_GLYPHS);
    EXPECT_EQ(std::count(indices.begin(), indices.end(), 0xFFFF), 0);
    DrawCalendarDay(dib.dc(), &kPanel, "Vespin No Such Face", 23);
    EXPECT_GE(FindBox(dib, kPanel, kWhite)[2], 0);
    const auto drawAll = [&] {
        for (const auto &field : kFields)
            field.draw(dib.dc(), &kPanel, kDefaultFontFace);
    };
    drawAll();
    const int before = wintest::GdiCapacity();
    for (int i = 0; i < 50; ++i)
        drawAll();
    EXPECT_EQ(wintest::GdiCapacity(), before);
}

int CALLBACK CollectFonts(HDC, HANDLETABLE *, const ENHMETARECORD *pRecord, int, LPARAM lParam)
{
    if (pRecord->iType == EMR_EXTCREATEFONTINDIRECTW)
        reinterpret_cast<std::vector<LOGFONTW> *>(lParam)->push_back(
            reinterpret_cast<const EMREXTCREATEFONTINDIRECTW *>(pRecord)->elfw.elfLogFont);
    return 1;
}

// Each field's font read back from a recording of its drawing: the one recipe (weight 900,
// Shift-JIS, the face given, everything else 0) at the field's own height. Then the field drawn
// on a page away from the origin, so every position must come from its edges.
TEST_F(CalendarText, EachFieldUsesTheOneFontRecipeAtItsHeightAtTheTopOfItsBandCentredOnItsColumn)
{
    const char *face = "ＭＳ Ｐゴシック";
    const RECT page = {120, 160, 240, 320};
    for (const auto &c : kFields) {
        SCOPED_TRACE(testing::Message() << "height " << c.nFontHeight << ", top " << c.nTop << ", x " << c.nCentre);
        HDC hdcMeta = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
        c.draw(hdcMeta, &kPanel, face);
        HENHMETAFILE hEmf = CloseEnhMetaFile(hdcMeta);
        std::vector<LOGFONTW> fonts;
        EnumEnhMetaFile(nullptr, hEmf, CollectFonts, &fonts, nullptr);
        DeleteEnhMetaFile(hEmf);
        ASSERT_EQ(fonts.size(), 1u);
        const LOGFONTW &lf = fonts[0];
        EXPECT_EQ(std::vector<LONG>({lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation, lf.lfWeight}),
                  std::vector<LONG>({c.nFontHeight, 0, 0, 0, 900}));
        EXPECT_EQ(std::vector<int>({lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision,
                                    lf.lfClipPrecision, lf.lfQuality, lf.lfPitchAndFamily}),
                  std::vector<int>({0, 0, 0, 128, 0, 0, 0, 0}));
        EXPECT_EQ(std::wstring(lf.lfFaceName), L"ＭＳ Ｐゴシック");
        if (c.nTop < 0)
            continue;
        wintest::TestImage dib(400, 320);
        dib.FillColor(kWhite);
        SetTextColor(dib.dc(), kBlue);
        c.draw(dib.dc(), &page, face);
        const auto [left, top, right, bottom] = FindBox(dib, {0, 0, 400, 320}, kWhite);
        EXPECT_TRUE(top >= page.top + c.nTop && bottom < page.top + c.nTop + c.nFontHeight) << top << " to " << bottom;
        EXPECT_NEAR((left + right + 1) / 2.0, page.left + c.nCentre, 2.5);
        // Blue on blue: no other colour and no background shows.
        dib.FillColor(kBlue);
        c.draw(dib.dc(), &page, face);
        EXPECT_EQ(FindBox(dib, {0, 0, 400, 320}, kBlue), (Box{INT_MAX, INT_MAX, -1, -1}));
    }
}

// Compared with the same texts drawn plainly in black in boxes from (8, 8) and ending at
// (112, 152): the glyphs are exactly where those put them, no black pixel has bare grey left,
// right, above or below it, and the outline widens each text by exactly one pixel on every
// side, leaving the rest untouched.
TEST_F(CalendarText, OverlayIsBlackTextOutlinedInWhiteOnUntouchedGrey)
{
    const struct { bool b24; int hour, minute, second, month, day; const char *time, *date; } cases[] = {
        {true, 9, 5, 8, 1, 5, " 9:05", " 1/ 5"},
        {false, 22, 0, 1, 12, 24, "10 00", "12/24"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.date);
        wintest::TestImage overlay(120, 160), reference(120, 160);
        overlay.FillColor(kGrey);
        reference.FillColor(kGrey);
        char szTime[kFieldTextSize];
        FormatClockText(c.hour, c.minute, c.second, c.b24, false, szTime, sizeof(szTime));
        DrawOverlayTime(overlay.dc(), &kPanel, kDefaultFontFace, szTime);
        DrawOverlayDate(overlay.dc(), &kPanel, kDefaultFontFace, c.month, c.day);
        // The recipe spelt out here, not taken from the code under test.
        ScopedGdiObject<HFONT> font(CreateFontA(20, 0, 0, 0, 900, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                                                kDefaultFontFace));
        ScopedSelectObject select(reference.dc(), font);
        SetBkMode(reference.dc(), TRANSPARENT);
        RECT rcTime = {8, 8, 112, 40}, rcDate = {8, 120, 112, 152};
        DrawTextA(reference.dc(), c.time, -1, &rcTime, DT_LEFT | DT_TOP);
        DrawTextA(reference.dc(), c.date, -1, &rcDate, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
        for (int y = 1; y < 159; ++y)
            for (int x = 1; x < 119; ++x) {
                const bool bBlack = overlay.ColorAt(x, y) == 0;
                ASSERT_EQ(bBlack, reference.ColorAt(x, y) == 0) << x << "," << y;
                ASSERT_FALSE(bBlack && (overlay.ColorAt(x - 1, y) == kGrey || overlay.ColorAt(x + 1, y) == kGrey ||
                                        overlay.ColorAt(x, y - 1) == kGrey || overlay.ColorAt(x, y + 1) == kGrey))
                    << "bare black at " << x << "," << y;
            }
        for (const RECT &band : {RECT{0, 0, 120, 80}, RECT{0, 80, 120, 160}}) {
            const Box text = FindBox(reference, band, kGrey);
            EXPECT_EQ(FindBox(overlay, band, kGrey), (Box{text[0] - 1, text[1] - 1, text[2] + 1, text[3] + 1}));
        }
    }
}

}  // namespace
