// Tray icon and context menu: not yet present.
#include "app/tray_win.h"

void SetTrayIcon(HWND, BOOL) {}
void OnTrayNotify(HWND, WPARAM, LPARAM) {}
void TrackContextMenu(HWND, POINT) {}
