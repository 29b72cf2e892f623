// Window placement (size, corner mode, move area) and left-button dragging.
#pragma once

#include <windows.h>

RECT GetAreaBesideTaskbar();
RECT GetMoveArea();
RECT CalcWindowRect(HWND hWnd);
void FitRectToArea(HWND hWnd, RECT *prc);
void MoveWindowToRect(HWND hWnd, const RECT *prc);
void PlaceWindow(HWND hWnd);

void DragStart(HWND hWnd, LPARAM lParam);
void DragStep(HWND hWnd);
void DragEnd(HWND hWnd);
void DragCancel(HWND hWnd);
// The capture went to hWndNew (WM_CAPTURECHANGED): a running drag ends where the window stands.
void DragCaptureLost(HWND hWnd, HWND hWndNew);
