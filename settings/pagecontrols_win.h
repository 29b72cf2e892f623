// The controls of a property page, each bound to one settings field: one table per page, and one
// pair of routines that fills every page's controls and applies what the user changes.
#pragma once

#include <windows.h>

#include <cstdint>

enum PageControlKind {
    kPageCheckBox,  // a flag
    kPageList,      // a drop-down list whose index is the field
    kPagePercent,   // a trackbar, an edit box and an up-down control holding 0 to 100
};

struct PageControl {
    PageControlKind kind;
    int nId;                       // the check box, the list, or the percentage's trackbar
    int32_t *pnField;              // the settings field it edits
    const char *const *apszItems;  // a list's entries, ended by a null; null when the list is filled elsewhere
    int nEditId, nSpinId;          // a percentage's edit box and up-down control
};

struct PageTable {
    const PageControl *pControls;
    int nControls;
    // The page's ready flag: percentages ignore their notifications while it is clear. May be null.
    int *pbReady;
};

template <int N>
constexpr PageTable MakePageTable(const PageControl (&aControls)[N], int *pbReady = nullptr)
{
    return {aControls, N, pbReady};
}

// WM_INITDIALOG: every control from its field, in table order; then the page is ready.
void InitPageControls(HWND hDlg, const PageTable &table);
// WM_COMMAND: true when wId is a control of the table, whose field then holds what the control
// shows (a list only on a new selection, a percentage only on a change of its edit box's text).
bool ApplyPageControl(HWND hDlg, const PageTable &table, WORD wId, WORD wCode);
// WM_HSCROLL: a percentage's trackbar moved.
void OnPageScroll(HWND hDlg, const PageTable &table, WPARAM wParam, LPARAM lParam);
// WM_NOTIFY: OK and Cancel end the page's readiness (an Apply does not); the answer lets them go ahead.
INT_PTR OnPageNotify(const PageTable &table, const NMHDR *pnm);

// A page's parent is the sheet, and the sheet's owner the main window.
HWND MainWindowOf(HWND hDlg);
// The live preview: the main window repainted at once.
void RepaintMainWindow(HWND hDlg);
int32_t IsChecked(HWND hDlg, int nId);
// The selected index of a list, or -1 when nothing is selected.
long ListChoice(HWND hDlg, int nId);
