// The one owner of what paints keep: made at the first paint, fonts remade when the face
// changes, everything freed when the window goes.
#include "render/canvas_win.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "base/appinfo_win.h"
#include "render/layout.h"
#include "render/sheet.h"
#include "res/resource.h"
#include "settings/settings.h"

namespace {

Canvas canvas;
bool bCanvasReady;

// The page and the overlay use five heights; a few spare slots cost nothing.
struct KeptFont {
    int nHeight;
    HFONT hFont;
};
KeptFont keptFonts[8];
int nKeptFonts;
int nNextSlot;  // when all slots are taken, the one to reuse next
char szKeptFace[sizeof(Settings.szFont)];

bool MakeRgbPicture(MemoryPicture *pPicture, HDC hdc, void **ppvBits)
{
    return MakeMemoryPicture(pPicture, hdc, CreateRgbDib(hdc, kPanelWidth, kPanelHeight, ppvBits));
}

bool MakeResourcePicture(MemoryPicture *pPicture, HDC hdc, int nId)
{
    return MakeMemoryPicture(pPicture, hdc, LoadBitmapA(AppInfo.hInstance, MAKEINTRESOURCEA(nId)));
}

// The background goes through GDI once, as the panel always drew it: a bitmap the screen's
// format holds, blitted onto a 24-bit image like the panel's.
bool ReadBackground(HDC hdc)
{
    void *pvBits;
    MemoryPicture loaded;
    if (!MakeRgbPicture(&canvas.background, hdc, &pvBits) || !MakeResourcePicture(&loaded, hdc, IDB_BACKGROUND))
        return false;
    const bool bRead =
        BitBlt(canvas.background.hdc, 0, 0, kPanelWidth, kPanelHeight, loaded.hdc, 0, 0, SRCCOPY) != FALSE;
    FreeMemoryPicture(&loaded);
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
    return MakeMemoryPicture(&canvas.picture, hdc, CreateCompatibleBitmap(hdc, 2 * kPanelWidth, 2 * kPanelHeight)) &&
           MakeRgbPicture(&canvas.panel, hdc, &canvas.pvPanel) && MakeRgbPicture(&canvas.layer, hdc, &canvas.pvLayer) &&
           MakeResourcePicture(&canvas.page, hdc, IDB_CALENDAR) && ReadBackground(hdc) && FindCharacterSheet();
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
    for (MemoryPicture *pPicture : {&canvas.picture, &canvas.panel, &canvas.layer, &canvas.page, &canvas.background})
        FreeMemoryPicture(pPicture);
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

HFONT CreateTextFont(int nHeight)
{
    return CreateFontA(nHeight, 0, 0, 0, FW_HEAVY, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0, Settings.szFont);
}

HFONT GetTextFont(int nHeight)
{
    if (std::strncmp(szKeptFace, Settings.szFont, sizeof(szKeptFace)) != 0) {
        ReleaseTextFonts();
        std::memcpy(szKeptFace, Settings.szFont, sizeof(szKeptFace));
    }
    for (int i = 0; i < nKeptFonts; ++i)
        if (keptFonts[i].nHeight == nHeight)
            return keptFonts[i].hFont;
    HFONT hFont = CreateTextFont(nHeight);
    if (!hFont)
        return nullptr;
    int nSlot = nKeptFonts;
    if (nKeptFonts < static_cast<int>(sizeof(keptFonts) / sizeof(keptFonts[0]))) {
        ++nKeptFonts;
    } else {
        nSlot = nNextSlot;
        nNextSlot = (nNextSlot + 1) % nKeptFonts;
        DeleteObject(keptFonts[nSlot].hFont);
    }
    keptFonts[nSlot] = {nHeight, hFont};
    return hFont;
}

void ReleaseTextFonts()
{
    for (int i = 0; i < nKeptFonts; ++i)
        DeleteObject(keptFonts[i].hFont);
    nKeptFonts = 0;
    nNextSlot = 0;
    szKeptFace[0] = '\0';
}
