// The tray icon and the context menu that it and the window open.
#include "app/tray_win.h"

#include <shellapi.h>

#include "app/monthwnd_win.h"
#include "base/appinfo_win.h"
#include "base/wide_win.h"
#include "res/resource.h"

// The first layout, in UTF-16 so the tip reads right on any Windows.
#ifndef _WIN64
static_assert(NOTIFYICONDATAW_V1_SIZE == 152, "the tray record is the first, 152-byte Unicode layout");
#endif

// The first layout's tip holds 64 characters.
static const int kTipLength = 64;

void SetTrayIcon(HWND hWnd, BOOL bShow)
{
    NOTIFYICONDATAW nid = {};
    nid.cbSize = NOTIFYICONDATAW_V1_SIZE;
    nid.hWnd = hWnd;
    nid.uID = TRAY_ICON_ID;
    if (!bShow) {
        Shell_NotifyIconW(NIM_DELETE, &nid);
        return;
    }
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = WM_TRAYNOTIFY;
    // At the tray's own size, so the shell need not shrink the 32 x 32 picture itself; shared,
    // so loading it again makes no new icon.
    nid.hIcon = static_cast<HICON>(LoadImageW(AppInfo.hInstance, MAKEINTRESOURCEW(IDI_VESPIN), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                              LR_SHARED));
    lstrcpynW(nid.szTip, WideText(AppInfo.lpszTitle), kTipLength);
    Shell_NotifyIconW(NIM_ADD, &nid);
}

void OnTrayNotify(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    if (wParam != TRAY_ICON_ID)
        return;
    if (lParam == WM_RBUTTONDOWN) {
        SetForegroundWindow(hWnd);
        POINT pt;
        GetCursorPos(&pt);
        TrackContextMenu(hWnd, pt);
        // Documented for notification-icon menus: without it the menu may not close on a
        // click elsewhere, or may close at once the next time.
        PostMessageW(hWnd, WM_NULL, 0, 0);
    } else if (lParam == WM_LBUTTONDOWN) {
        // Asked before the window comes forward, which takes the activation from an open month.
        OnMonthTrayPress();
        SetForegroundWindow(hWnd);
    } else if (lParam == WM_LBUTTONDBLCLK) {
        OnMonthTrayPress();
    } else if (lParam == WM_LBUTTONUP) {
        OnMonthTrayRelease(hWnd);
    }
}

void TrackContextMenu(HWND hWnd, POINT pt)
{
    HMENU hMenu = LoadMenuW(AppInfo.hInstance, MAKEINTRESOURCEW(IDR_CONTEXTMENU));
    if (!hMenu)
        return;
    TrackPopupMenu(GetSubMenu(hMenu, 0), TPM_RIGHTBUTTON, pt.x, pt.y, 0, hWnd, nullptr);
    // Loaded afresh for every opening, so freed after every opening.
    DestroyMenu(hMenu);
}
