// Start-up: one copy only, a display of more than 8 bits, the borderless
// tool window, the settings, then the message loop.
#include <windows.h>

#include "base/appinfo_win.h"
#include "base/appnames.h"
#include "base/wide_win.h"
#include "app/aside_win.h"
#include "app/mainwnd_win.h"
#include "app/placement_win.h"
#include "app/tray_win.h"
#include "res/resource.h"
#include "settings/registry_win.h"
#include "settings/settings.h"

// A copy starting or ending holds the mutex without a window; this long is waited for it to end.
static const DWORD kOtherCopyWaitMs = 700;

// WS_CAPTION, WS_THICKFRAME and WS_MAXIMIZEBOX cleared; the system menu and minimize bits stay.
static const LONG kStyleMask = static_cast<LONG>(0xFF3AFFFF);

// Held for the process's life. Of starts in a burst exactly one takes it, which the window check
// alone cannot promise: each may look before any has made its window.
static HANDLE hOneCopy;

// True when this start is the one that runs. A copy that is still ending is waited for a moment.
static BOOL TakeOnlyCopy()
{
    hOneCopy = CreateMutexW(nullptr, TRUE, WideText(kAppMutexName));
    if (!hOneCopy)
        return TRUE;  // no mutex to be had: the window check alone decides, as before
    if (GetLastError() != ERROR_ALREADY_EXISTS)
        return TRUE;
    if (FindWindowW(WideText(AppInfo.lpszClassName), WideText(AppInfo.lpszTitle)))
        return FALSE;
    const DWORD dwWait = WaitForSingleObject(hOneCopy, kOtherCopyWaitMs);
    return dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED;
}

static BOOL IsRunningAlready()
{
    // By class and title together: a foreign "Vespin" window above ours (a folder of that
    // name open in Explorer) would otherwise hide the running copy.
    const WideText className(AppInfo.lpszClassName);
    HWND hWndOther = FindWindowW(className, WideText(AppInfo.lpszTitle));
    if (!hWndOther)
        return FALSE;
    WCHAR szClass[256];
    if (GetClassNameW(hWndOther, szClass, ARRAYSIZE(szClass)) == 0 || lstrcmpW(szClass, className) != 0)
        return FALSE;
    SetForegroundWindow(hWndOther);
    return TRUE;
}

static int GetDisplayBitsPerPixel()
{
    HDC hdc = CreateICW(L"Display", nullptr, nullptr, nullptr);
    int nBits = GetDeviceCaps(hdc, BITSPIXEL);
    DeleteDC(hdc);
    return nBits;
}

// A Unicode window: every text it is given and gives reaches Windows as UTF-16.
static ATOM RegisterMainClass()
{
    const WideText className(AppInfo.lpszClassName);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS | CS_NOCLOSE;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = AppInfo.hInstance;
    wc.hIcon = LoadIconW(AppInfo.hInstance, MAKEINTRESOURCEW(IDI_VESPIN));
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = className;
    return RegisterClassExW(&wc);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    ZeroMemory(&AppInfo, sizeof(AppInfo));
    AppInfo.lpszClassName = kAppClassName;
    AppInfo.lpszTitle = kAppTitle;
    AppInfo.hInstance = hInstance;
    AppInfo.lpszCmdLine = lpCmdLine;

    // The window check stays: a running copy is brought to the front.
    if (!TakeOnlyCopy()) {
        IsRunningAlready();
        return 0;
    }
    if (IsRunningAlready())
        return 0;
    if (GetDisplayBitsPerPixel() <= 8) {
        MessageBoxW(nullptr, WideText("６万色以上のモードで起動してください"), WideText(AppInfo.lpszTitle), MB_ICONERROR);
        return 0;
    }
    if (!RegisterMainClass())
        return 0;

    HWND hWnd = CreateWindowExW(0, WideText(AppInfo.lpszClassName), WideText(AppInfo.lpszTitle), WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 120, 160, nullptr, nullptr, AppInfo.hInstance, nullptr);
    if (!hWnd)
        return 0;
    AppInfo.hWnd = hWnd;
    SetWindowLongW(hWnd, GWL_STYLE, GetWindowLongW(hWnd, GWL_STYLE) & kStyleMask);
    SetWindowLongW(hWnd, GWL_EXSTYLE, GetWindowLongW(hWnd, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);

    LoadSettings(hWnd);
    if (Settings.bTaskTrayNoIcon) SetTrayIcon(hWnd, FALSE);
    // Layered before it shows: a layered window without its alpha shows nothing.
    ApplyAsideOptions(hWnd);

    // Pulled in before it shows: a corner point of one monitor lies on the next, and a window off
    // every screen gets no paint to place it until the timer's.
    RECT rc = CalcWindowRect(hWnd);
    FitRectToArea(hWnd, &rc);
    SetWindowPos(hWnd, Settings.bTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, rc.left, rc.top, rc.right - rc.left,
                 rc.bottom - rc.top, SWP_FRAMECHANGED);
    ShowWindow(hWnd, nCmdShow);
    UpdateWindow(hWnd);

    MSG msg;
    BOOL bResult;
    while ((bResult = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
        if (bResult == -1)
            return 0;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
