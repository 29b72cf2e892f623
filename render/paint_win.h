// Painting the main window: character panel and calendar page, composed off-screen and kept.
#pragma once

#include <windows.h>

// Brings the kept picture up to date for the time now and the settings, redrawing only the
// parts that changed, then copies all of it that hdc's clip box covers with one blit.
void PaintWindow(HWND hWnd, HDC hdc);
// For the time st: when the window would show something else, draws the parts that changed
// straight into its DC, without an invalidation; otherwise does nothing.
void PaintWindowChanges(HWND hWnd, const SYSTEMTIME &st);
