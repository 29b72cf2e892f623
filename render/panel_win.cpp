// The character panel, rebuilt from the resources on every paint.
#include "render/panel_win.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/appinfo_win.h"
#include "base/clock_win.h"
#include "base/gdi_scope_win.h"
#include "calendar/caltext_win.h"
#include "render/blend.h"
#include "render/layout.h"
#include "render/sheet.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/state.h"

namespace {

struct LocalFreeDeleter {
    void operator()(void *p) const { LocalFree(p); }
};
using LocalBlock = std::unique_ptr<BYTE, LocalFreeDeleter>;

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

void BlendOrCopy(HBITMAP hbmDest, int xDest, int yDest, int nWidth, int nHeight, const BITMAPINFOHEADER *pbmihSource,
                 const void *pvSourceBits, int xSource, int ySource, DWORD dwKey, int nTransparency)
{
    PixelTarget dst;
    PixelSource src;
    // GDI may still owe the destination a drawing call; its bits must be current.
    GdiFlush();
    if (!DescribeTarget(hbmDest, &dst) || !DescribeSource(pbmihSource, pvSourceBits, &src))
        return;
    BlendPixels(dst, {xDest, yDest, nWidth, nHeight, xSource, ySource}, src, dwKey, nTransparency);
}

bool CopyBackground(HDC hdcPanel)
{
    ScopedGdiObject<HBITMAP> bmBack(LoadBitmapA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_BACKGROUND)));
    ScopedMemoryDC dcBack(hdcPanel);
    if (!bmBack || !dcBack)
        return false;
    ScopedSelectObject select(dcBack.get(), bmBack.get());
    return select && BitBlt(hdcPanel, 0, 0, kPanelWidth, kPanelHeight, dcBack.get(), 0, 0, SRCCOPY);
}

// The sheet is changed only in a private copy, never in the resource.
bool BlendCharacter(HBITMAP hbmPanel)
{
    HRSRC hrsrc = FindResourceA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_CHARACTER), RT_BITMAP);
    HGLOBAL hResource = hrsrc ? LoadResource(AppInfo.hInstance, hrsrc) : nullptr;
    const void *pvResource = hResource ? LockResource(hResource) : nullptr;
    const DWORD cbResource = hrsrc ? SizeofResource(AppInfo.hInstance, hrsrc) : 0;
    if (!pvResource || cbResource == 0)
        return false;
    LocalBlock sheet(static_cast<BYTE *>(LocalAlloc(LPTR, cbResource)));
    if (!sheet)
        return false;
    std::memcpy(sheet.get(), pvResource, cbResource);

    PixelSource parsed;
    if (!ParsePackedDib(sheet.get(), cbResource, &parsed))
        return false;
    const int nPatch = BlinkPatchFor(nBlinkStep, Settings.nDrawChara);
    if (nPatch >= 0)
        ApplyBlinkPatch(sheet.get(), cbResource, nPatch);
    BlendDib(hbmPanel, 0, 0, kCharacterWidth, kCharacterHeight, reinterpret_cast<BITMAPINFOHEADER *>(sheet.get()),
             parsed.pPixels, 0, 0, kCharacterKey, Settings.nTransparent);
    return true;
}

bool BlendClockOverlay(HDC hdcTarget, HBITMAP hbmPanel)
{
    SYSTEMTIME st;
    ReadLocalTime(&st);
    void *pvLayer = nullptr;
    ScopedGdiObject<HBITMAP> bmLayer(CreateRgbDib(hdcTarget, kPanelWidth, kPanelHeight, &pvLayer));
    ScopedMemoryDC dcLayer(hdcTarget);
    if (!bmLayer || !dcLayer)
        return false;
    ScopedSelectObject select(dcLayer.get(), bmLayer.get());
    if (!select)
        return false;
    // Grey everywhere is the key: whatever the text leaves grey stays out of the blend.
    std::memset(pvLayer, 128, static_cast<size_t>(kPanelWidth) * 3 * kPanelHeight);
    RECT rcLayer = {0, 0, kPanelWidth, kPanelHeight};
    DrawOverlayTime(dcLayer.get(), &rcLayer, st.wHour, st.wMinute, st.wSecond);
    DrawOverlayDate(dcLayer.get(), &rcLayer, st.wMonth, st.wDay);
    GdiFlush();
    const BITMAPINFOHEADER bmihLayer = RgbHeader(kPanelWidth, kPanelHeight);
    BlendDib(hbmPanel, 0, 0, kPanelWidth, kPanelHeight, &bmihLayer, pvLayer, 0, 0, kOverlayKey,
             Settings.nTransparentCal);
    return true;
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
    BlendOrCopy(hbmDest, xDest, yDest, nWidth, nHeight, pbmihSource, pvSourceBits, xSource, ySource, dwKey, t);
}

void CopyDibKeyed(HBITMAP hbmDest, int xDest, int yDest, int nWidth, int nHeight, const BITMAPINFOHEADER *pbmihSource,
                  const void *pvSourceBits, int xSource, int ySource, DWORD dwKey)
{
    BlendOrCopy(hbmDest, xDest, yDest, nWidth, nHeight, pbmihSource, pvSourceBits, xSource, ySource, dwKey, 0);
}

void DrawCharacterPanel(HDC hdcTarget)
{
    void *pvPanel = nullptr;
    ScopedGdiObject<HBITMAP> bmPanel(CreateRgbDib(hdcTarget, kPanelWidth, kPanelHeight, &pvPanel));
    ScopedMemoryDC dcPanel(hdcTarget);
    if (!bmPanel || !dcPanel)
        return;
    ScopedSelectObject select(dcPanel.get(), bmPanel.get());
    if (!select || !CopyBackground(dcPanel.get()) || !BlendCharacter(bmPanel.get()))
        return;
    if (!Settings.bStatus && !BlendClockOverlay(hdcTarget, bmPanel.get()))
        return;
    const PanelLayout layout = LayoutPanels(Settings.bStatus, Settings.nCalendarPos);
    BitBlt(hdcTarget, layout.xPanel, layout.yPanel, kPanelWidth, kPanelHeight, dcPanel.get(), 0, 0, SRCCOPY);
}
