// The character panel: background, character and clock overlay composed on the kept images, then one blit.
#include "render/panel_win.h"

#include <cstdlib>
#include <cstring>

#include "calendar/caltext_win.h"
#include "render/blend.h"
#include "render/canvas_win.h"
#include "base/layout.h"
#include "render/panel.h"

namespace {

// The bytes of one 24-bit panel image: the panel, the layer and the background alike.
constexpr size_t kPanelBytes = static_cast<size_t>(kPanelWidth) * 3 * kPanelHeight;

// The overlay layer as BlendDib reads it: 24 bits, rows top-down.
constexpr BITMAPINFOHEADER kLayerHeader = {sizeof(BITMAPINFOHEADER), kPanelWidth, -kPanelHeight, 1, 24, BI_RGB,
                                           0, 0, 0, 0, 0};

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

// The picture, with the patch over the eyes drawn straight from its place on the
// sheet: the resource itself is never changed.
void BlendCharacter(const Canvas &canvas, const PanelKey &panel)
{
    BlitRect pieces[kMaxCharacterPieces];
    const int nPieces = CharacterPieces(panel.nPatch, pieces);
    for (int i = 0; i < nPieces; ++i)
        BlendDib(canvas.panel.hbm, pieces[i].nDestX, pieces[i].nDestY, pieces[i].nWidth, pieces[i].nHeight,
                 canvas.pbmihSheet, canvas.pvSheetBits, pieces[i].nSourceX, pieces[i].nSourceY, kCharacterKey,
                 panel.nTransparent);
}

void BlendClockOverlay(const Canvas &canvas, const PanelKey &panel, const char *pszFace)
{
    // Grey everywhere is the key: whatever the text leaves grey stays out of the blend.
    std::memset(canvas.pvLayer, 128, kPanelBytes);
    RECT rcLayer = {0, 0, kPanelWidth, kPanelHeight};
    DrawOverlayTime(canvas.layer.hdc, &rcLayer, pszFace, panel.szTime);
    DrawOverlayDate(canvas.layer.hdc, &rcLayer, pszFace, panel.nMonth, panel.nDay);
    BlendDib(canvas.panel.hbm, 0, 0, kPanelWidth, kPanelHeight, &kLayerHeader, canvas.pvLayer, 0, 0, kOverlayKey,
             panel.nTransparentCal);
}

}  // namespace

void BlendDib(HBITMAP hbmDest, int xDest, int yDest, int nWidth, int nHeight, const BITMAPINFOHEADER *pbmihSource,
              const void *pvSourceBits, int xSource, int ySource, DWORD dwKey, int nTransparency)
{
    PixelTarget dst;
    PixelSource src;
    size_t cbHeader;
    // The header is the caller's, its colour table right after it: trusted as far as it says.
    if (!pvSourceBits || !DescribeTarget(hbmDest, &dst) ||
        !ReadDibHeader(reinterpret_cast<const uint8_t *>(pbmihSource), SIZE_MAX, &src, &cbHeader))
        return;
    src.pPixels = static_cast<const uint8_t *>(pvSourceBits);
    // GDI may still owe either image a drawing call; their bits must be current.
    GdiFlush();
    BlendPixels(dst, {xDest, yDest, nWidth, nHeight, xSource, ySource}, src, dwKey, nTransparency);
}

void CopyDibKeyed(HBITMAP hbmDest, int xDest, int yDest, int nWidth, int nHeight, const BITMAPINFOHEADER *pbmihSource,
                  const void *pvSourceBits, int xSource, int ySource, DWORD dwKey)
{
    BlendDib(hbmDest, xDest, yDest, nWidth, nHeight, pbmihSource, pvSourceBits, xSource, ySource, dwKey, 0);
}

void DrawCharacterPanel(HDC hdcTarget, const PictureKey &key)
{
    const Canvas *pCanvas = GetCanvas(hdcTarget);
    if (!pCanvas)
        return;
    // GDI may still owe the panel a drawing call; its bits must be current before they are written.
    GdiFlush();
    std::memcpy(pCanvas->pvPanel, pCanvas->pvBackground, kPanelBytes);
    BlendCharacter(*pCanvas, key.panel);
    if (key.panel.nTransparentCal < 100)
        BlendClockOverlay(*pCanvas, key.panel, key.szFace);
    BitBlt(hdcTarget, key.layout.xPanel, key.layout.yPanel, kPanelWidth, kPanelHeight, pCanvas->panel.hdc, 0, 0,
           SRCCOPY);
}
