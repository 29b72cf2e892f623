// The tray icon and the context menu.
#pragma once

#include <windows.h>

void SetTrayIcon(HWND hWnd, BOOL bShow);
void OnTrayNotify(HWND hWnd, WPARAM wParam, LPARAM lParam);
void TrackContextMenu(HWND hWnd, POINT pt);
