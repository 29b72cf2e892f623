// The character panel: 24-bit working images, keyed copy and blend, and the composed panel.
#pragma once

#include <windows.h>

// A 24-bit top-down DIB section; *ppvBits receives its pixels. Null on failure.
HBITMAP CreateRgbDib(HDC hdc, int nWidth, int nHeight, void **ppvBits);

// Blends a rectangle of an 8- or 24-bit DIB (header with its colour table right
// after it, pixels apart) onto a CreateRgbDib image, skipping the key colour
// (blue + 256 * green + 65536 * red). nTransparency is the share, in percent,
// of the destination that shows through; it is clamped to 0..100. A rectangle
// that does not fit both images draws nothing.
void BlendDib(HBITMAP hbmDest, int xDest, int yDest, int nWidth, int nHeight, const BITMAPINFOHEADER *pbmihSource,
              const void *pvSourceBits, int xSource, int ySource, DWORD dwKey, int nTransparency);

// The same with every non-key pixel copied as it is.
void CopyDibKeyed(HBITMAP hbmDest, int xDest, int yDest, int nWidth, int nHeight, const BITMAPINFOHEADER *pbmihSource,
                  const void *pvSourceBits, int xSource, int ySource, DWORD dwKey);

// Composes background, character (with the blink patch) and, while the page is
// hidden, the clock overlay for the time st, and copies the panel to its place in
// hdcTarget. When a bitmap or the sheet cannot be had, nothing is drawn.
void DrawCharacterPanel(HDC hdcTarget, const SYSTEMTIME &st);
