// Whether a window's tray icon exists, asked the same way inside and outside the program.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "res/resource.h"

// A modify succeeds only while the icon of that window and id exists.
inline bool TrayIconExists(HWND hWnd)
{
    NOTIFYICONDATAA nid = {};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = hWnd;
    nid.uID = TRAY_ICON_ID;
    return Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}
