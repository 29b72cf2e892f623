// The gadget kept out of the way on screen: its layered and click-through styles, the fade under
// the pointer with its short timer, and stepping aside while a full-screen window is in front.
#pragma once

#include <windows.h>

// The options changed (at the start, on the page, from the menu, after the sheet): the styles,
// the alpha and whether the window shows follow them at once.
void ApplyAsideOptions(HWND hWnd);
// The one-second tick: a full-screen window in front hides the gadget or lets it show again, and
// a pointer that came over a click-through gadget starts the short timer. Nothing is read while
// all three are off.
void OnAsideTick(HWND hWnd);
// TIMER_HOVER: the pointer and Ctrl read again, and one step of the fade.
void OnAsideHover(HWND hWnd);
// WM_MOUSEMOVE: over a gadget that takes the mouse, the pointer is seen at once, not at the next tick.
void OnAsideMouseMove(HWND hWnd);
