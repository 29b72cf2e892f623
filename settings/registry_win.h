// The settings store: one key under the current user, one value per field.
#pragma once

#include <windows.h>

int ReadRegDword(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, DWORD *pdwValue);
int ReadRegString(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, LPSTR lpszBuffer, DWORD cbBuffer);
int WriteRegDword(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, DWORD dwValue);
int WriteRegString(HKEY hRoot, LPCSTR lpszSubKey, LPCSTR lpszName, LPCSTR lpszValue);

// 1 when every value was read; 0 when the defaults were applied and saved.
int LoadSettings(HWND hWndOwner);
// 1 when every value was written; 0 after one warning. A save cut short anywhere leaves the next
// start the whole old record or the whole new one.
int SaveSettings(HWND hWndOwner);
// The same for a change saved as it happens (a drag, the page, the character): a failure warns
// only the first time in a run.
int SaveSettingsOnChange(HWND hWndOwner);

// Tests only: the next saves stop after nValues values as if killed (-2 before the journal,
// -1 never).
void SetSaveInterruption(int nValues);
