// Dialogs opened on screen: beside the gadget, or inside the work area of their owner's monitor.
#pragma once

#include <windows.h>

// The work area of the monitor nearest hWnd.
RECT GetWorkAreaNear(HWND hWnd);
// Moves hDlg beside hAnchor, wholly inside the work area of hAnchor's monitor.
void PlaceBesideWindow(HWND hDlg, HWND hAnchor);
// Moves hDlg the least that puts it wholly inside the work area of hOwner's monitor.
void KeepInsideWorkArea(HWND hDlg, HWND hOwner);

// While alive, the first window this thread activates that is owned by hOwner's top-level window
// is handed to place(hWnd, hOwner) as it is about to show: for dialogs the system makes, or that
// size themselves after creation (the property sheet, the open-file dialog).
class PlaceOnActivation {
public:
    using Placer = void (*)(HWND hWnd, HWND hOwner);
    PlaceOnActivation(HWND hOwner, Placer place);
    ~PlaceOnActivation();
    PlaceOnActivation(const PlaceOnActivation &) = delete;
    PlaceOnActivation &operator=(const PlaceOnActivation &) = delete;

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);
    HWND hOwner_;
    Placer place_;
    HHOOK hHook_;
    PlaceOnActivation *pOuter_;
};
