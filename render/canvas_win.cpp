// The one owner of what paints keep: made at the first paint, everything freed when the window goes.
#include "render/canvas_win.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "base/appinfo_win.h"
#include "base/layout.h"
#include "calendar/textfont_win.h"
#include "render/panel.h"
#include "res/resource.h"

namespace {

Canvas canvas;
bool bCanvasReady;

bool MakeRgbImage(MemoryBitmap *pBitmap, HDC hdc, void **ppvBits)
{
    return MakeMemoryBitmap(pBitmap, hdc, CreateRgbDib(hdc, kPanelWidth, kPanelHeight, ppvBits));
}

bool MakeResourceBitmap(MemoryBitmap *pBitmap, HDC hdc, int nId)
{
    return MakeMemoryBitmap(pBitmap, hdc, LoadBitmapA(AppInfo.hInstance, MAKEINTRESOURCEA(nId)));
}

// The background goes through GDI once, as the panel always drew it: a bitmap the screen's
// format holds, blitted onto a 24-bit image like the panel's.
bool ReadBackground(HDC hdc)
{
    void *pvBits;
    MemoryBitmap loaded;
    if (!MakeRgbImage(&canvas.background, hdc, &pvBits) || !MakeResourceBitmap(&loaded, hdc, IDB_BACKGROUND))
        return false;
    const bool bRead =
        BitBlt(canvas.background.hdc, 0, 0, kPanelWidth, kPanelHeight, loaded.hdc, 0, 0, SRCCOPY) != FALSE;
    FreeMemoryBitmap(&loaded);
    GdiFlush();
    canvas.pvBackground = pvBits;
    return bRead;
}

// The character sheet is read where it lies in the resources, which never change.
bool FindCharacterSheet()
{
    HRSRC hrsrc = FindResourceA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_CHARACTER), RT_BITMAP);
    HGLOBAL hResource = hrsrc ? LoadResource(AppInfo.hInstance, hrsrc) : nullptr;
    const BYTE *pResource = hResource ? static_cast<const BYTE *>(LockResource(hResource)) : nullptr;
    const DWORD cbResource = hrsrc ? SizeofResource(AppInfo.hInstance, hrsrc) : 0;
    PixelSource parsed;
    if (!pResource || !ParsePackedDib(pResource, cbResource, &parsed) || parsed.nBitCount != 8 ||
        parsed.nWidth < kSheetWidth || std::abs(parsed.nHeight) < kSheetHeight)
        return false;
    canvas.pbmihSheet = reinterpret_cast<const BITMAPINFOHEADER *>(pResource);
    canvas.pvSheetBits = parsed.pPixels;
    return true;
}

bool MakeCanvas(HDC hdc)
{
    // One picture for every layout, so a page opened or closed needs no new one.
    return MakeMemoryBitmap(&canvas.picture, hdc, CreateCompatibleBitmap(hdc, 2 * kPanelWidth, 2 * kPanelHeight)) &&
           MakeRgbImage(&canvas.panel, hdc, &canvas.pvPanel) && MakeRgbImage(&canvas.layer, hdc, &canvas.pvLayer) &&
           MakeResourceBitmap(&canvas.page, hdc, IDB_CALENDAR) && ReadBackground(hdc) && FindCharacterSheet();
}

}  // namespace

Canvas *GetCanvas(HDC hdc)
{
    if (!bCanvasReady && hdc) {
        bCanvasReady = MakeCanvas(hdc);
        if (!bCanvasReady)
            ReleaseCanvas();
    }
    return bCanvasReady ? &canvas : nullptr;
}

void ReleaseCanvas()
{
    for (MemoryBitmap *pBitmap : {&canvas.picture, &canvas.panel, &canvas.layer, &canvas.page, &canvas.background})
        FreeMemoryBitmap(pBitmap);
    canvas = {};
    bCanvasReady = false;
    ReleaseTextFonts();
}

HBITMAP CreateRgbDib(HDC hdc, int nWidth, int nHeight, void **ppvBits)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -nHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    *ppvBits = nullptr;
    HBITMAP hbm = CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, ppvBits, nullptr, 0);
    if (hbm && !*ppvBits) {
        DeleteObject(hbm);
        return nullptr;
    }
    return hbm;
}
