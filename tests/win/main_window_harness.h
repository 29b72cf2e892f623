// A real top-level window run by MainWndProc, and real mouse input, for the in-process tests.
#pragma once

#include <windows.h>

#include <functional>

namespace wintest {

// A borderless tool window of a class with CS_DBLCLKS whose procedure is
// MainWndProc; shown, painted once and with its queue emptied.
HWND CreateMainWindow(int x, int y);
// Destroys it and drops the WM_QUIT its WM_DESTROY posts.
void DestroyMainWindow(HWND hWnd);

// Dispatches everything waiting in this thread's queue.
void PumpMessages();

// Called with the menu window whenever an open popup menu of the window goes
// idle (WM_ENTERIDLE); null for none.
void SetMenuIdleHandler(std::function<void(HWND hWndMenu)> handler);

// Mouse input through the hardware path: a move to a screen point, a button.
void MouseMoveTo(int x, int y);
void MouseButton(DWORD dwFlags);

}  // namespace wintest
