// The window's picture as a paint from nothing draws it, which the paint tests hold the kept paint to.
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
