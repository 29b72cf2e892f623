// Everything paints keep: the off-screen picture, the panel and overlay images, the page and
// background bitmaps and the parsed character sheet. Made at the first paint, kept while the
// window lives.
#pragma once

#include <windows.h>

#include "base/gdi_scope_win.h"
#include "render/blend.h"
#include "render/paint.h"

struct Canvas {
    MemoryBitmap picture;     // the whole client area, large enough for every layout
    MemoryBitmap panel;       // the character panel, 24-bit top-down (CreateRgbDib)
    MemoryBitmap layer;       // the clock overlay before it is blended, 24-bit top-down
    MemoryBitmap page;        // bitmap resource 114 as LoadBitmapA makes it
    MemoryBitmap background;  // bitmap resource 115, read once into 24-bit rows like the panel's
    void *pvPanel;
    void *pvLayer;
    const void *pvBackground;
    // Bitmap resource 106 as it is stored: its header and its rows.
    const BITMAPINFOHEADER *pbmihSheet;
    const void *pvSheetBits;
    // What the picture shows now; bDrawn is false until it shows anything.
    PictureKey drawn;
    bool bDrawn;
};

// The canvas, made with hdc at the first call; null when it cannot all be had (the next
// paint tries again). With a null hdc only a canvas already made is returned.
Canvas *GetCanvas(HDC hdc);

// Frees the canvas and the text fonts. The window procedure calls it when the window goes.
void ReleaseCanvas();

// A 24-bit top-down DIB section; *ppvBits receives its pixels. Null on failure.
HBITMAP CreateRgbDib(HDC hdc, int nWidth, int nHeight, void **ppvBits);
