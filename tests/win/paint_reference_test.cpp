// The paint on kept images and fonts draws exactly what the paint that rebuilt everything from the
// resources drew: every page position, the page hidden, each blink step, each day colour, and with
// the calendar page's boxes clear, the fixed rules' colours and rokuyo where the law differs.
#include <algorithm>
#include <cstring>

#include "calendar/caltext.h"
#include "calendar/caltext_win.h"
#include "calendar/holiday.h"
#include "calendar/holidaylaw.h"
#include "calendar/lunar.h"
#include "calendar/textfont_win.h"
#include "base/layout.h"
#include "render/panel.h"
#include "tests/win/render_fixture.h"

// The composition as it was before paints kept anything: bitmaps loaded, the sheet copied and its
// patch copied in, a fresh font for every text, new working images and a new off-screen picture.
void ReferencePaint(HWND hWnd, HDC hdc, const SYSTEMTIME &st)
{
    RECT rc;
    GetClientRect(hWnd, &rc);
    ScopedMemoryDC dcMem(hdc), dcPage(hdc);
    ScopedGdiObject<HBITMAP> bmMem(CreateCompatibleBitmap(hdc, rc.right, rc.bottom));
    ScopedSelectObject selectMem(dcMem, bmMem);
    FillRect(dcMem, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    void *pvPanel = nullptr;
    ScopedGdiObject<HBITMAP> bmPanel(CreateRgbDib(dcMem, 120, 160, &pvPanel));
    ScopedMemoryDC dcPanel(dcMem.get()), dcBack(dcMem.get());
    ScopedSelectObject selectPanel(dcPanel, bmPanel);
    ScopedGdiObject<HBITMAP> bmBack(LoadBitmapA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_BACKGROUND)));
    ScopedSelectObject selectBack(dcBack, bmBack);
    BitBlt(dcPanel, 0, 0, 120, 160, dcBack, 0, 0, SRCCOPY);

    HRSRC hrsrc = FindResourceA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_CHARACTER), RT_BITMAP);
    const BYTE *pResource = static_cast<const BYTE *>(LockResource(LoadResource(AppInfo.hInstance, hrsrc)));
    std::vector<BYTE> sheet(pResource, pResource + SizeofResource(AppInfo.hInstance, hrsrc));
    auto *pbmih = reinterpret_cast<BITMAPINFOHEADER *>(sheet.data());
    BYTE *pBits = sheet.data() + pbmih->biSize + 4 * pbmih->biClrUsed;
    const int nPatch = BlinkPatchFor(nBlinkStep, Settings.nDrawChara);
    const char *face = TextFaceFor(Settings.szFont);
    char szTime[kFieldTextSize];
    FormatClockText(st.wHour, st.wMinute, st.wSecond, Settings.b24, Settings.bSecond, szTime, sizeof(szTime));
    for (int y = 0; nPatch >= 0 && y < kPatchHeight; ++y)  // 240-byte rows, bottom-up
        std::memmove(pBits + (159 - kEyesTop - y) * 240 + kEyesLeft,
                     pBits + (159 - kPatchTop[nPatch] - y) * 240 + kPatchLeft, kPatchWidth);
    BlendDib(bmPanel, 0, 0, 120, 152, pbmih, pBits, 0, 0, kCharacterKey, Settings.nTransparent);

    if (!Settings.bStatus) {
        void *pvLayer = nullptr;
        ScopedGdiObject<HBITMAP> bmLayer(CreateRgbDib(dcMem, 120, 160, &pvLayer));
        ScopedMemoryDC dcLayer(dcMem.get());
        ScopedSelectObject selectLayer(dcLayer, bmLayer);
        std::memset(pvLayer, 128, 120 * 160 * 3);
        RECT rcLayer = {0, 0, 120, 160};
        ReleaseTextFonts();
        DrawOverlayTime(dcLayer, &rcLayer, face, szTime);
        ReleaseTextFonts();
        DrawOverlayDate(dcLayer, &rcLayer, face, st.wMonth, st.wDay);
        GdiFlush();
        const BITMAPINFOHEADER bmihLayer = {sizeof(BITMAPINFOHEADER), 120, -160, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        BlendDib(bmPanel, 0, 0, 120, 160, &bmihLayer, pvLayer, 0, 0, kOverlayKey, Settings.nTransparentCal);
    }
    const PanelLayout layout = LayoutPanels(Settings.bStatus, Settings.nCalendarPos);
    BitBlt(dcMem, layout.xPanel, layout.yPanel, 120, 160, dcPanel, 0, 0, SRCCOPY);
    if (Settings.bStatus) {
        const RECT rcPage = {layout.xPage, layout.yPage, layout.xPage + 120, layout.yPage + 160};
        ScopedGdiObject<HBITMAP> bmPage(LoadBitmapA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_CALENDAR)));
        ScopedSelectObject selectPage(dcPage, bmPage);
        BitBlt(dcMem, rcPage.left, rcPage.top, 120, 160, dcPage, 0, 0, SRCCOPY);
        const COLORREF crDay = ChooseDayColor(Settings.bHolidayLaw, st.wYear, st.wMonth, st.wDay, st.wDayOfWeek);
        // Each field with a font of its own, made afresh.
        const auto fresh = [&](COLORREF cr) { ReleaseTextFonts(), SetTextColor(dcMem, cr); return HDC(dcMem); };
        DrawCalendarYear(fresh(0), &rcPage, face, st.wYear);
        DrawCalendarDay(fresh(crDay), &rcPage, face, st.wDay);
        DrawCalendarMonth(fresh(crDay), &rcPage, face, st.wMonth);
        DrawCalendarWeekday(fresh(crDay), &rcPage, face, st.wDayOfWeek, Settings.b6);
        if (Settings.b6)
            DrawCalendarRokuyo(fresh(0), &rcPage, face,
                               ChooseRokuyoIndex(Settings.bLunarRokuyo, st.wYear, st.wMonth, st.wDay));
        DrawCalendarTime(fresh(0), &rcPage, face, szTime);
    }
    BitBlt(hdc, 0, 0, rc.right, rc.bottom, dcMem, 0, 0, SRCCOPY);
}

namespace {

using PaintReferenceTest = PaintWindowTest;

TEST_F(PaintReferenceTest, KeptImagesAndFontsDrawWhatTheRebuiltPaintDrew)
{
    // June 2024: 2 a Sunday (red), 1 a Saturday (blue), 5 a Wednesday (black). Then, with the holiday
    // law and the lunar rokuyo off, the 2026 days the law colours otherwise, and 6 May 2008.
    struct Case {
        int32_t bStatus, nCalendarPos, nDrawChara, nBlinkStep, b6, nTransparent, nTransparentCal;
        WORD year, month, day, weekday;
        bool bProportional;
    } cases[] = {
        {1, 0, 0, -1, 0, 0, 40, 2024, 6, 5, 3, 0},    {1, 1, 2, 0, 1, 30, 40, 2024, 6, 2, 0, 0},
        {1, 2, 2, 1, 1, 0, 40, 2024, 6, 1, 6, 0},     {1, 3, 2, 2, 1, 55, 40, 2024, 6, 5, 3, 0},
        {1, 3, 2, -1, 1, 100, 40, 2024, 6, 2, 0, 1},  {0, 3, 2, 3, 1, 30, 40, 2024, 6, 2, 0, 1},
        {0, 1, 2, 4, 0, 0, 0, 2024, 6, 1, 6, 0},      {0, 0, 1, 2, 0, 70, 100, 2024, 6, 5, 3, 0},
        {0, 3, 2, 1, 0, 30, 65, 2024, 6, 1, 6, 0},    {1, 1, 2, -1, 0, 0, 40, 2026, 1, 12, 1, 0},
        {1, 1, 2, -1, 1, 0, 40, 2026, 1, 15, 4, 0},   {1, 1, 2, -1, 0, 0, 40, 2026, 2, 23, 1, 0},
        {1, 1, 2, -1, 1, 0, 40, 2026, 2, 17, 2, 0},   {1, 1, 2, -1, 0, 0, 40, 2026, 5, 6, 3, 0},
        {1, 1, 2, -1, 1, 0, 40, 2026, 9, 21, 1, 0},   {1, 1, 2, -1, 0, 0, 40, 2026, 9, 22, 2, 0},
        {1, 1, 2, -1, 1, 0, 40, 2026, 10, 10, 6, 0},  {1, 1, 2, -1, 0, 0, 40, 2026, 12, 23, 3, 0},
        {1, 1, 2, -1, 1, 0, 40, 2008, 5, 6, 2, 0},
    };
    // A new face follows a case that kept fonts of the old one, for the page (4) and the overlay (6).
    for (const Case &c : cases) {
        Settings.bStatus = c.bStatus, Settings.nCalendarPos = c.nCalendarPos, Settings.nDrawChara = c.nDrawChara;
        Settings.b6 = c.b6, Settings.nTransparent = c.nTransparent, Settings.nTransparentCal = c.nTransparentCal;
        lstrcpyA(Settings.szFont, c.bProportional ? "ＭＳ Ｐゴシック" : "ＭＳ ゴシック");
        nBlinkStep = c.nBlinkStep;
        const SYSTEMTIME st = PinTime(c.year, c.month, c.day, c.weekday, 21, 7, static_cast<WORD>(&c - cases));
        // The first paint finds what the case before kept (images, fonts of its face); the
        // reference then frees the fonts, so the second paint makes them again.
        TestImage reference(240, 320), kept(240, 320), remade(240, 320);
        Paint(kept);
        reference.Fill(1);
        ReferencePaint(hWnd_, reference.dc(), st);
        Paint(remade);
        const std::vector<uint32_t> expected = Pixels(reference, 0, 0, 240, 320);
        for (const TestImage *image : {&kept, &remade}) {
            const std::vector<uint32_t> got = Pixels(*image, 0, 0, 240, 320);
            const size_t first = std::mismatch(got.begin(), got.end(), expected.begin()).first - got.begin();
            EXPECT_EQ(first, got.size()) << "case " << &c - cases << (image == &kept ? ", kept" : ", remade")
                                         << ": differs first at " << first % 240 << "," << first / 240;
        }
    }
}

}  // namespace
