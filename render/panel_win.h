// The character panel: keyed copy and blend onto 24-bit images, and the composed panel.
#pragma once

#include <windows.h>

#include "render/paint.h"

// Blends a rectangle of an 8- or 24-bit DIB (header with its colour table right
// after it, pixels apart) onto a CreateRgbDib image, skipping the key colour
// (blue + 256 * green + 65536 * red). nTransparency is the share, in percent,
// of the destination that shows through, 0..100; at 0 every non-key pixel is
// copied. A rectangle that does not fit both images draws nothing.
void BlendDib(HBITMAP hbmDest, int xDest, int yDest, int nWidth, int nHeight, const BITMAPINFOHEADER *pbmihSource,
              const void *pvSourceBits, int xSource, int ySource, DWORD dwKey, int nTransparency);

// The same with every non-key pixel copied as it is.
void CopyDibKeyed(HBITMAP hbmDest, int xDest, int yDest, int nWidth, int nHeight, const BITMAPINFOHEADER *pbmihSource,
                  const void *pvSourceBits, int xSource, int ySource, DWORD dwKey);

// Composes background, character (with the key's blink patch) and, when the key has one, the
// clock overlay, and copies the panel to its place in hdcTarget by the key's layout. Reads
// nothing but the key. When the kept images cannot be had, nothing is drawn.
void DrawCharacterPanel(HDC hdcTarget, const PictureKey &key);
