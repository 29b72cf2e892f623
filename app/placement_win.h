// Window placement (size, corner mode, move area on the window's monitor) and left-button dragging.
#pragma once

#include <windows.h>

#include "app/placement.h"

// Size (at the display scale, settled here), mode and corner; not yet pulled into the move area.
RECT CalcWindowRect(HWND hWnd);
void FitRectToArea(HWND hWnd, RECT *prc);
void MoveWindowToRect(HWND hWnd, const RECT *prc);
void PlaceWindow(HWND hWnd);
// The monitors, a work area or the taskbar changed: they are read again and the window placed at once.
void PlaceWindowOnNewLayout(HWND hWnd);

// The whole rectangle of the monitor the window stands on, from the kept layout.
PlaceRect WindowMonitorRect(HWND hWnd);

// Every monitor with its work area, the primary first; one monitor of the screen's size if none is reported.
MonitorLayout ReadMonitorLayout();
// How placement reads the layout (kept until PlaceWindowOnNewLayout); a test puts another reader here.
using MonitorLayoutReader = MonitorLayout (*)();
extern MonitorLayoutReader pfnReadMonitorLayout;

void DragStart(HWND hWnd, LPARAM lParam);
void DragStep(HWND hWnd);
void DragEnd(HWND hWnd);
void DragCancel(HWND hWnd);
// The capture went to hWndNew (WM_CAPTURECHANGED): a running drag ends where the window stands.
void DragCaptureLost(HWND hWnd, HWND hWndNew);
