// The application's names and handles, shared by every part of the Win32 layer.
#pragma once

#include <windows.h>

struct AppInfoRecord {
    LPCSTR lpszClassName;
    LPCSTR lpszTitle;
    HINSTANCE hInstance;
    HWND hWnd;
    LPSTR lpszCmdLine;
};

extern AppInfoRecord AppInfo;
