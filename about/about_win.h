// The About box and its two links.
#pragma once

#include <windows.h>

INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Ask, open through the shell, and report a failure.
void OpenHomePage(HWND hOwner);
void OpenMailer(HWND hOwner);

// 1 when url.dll exists in the system directory, else 0.
int IsUrlDllPresent();

// Where IsUrlDllPresent reads the system directory; a test puts another reader here.
using SystemDirectoryReader = UINT(WINAPI *)(LPSTR lpBuffer, UINT uSize);
extern SystemDirectoryReader pfnReadSystemDirectory;
