// Painting the main window: character panel and calendar page, composed off-screen and kept.
#pragma once

#include <windows.h>

// WM_PAINT: brings the kept picture up to date for the time st, redrawing only the parts that
// changed, and copies to hdc all of it that hdc's clip box covers. A change outside the clip box
// is asked for as a paint of its own, so what the window shows never lags what was drawn.
void PaintWindow(HWND hWnd, HDC hdc, const SYSTEMTIME &st);
// A tick: when the window would show something else at st, draws the parts that changed straight
// into its DC, without an invalidation; otherwise does nothing.
void PaintWindowChanges(HWND hWnd, const SYSTEMTIME &st);
