// The dialog procedures of the property sheet's pages, one file each.
#pragma once

#include <windows.h>

INT_PTR CALLBACK WindowPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ClockPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CharaPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CalendarPageProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
