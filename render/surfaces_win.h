// The images every paint draws with, made at the first paint and kept until the window goes.
#pragma once

#include <windows.h>

#include <cstddef>

#include "render/layout.h"

// The bytes of one 24-bit panel image: the panel, the layer and the background alike.
constexpr size_t kPanelBytes = static_cast<size_t>(kPanelWidth) * 3 * kPanelHeight;

struct PaintSurfaces {
    HDC hdcWork;       // holds the layer, the panel or the page in turn
    HBITMAP hbmPanel;  // the character panel, 24-bit top-down (CreateRgbDib)
    HBITMAP hbmLayer;  // the clock overlay before it is blended, 24-bit top-down
    HBITMAP hbmPage;   // bitmap resource 114 as LoadBitmapA makes it
    void *pvPanel;
    void *pvLayer;
    // Bitmap resource 115 as LoadBitmapA makes it, read back as the panel's 24-bit
    // rows: copied into the panel at the start of every composition.
    const BYTE *pBackground;
};

// The surfaces, made at the first call with hdc; null when they cannot all be had
// (the next paint tries again).
const PaintSurfaces *GetPaintSurfaces(HDC hdc);

// A picture compatible with hdc of at least cx x cy pixels for the whole client
// area, selected into the returned memory DC; null when it cannot be had.
HDC GetOffscreenPicture(HDC hdc, int cx, int cy);

// Frees everything above. The window procedure calls it when the window goes.
void ReleasePaintSurfaces();
