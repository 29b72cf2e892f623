// Painting the main window: character panel and calendar page, composed off-screen.
#pragma once

#include <windows.h>

void PaintWindow(HWND hWnd, HDC hdc);

// Frees the images and fonts that paints keep; the next paint makes them again.
void ReleasePaintCache();
