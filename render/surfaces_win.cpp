// The paint's kept images: one working DC with three bitmaps, the background's pixels, the off-screen picture.
#include "render/surfaces_win.h"

#include <cstring>

#include "base/appinfo_win.h"
#include "render/layout.h"
#include "render/panel_win.h"
#include "res/resource.h"

namespace {

PaintSurfaces surfaces;
HGDIOBJ hbmWorkOriginal;  // the working DC's own bitmap, put back before it is deleted
BYTE *pBackground;        // LocalAlloc'd once: a static array would be stored in the exe
bool bReady;

HDC hdcPicture;
HBITMAP hbmPicture;
HGDIOBJ hbmPictureOriginal;
int cxPicture;
int cyPicture;

void ReleasePicture()
{
    if (hdcPicture) {
        SelectObject(hdcPicture, hbmPictureOriginal);
        DeleteDC(hdcPicture);
    }
    if (hbmPicture)
        DeleteObject(hbmPicture);
    hdcPicture = nullptr;
    hbmPicture = nullptr;
    cxPicture = cyPicture = 0;
}

// The background goes through GDI once, as the panel always drew it: a bitmap the
// screen's format holds, blitted onto the 24-bit panel.
bool ReadBackground()
{
    HBITMAP hbmBack = LoadBitmapA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_BACKGROUND));
    HDC hdcBack = hbmBack ? CreateCompatibleDC(surfaces.hdcWork) : nullptr;
    bool bRead = false;
    if (hdcBack) {
        HGDIOBJ hbmOld = SelectObject(hdcBack, hbmBack);
        HGDIOBJ hbmWorkOld = SelectObject(surfaces.hdcWork, surfaces.hbmPanel);
        bRead = hbmOld && hbmWorkOld &&
                BitBlt(surfaces.hdcWork, 0, 0, kPanelWidth, kPanelHeight, hdcBack, 0, 0, SRCCOPY);
        GdiFlush();
        if (bRead)
            std::memcpy(pBackground, surfaces.pvPanel, kPanelBytes);
        if (hbmWorkOld)
            SelectObject(surfaces.hdcWork, hbmWorkOld);
        if (hbmOld)
            SelectObject(hdcBack, hbmOld);
        DeleteDC(hdcBack);
    }
    if (hbmBack)
        DeleteObject(hbmBack);
    return bRead;
}

bool MakeSurfaces(HDC hdc)
{
    surfaces.hdcWork = CreateCompatibleDC(hdc);
    surfaces.hbmPanel = CreateRgbDib(hdc, kPanelWidth, kPanelHeight, &surfaces.pvPanel);
    surfaces.hbmLayer = CreateRgbDib(hdc, kPanelWidth, kPanelHeight, &surfaces.pvLayer);
    surfaces.hbmPage = LoadBitmapA(AppInfo.hInstance, MAKEINTRESOURCEA(IDB_CALENDAR));
    pBackground = static_cast<BYTE *>(LocalAlloc(LMEM_FIXED, kPanelBytes));
    if (!surfaces.hdcWork || !surfaces.hbmPanel || !surfaces.hbmLayer || !surfaces.hbmPage || !pBackground)
        return false;
    // Selecting the layer gives back the DC's own bitmap, which is kept to be put back.
    hbmWorkOriginal = SelectObject(surfaces.hdcWork, surfaces.hbmLayer);
    if (!hbmWorkOriginal || hbmWorkOriginal == HGDI_ERROR) {
        hbmWorkOriginal = nullptr;
        return false;
    }
    if (!ReadBackground())
        return false;
    surfaces.pBackground = pBackground;
    return true;
}

}  // namespace

const PaintSurfaces *GetPaintSurfaces(HDC hdc)
{
    if (!bReady) {
        bReady = MakeSurfaces(hdc);
        if (!bReady)
            ReleasePaintSurfaces();
    }
    return bReady ? &surfaces : nullptr;
}

HDC GetOffscreenPicture(HDC hdc, int cx, int cy)
{
    if (hdcPicture && cx <= cxPicture && cy <= cyPicture)
        return hdcPicture;
    ReleasePicture();
    // Large enough for every layout, so a page opened or closed needs no new picture.
    const int cxNew = cx > 2 * kPanelWidth ? cx : 2 * kPanelWidth;
    const int cyNew = cy > 2 * kPanelHeight ? cy : 2 * kPanelHeight;
    hdcPicture = CreateCompatibleDC(hdc);
    hbmPicture = hdcPicture ? CreateCompatibleBitmap(hdc, cxNew, cyNew) : nullptr;
    hbmPictureOriginal = hbmPicture ? SelectObject(hdcPicture, hbmPicture) : nullptr;
    if (!hbmPictureOriginal || hbmPictureOriginal == HGDI_ERROR) {
        hbmPictureOriginal = nullptr;
        if (hdcPicture)
            DeleteDC(hdcPicture);
        if (hbmPicture)
            DeleteObject(hbmPicture);
        hdcPicture = nullptr;
        hbmPicture = nullptr;
        return nullptr;
    }
    cxPicture = cxNew;
    cyPicture = cyNew;
    return hdcPicture;
}

void ReleasePaintSurfaces()
{
    ReleasePicture();
    if (surfaces.hdcWork) {
        if (hbmWorkOriginal)
            SelectObject(surfaces.hdcWork, hbmWorkOriginal);
        DeleteDC(surfaces.hdcWork);
    }
    const HBITMAP bitmaps[] = {surfaces.hbmPanel, surfaces.hbmLayer, surfaces.hbmPage};
    for (HBITMAP hbm : bitmaps)
        if (hbm)
            DeleteObject(hbm);
    if (pBackground)
        LocalFree(pBackground);
    pBackground = nullptr;
    surfaces = {};
    hbmWorkOriginal = nullptr;
    bReady = false;
}
