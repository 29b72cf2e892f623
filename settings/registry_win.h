// The settings store: one key under the current user, one value per field.
#pragma once

#include <windows.h>

int ReadRegDword(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, DWORD *pdwValue);
int ReadRegString(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, LPSTR lpszBuffer, DWORD cbBuffer);
int WriteRegDword(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, DWORD dwValue);
int WriteRegString(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, LPCSTR lpszValue);

// 1 when every value was read; 0 when the defaults were applied and saved.
int LoadSettings(HWND hWndOwner);
// 1 when every value was written; 0 after one warning.
int SaveSettings(HWND hWndOwner);
