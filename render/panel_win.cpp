// The character panel: background, character and clock overlay composed on kept images, then one blit.
#include "render/panel_win.h"

#include <cstdlib>
#include <cstring>

#include "base/appinfo_win.h"
#include "calendar/caltext_win.h"
#include "render/blend.h"
#include "render/layout.h"
#include "render/sheet.h"
#include "render/surfaces_win.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/state.h"

namespace {

BITMAPINFOHEADER RgbHeader(int nWidth, int nHeight)
{
    BITMAPINFOHEADER bmih = {};
    bmih.biSize = sizeof(bmih);
    bmih.biWidth = nWidth;
    bmih.biHeight = -nHeight;
    bmih.biPlanes = 1;
    bmih.biBitCount = 24;
    bmih.biCompression = BI_RGB;
    return bmih;
}

bool DescribeTarget(HBITMAP hbm, PixelTarget *pTarget)
{
    BITMAP bm;
    if (!hbm || GetObjectA(hbm, sizeof(bm), &bm) != sizeof(bm) || !bm.bmBits || bm.bmBitsPixel != 24)
        return false;
    pTarget->pPixels = static_cast<uint8_t *>(bm.bmBits);
    pTarget->nWidth = bm.bmWidth;
    pTarget->nHeight = std::abs(bm.bmHeight);
    pTarget->nStride = bm.bmWidthBytes;
    pTarget->cbPixels = static_cast<size_t>(bm.bmWidthBytes) * static_cast<size_t>(pTarget->nHeight);
    return true;
}

bool DescribeSource(const BITMAPINFOHEADER *pbmih, const void *pvBits, PixelSource *pSource)
{
    if (!pbmih || !pvBits || pbmih->biSize < sizeof(BITMAPINFOHEADER) || pbmih->biCompression != BI_RGB)
        return false;
    const uint64_t cbRow = DibRowBytes(pbmih->biWidth, pbmih->biBitCount);
    const uint64_t rows = pbmih->biHeight > 0 ? static_cast<uint64_t>(pbmih->biHeight)
                                              : static_cast<uint64_t>(-static_cast<int64_t>(pbmih->biHeight));
    if (cbRow == 0 || cbRow * rows > SIZE_MAX)
        return false;
    pSource->pPixels = static_cast<const uint8_t *>(pvBits);
    pSource->cbPixels = static_cast<size_t>(cbRow * rows);
    pSource->nWidth = pbmih->biWidth;
    pSource->nHeight = pbmih->biHeight;
    pSource->nBitCount = pbmih->biBitCount;
    pSource->pColorTable = reinterpret_cast<const uint8_t *>(pbmih) + pbmih->biSize;
    pSource->nColors = pbmih->biBitCount == 8 ? (pbmih->biClrUsed != 0 ? pbmih->biClrUsed : 256) : 0;
    return true;
}

// GDI may still owe the destination a drawing call; its bits must be current.
bool DescribeBoth(HBITMAP hbmDest, const BITMAPINFOHEADER *pbmihSource, const void *pvSourceBits, PixelTarget *pDest,
                  PixelSource *pSource)
{
    GdiFlush();
    return DescribeTarget(hbmDest, pDest) && DescribeSource(pbmihSource, pvSourceBits, pSource);
}

// The character sheet, found and checked once: resources never change while the program runs.
bool FindCharacterSheet(const BITMAPINFOHEADER **ppbmih, const void **ppvBits)
{
    static const BITMAPINFOHEADER *pbmihSheet;
    static const void *pvSheetBits;
    if (!pbmihSheet) {
        HRSRC hrsrc = FindResourceA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_CHARACTER), RT_BITMAP);
        HGLOBAL hResource = hrsrc ? LoadResource(AppInfo.hInstance, hrsrc) : nullptr;
        const BYTE *pResource = hResource ? static_cast<const BYTE *>(LockResource(hResource)) : nullptr;
        const DWORD cbResource = hrsrc ? SizeofResource(AppInfo.hInstance, hrsrc) : 0;
        PixelSource parsed;
        if (!pResource || !ParsePackedDib(pResource, cbResource, &parsed) || parsed.nBitCount != 8 ||
            parsed.nWidth < kSheetWidth || std::abs(parsed.nHeight) < kSheetHeight)
            return false;
        pvSheetBits = parsed.pPixels;
        pbmihSheet = reinterpret_cast<const BITMAPINFOHEADER *>(pResource);
    }
    *ppbmih = pbmihSheet;
    *ppvBits = pvSheetBits;
    return true;
}

// The picture, with the patch over the eyes drawn straight from its place on the
// sheet: the resource itself is never changed.
void BlendCharacter(HBITMAP hbmPanel, const BITMAPINFOHEADER *pbmihSheet, const void *pvSheetBits)
{
    BlitRect pieces[kMaxCharacterPieces];
    const int nPieces = CharacterPieces(BlinkPatchFor(nBlinkStep, Settings.nDrawChara), pieces);
    for (int i = 0; i < nPieces; ++i)
        BlendDib(hbmPanel, pieces[i].nDestX, pieces[i].nDestY, pieces[i].nWidth, pieces[i].nHeight, pbmihSheet,
                 pvSheetBits, pieces[i].nSourceX, pieces[i].nSourceY, kCharacterKey, Settings.nTransparent);
}

void BlendClockOverlay(const PaintSurfaces &surfaces, const SYSTEMTIME &st)
{
    // At 100 the blend leaves the panel as it is: no text to draw.
    if (Settings.nTransparentCal >= 100 || !SelectObject(surfaces.hdcWork, surfaces.hbmLayer))
        return;
    GdiFlush();
    // Grey everywhere is the key: whatever the text leaves grey stays out of the blend.
    std::memset(surfaces.pvLayer, 128, kPanelBytes);
    RECT rcLayer = {0, 0, kPanelWidth, kPanelHeight};
    DrawOverlayTime(surfaces.hdcWork, &rcLayer, st.wHour, st.wMinute, st.wSecond);
    DrawOverlayDate(surfaces.hdcWork, &rcLayer, st.wMonth, st.wDay);
    const BITMAPINFOHEADER bmihLayer = RgbHeader(kPanelWidth, kPanelHeight);
    BlendDib(surfaces.hbmPanel, 0, 0, kPanelWidth, kPanelHeight, &bmihLayer, surfaces.pvLayer, 0, 0, kOverlayKey,
             Settings.nTransparentCal);
}

}  // namespace

HBITMAP CreateRgbDib(HDC hdc, int nWidth, int nHeight, void **ppvBits)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader = RgbHeader(nWidth, nHeight);
    *ppvBits = nullptr;
    HBITMAP hbm = CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, ppvBits, nullptr, 0);
    if (hbm && !*ppvBits) {
        DeleteObject(hbm);
        return nullptr;
    }
    return hbm;
}

void BlendDib(HBITMAP hbmDest, int xDest, int yDest, int nWidth, int nHeight, const BITMAPINFOHEADER *pbmihSource,
              const void *pvSourceBits, int xSource, int ySource, DWORD dwKey, int nTransparency)
{
    // A hand-edited percentage must not reach the arithmetic as it is.
    const int t = nTransparency < 0 ? 0 : nTransparency > 100 ? 100 : nTransparency;
    if (t == 0) {
        CopyDibKeyed(hbmDest, xDest, yDest, nWidth, nHeight, pbmihSource, pvSourceBits, xSource, ySource, dwKey);
        return;
    }
    PixelTarget dst;
    PixelSource src;
    if (!DescribeBoth(hbmDest, pbmihSource, pvSourceBits, &dst, &src))
        return;
    BlendPixels(dst, {xDest, yDest, nWidth, nHeight, xSource, ySource}, src, dwKey, t);
}

void CopyDibKeyed(HBITMAP hbmDest, int xDest, int yDest, int nWidth, int nHeight, const BITMAPINFOHEADER *pbmihSource,
                  const void *pvSourceBits, int xSource, int ySource, DWORD dwKey)
{
    PixelTarget dst;
    PixelSource src;
    if (!DescribeBoth(hbmDest, pbmihSource, pvSourceBits, &dst, &src))
        return;
    CopyPixelsKeyed(dst, {xDest, yDest, nWidth, nHeight, xSource, ySource}, src, dwKey);
}

void DrawCharacterPanel(HDC hdcTarget, const SYSTEMTIME &st)
{
    const PaintSurfaces *pSurfaces = GetPaintSurfaces(hdcTarget);
    const BITMAPINFOHEADER *pbmihSheet;
    const void *pvSheetBits;
    if (!pSurfaces || !FindCharacterSheet(&pbmihSheet, &pvSheetBits))
        return;
    // GDI may still owe the panel a drawing call; its bits must be current before they are written.
    GdiFlush();
    std::memcpy(pSurfaces->pvPanel, pSurfaces->pBackground, kPanelBytes);
    BlendCharacter(pSurfaces->hbmPanel, pbmihSheet, pvSheetBits);
    if (!Settings.bStatus)
        BlendClockOverlay(*pSurfaces, st);
    if (!SelectObject(pSurfaces->hdcWork, pSurfaces->hbmPanel))
        return;
    const PanelLayout layout = LayoutPanels(Settings.bStatus, Settings.nCalendarPos);
    BitBlt(hdcTarget, layout.xPanel, layout.yPanel, kPanelWidth, kPanelHeight, pSurfaces->hdcWork, 0, 0, SRCCOPY);
}
