// The trackbar, edit box and up-down control that hold a percentage on the
// Clock and Chara pages, kept in step with one settings field.
#pragma once

#include <windows.h>

#include <cstdint>

struct PercentControls {
    int32_t *pnValue;  // the settings field the controls edit
    int *pbReady;      // the page's ready flag: notifications are ignored while it is clear
    int nTrackId, nEditId, nSpinId;
};

void InitPercentControls(HWND hDlg, const PercentControls &pc);
// EN_CHANGE of the edit box: applies a value from 0 to 100, puts the current one back otherwise.
void OnPercentEditChange(HWND hDlg, const PercentControls &pc);
// WM_HSCROLL of the page.
void OnPercentScroll(HWND hDlg, const PercentControls &pc, WPARAM wParam, LPARAM lParam);
