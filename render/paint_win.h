// Painting the main window: character panel and calendar page, composed off-screen and kept.
#pragma once

#include <windows.h>

// Brings the kept picture up to date for the time now and the settings, redrawing only the
// parts that changed, then copies all of it that hdc's clip box covers with one blit.
void PaintWindow(HWND hWnd, HDC hdc);
// The same, copying only what changed: for a window that already shows the rest.
void PaintWindowChanges(HWND hWnd, HDC hdc);

// True when the window, painted now for the time st, would show something else than
// it shows: the tick asks before it repaints.
bool IsPictureOutdated(const SYSTEMTIME &st);
