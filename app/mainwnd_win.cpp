// The main window: timers and the blink, painting, the calendar toggle, mouse routing, the
// context-menu commands, and saving what changes as it changes and on the way out.
#include "app/mainwnd_win.h"

#include <ctime>

#include "about/about_win.h"
#include "app/aside_win.h"
#include "app/placement.h"
#include "app/placement_win.h"
#include "app/mainwnd.h"
#include "app/monthwnd_win.h"
#include "app/tray_win.h"
#include "base/appinfo_win.h"
#include "base/clock_win.h"
#include "base/dpi_win.h"
#include "base/wide_win.h"
#include "chime/chime_win.h"
#include "chime/random.h"
#include "chime/strike_win.h"
#include "render/canvas_win.h"
#include "render/paint_win.h"
#include "res/resource.h"
#include "settings/propsheet_win.h"
#include "settings/registry_win.h"
#include "settings/settings.h"
#include "settings/state.h"
#include "settings/windowpage_win.h"

// Explorer broadcasts this after it restarts; every tray icon has to be added again.
static UINT uTaskbarCreated;

static void Repaint(HWND hWnd)
{
    InvalidateRect(hWnd, nullptr, FALSE);
    UpdateWindow(hWnd);
}

static LRESULT OnCreate(HWND hWnd)
{
    SeedRandom(static_cast<uint32_t>(std::time(nullptr)));
    uTimer1 = static_cast<unsigned int>(SetTimer(hWnd, TIMER_SECOND, 1000, nullptr));
    if (uTimer1 == 0) {
        MessageBoxW(hWnd, WideText("タイマが取得できません"), WideText(AppInfo.lpszTitle), MB_ICONERROR);
        return -1;
    }
    nBlinkStep = -1;
    nWindowDpi = GetWindowDpi(hWnd);
    uTaskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    SetTrayIcon(hWnd, TRUE);
    return 0;
}

static void OnDestroy(HWND hWnd)
{
    if (uTimer1 != 0)
        KillTimer(hWnd, uTimer1);
    if (uTimer2 != 0)
        KillTimer(hWnd, uTimer2);
    SetTrayIcon(hWnd, FALSE);
    EndMonthCalendar();
    StopStrikes();
    ReleaseCanvas();
    // A window refused at creation dies before anything was loaded: nothing to keep.
    if (bSettingsLoaded)
        SaveSettings(hWnd);
    PostQuitMessage(0);
}

// The time signal is checked first in every paint, the system's and the ticks' alike, so a
// character changed by the rotation is drawn by the same paint, and the first paint is the first check.
static void OnPaint(HWND hWnd)
{
    SYSTEMTIME st;
    ReadLocalTime(&st);
    CheckTimeSignal(st);
    PlaceWindow(hWnd);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    PaintWindow(hWnd, hdc, st);
    EndPaint(hWnd, &ps);
}

// The window is drawn only when what it shows has changed, and then straight into its DC:
// invalidating it and answering WM_PAINT would cost seven round trips to Wine's server.
static void OnTick(HWND hWnd)
{
    SYSTEMTIME st;
    ReadLocalTime(&st);
    CheckTimeSignal(st);
    PlaceWindow(hWnd);
    PaintWindowChanges(hWnd, st);
}

// A blink draws its number as always, so the generator's sequence stays as it is; but a character
// without eye patches would show five steps that change nothing, so no timer runs for them.
static void StartBlink(HWND hWnd)
{
    if (!BlinkIsSeen(Settings.nDrawChara)) {
        bBlinkUnseen = 1;
        return;
    }
    uTimer2 = static_cast<unsigned int>(SetTimer(hWnd, TIMER_BLINK, 200, nullptr));
    if (uTimer2 != 0)
        nBlinkStep = 0;
}

static void OnTimer(HWND hWnd, WPARAM wParam)
{
    // The pointer watch of the aside options runs often while it runs: it draws nothing.
    if (wParam == TIMER_HOVER) {
        OnAsideHover(hWnd);
        return;
    }
    // Only a running timer's own id counts: a stray WM_TIMER 0 while no blink runs would
    // otherwise start a step that no timer ever ends.
    if (uTimer1 != 0 && wParam == uTimer1) {
        // An unseen blink lasts this one second, as a seen one does: no number is drawn meanwhile.
        if (bBlinkUnseen)
            bBlinkUnseen = 0;
        else if (nBlinkStep == -1 && NextRandom() % 3 == 0 && uTimer2 == 0)
            StartBlink(hWnd);
        OnAsideTick(hWnd);
    } else if (uTimer2 != 0 && wParam == uTimer2) {
        if (++nBlinkStep == 5) {
            KillTimer(hWnd, uTimer2);
            uTimer2 = 0;
            nBlinkStep = -1;
        }
    }
    OnTick(hWnd);
}

static void OnInitMenuPopup(HMENU hMenu, LPARAM lParam)
{
    if (LOWORD(lParam) == 0 && HIWORD(lParam) == 0) {
        CheckMenuItem(hMenu, IDM_CALENDAR, MF_BYCOMMAND | (Settings.bStatus ? MF_CHECKED : MF_UNCHECKED));
        CheckMenuItem(hMenu, IDM_CLICKTHROUGH, MF_BYCOMMAND | (Settings.bClickThrough ? MF_CHECKED : MF_UNCHECKED));
        // While the sheet is open its page holds the choice, and its Cancel would undo the menu's.
        EnableMenuItem(hMenu, IDM_CLICKTHROUGH, MF_BYCOMMAND | (bInProperty ? MF_GRAYED : MF_ENABLED));
    }
}

// The record as it stood when the sheet opened: the options a cancel restores and a log-off keeps.
static SettingsRecord recBeforeSheet;
// Exit was chosen from the tray menu while the sheet was open.
static int bExitAfterSheet;

// While the sheet is open the store gets the options from before it, which it has not accepted,
// with the live state as it is now. bOnChange: a save of a change as it happens, which warns at
// most once a run.
static void SaveAccepted(HWND hWnd, bool bOnChange)
{
    const SettingsRecord live = Settings;
    if (bInProperty)
        RestoreOptions(&Settings, recBeforeSheet, nWindowScale);
    bOnChange ? SaveSettingsOnChange(hWnd) : SaveSettings(hWnd);
    Settings = live;
}

// The stored position at the last left press, so the end of a drag knows whether it moved.
static PlacePoint ptStoredAtPress;

static void OnLeftButtonDown(HWND hWnd, LPARAM lParam)
{
    ptStoredAtPress = {Settings.nWindowX, Settings.nWindowY};
    DragStart(hWnd, lParam);
}

// Where she was dragged is kept at once: a logout, a kill or a power cut would lose it.
static void OnDragEnded(HWND hWnd, PlacePoint ptBefore)
{
    if (Settings.nWindowX != ptBefore.x || Settings.nWindowY != ptBefore.y)
        SaveAccepted(hWnd, true);
}

static void OnMouseMove(HWND hWnd)
{
    if (bDragging)
        DragStep(hWnd);
    OnAsideMouseMove(hWnd);
}

static void OnLeftButtonUp(HWND hWnd)
{
    if (!bDragging)
        return;
    const PlacePoint ptBefore = ptStoredAtPress;
    DragEnd(hWnd);
    OnDragEnded(hWnd, ptBefore);
}

static void OnDoubleClick(HWND hWnd)
{
    ToggleCalendarPage();
    Repaint(hWnd);
    SaveAccepted(hWnd, true);
}

static void OnCaptureChanged(HWND hWnd, HWND hWndNew)
{
    const bool bWasDragging = bDragging != 0;
    DragCaptureLost(hWnd, hWndNew);
    if (bWasDragging && !bDragging)
        OnDragEnded(hWnd, ptStoredAtPress);
}

static void OnRightButtonDown(HWND hWnd, LPARAM lParam)
{
    if (bDragging) {
        DragCancel(hWnd);
        OnDragEnded(hWnd, ptStoredAtPress);
        return;
    }
    POINT pt = {LOWORD(lParam), HIWORD(lParam)};
    ClientToScreen(hWnd, &pt);
    TrackContextMenu(hWnd, pt);
}

static void ShowProperties(HWND hWnd)
{
    if (bInProperty)
        return;
    recBeforeSheet = Settings;
    bInProperty = 1;
    if (ShowPropertySheet(hWnd) == 1) {
        SetWindowPos(hWnd, Settings.bTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SaveSettings(hWnd);
    } else {
        // The options go back; what the ticks and the display scale moved meanwhile stays.
        RestoreOptions(&Settings, recBeforeSheet, nWindowScale);
    }
    // The page adds and removes the icon as its box changes; a cancel restores only the record.
    SetTrayIcon(hWnd, Settings.bTaskTrayNoIcon ? FALSE : TRUE);
    ApplyAsideOptions(hWnd);
    PlaceWindow(hWnd);
    bInProperty = 0;
    if (bExitAfterSheet)
        DestroyWindow(hWnd);
}

// Destroying the window inside the sheet's loop would save the unaccepted preview:
// the sheet is cancelled first, and ShowProperties ends the program once it has restored.
static void ExitProgram(HWND hWnd)
{
    if (bInProperty) {
        bExitAfterSheet = 1;
        CancelPropertySheet();
        return;
    }
    DestroyWindow(hWnd);
}

static void OnEndSession(HWND hWnd, WPARAM wParam)
{
    if (wParam)
        SaveAccepted(hWnd, false);
}

// The way back from the tray menu, kept at once as a drag is.
static void ToggleClickThrough(HWND hWnd)
{
    if (bInProperty)
        return;
    Settings.bClickThrough = Settings.bClickThrough ? 0 : 1;
    ApplyAsideOptions(hWnd);
    SaveAccepted(hWnd, true);
}

static void ShowAbout(HWND hWnd)
{
    if (bInAbout)
        return;
    bInAbout = 1;
    DialogBoxParamW(AppInfo.hInstance, MAKEINTRESOURCEW(IDD_ABOUT), hWnd, AboutDlgProc, 0);
    bInAbout = 0;
}

static LRESULT OnCommand(HWND hWnd, WORD wId)
{
    switch (wId) {
    case IDM_PROPERTY: ShowProperties(hWnd); return 1;
    case IDM_ABOUT: ShowAbout(hWnd); return 1;
    case IDM_EXIT: ExitProgram(hWnd); return 1;
    case IDM_CHARA0:
    case IDM_CHARA1:
    case IDM_CHARA2:
        Settings.nDrawChara = wId - IDM_CHARA0;
        Repaint(hWnd);
        SaveAccepted(hWnd, true);
        return 1;
    case IDM_CALENDAR: PostMessageW(hWnd, WM_LBUTTONDBLCLK, 0, 0); return 1;
    case IDM_MONTHCALENDAR: ToggleMonthCalendar(hWnd); return 1;
    case IDM_CLICKTHROUGH: ToggleClickThrough(hWnd); return 1;
    default: return 0;
    }
}

// The window went to a monitor of another scale, or the user changed the scale. The
// placement rules give the new rectangle, not the one the system suggests: the character
// keeps its place, or, during a drag, the point under the pointer stays under it.
static void OnDpiChanged(HWND hWnd, WORD wDpi)
{
    const int32_t nOldScale = nWindowScale;
    nWindowDpi = wDpi;
    PlaceWindow(hWnd);
    if (nWindowScale != nOldScale) {
        if (bDragging) {
            ptDragOffset.x = ptDragOffset.x * nWindowScale / nOldScale;
            ptDragOffset.y = ptDragOffset.y * nWindowScale / nOldScale;
        } else if (Settings.nWindowPos == kWindowPosFree) {
            KeepCharacterOnRescale(nOldScale, nWindowScale);
            PlaceWindow(hWnd);
        }
    }
    Repaint(hWnd);
}

// A page of the sheet changed what the window or its tray icon must show at once.
static void OnWindowOptions(HWND hWnd, WPARAM wWhat)
{
    if (wWhat & kWindowOptionPlacement)
        PlaceWindow(hWnd);
    if (wWhat & kWindowOptionTrayIcon)
        SetTrayIcon(hWnd, Settings.bTaskTrayNoIcon ? FALSE : TRUE);
    // Hiding the icon may take stepping aside away with it.
    if (wWhat & (kWindowOptionAside | kWindowOptionTrayIcon))
        ApplyAsideOptions(hWnd);
}

static void OnTaskbarCreated(HWND hWnd)
{
    if (!Settings.bTaskTrayNoIcon)
        SetTrayIcon(hWnd, TRUE);
    // The new taskbar may stand elsewhere.
    PlaceWindowOnNewLayout(hWnd);
}

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uTaskbarCreated != 0 && uMsg == uTaskbarCreated) {
        OnTaskbarCreated(hWnd);
        return 0;
    }
    switch (uMsg) {
    case WM_CREATE: return OnCreate(hWnd);
    case WM_DESTROY: OnDestroy(hWnd); return 0;
    case WM_PAINT: OnPaint(hWnd); return 0;
    case WM_ENDSESSION: OnEndSession(hWnd, wParam); return 0;
    case WM_COMMAND: return OnCommand(hWnd, LOWORD(wParam));
    case WM_TIMER: OnTimer(hWnd, wParam); return 0;
    case WM_INITMENUPOPUP: OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), lParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(hWnd); return 0;
    case WM_LBUTTONDOWN: OnLeftButtonDown(hWnd, lParam); return 0;
    case WM_LBUTTONUP: OnLeftButtonUp(hWnd); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(hWnd); return 0;
    case WM_RBUTTONDOWN: OnRightButtonDown(hWnd, lParam); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(hWnd, reinterpret_cast<HWND>(lParam)); return 0;
    case WM_TRAYNOTIFY: OnTrayNotify(hWnd, wParam, lParam); return 0;
    case WM_WINDOWOPTIONS: OnWindowOptions(hWnd, wParam); return 0;
    case WM_DISPLAYCHANGE: PlaceWindowOnNewLayout(hWnd); return 0;
    case WM_DPICHANGED: OnDpiChanged(hWnd, LOWORD(wParam)); return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA)
            PlaceWindowOnNewLayout(hWnd);
        return 0;
    default: return DefWindowProcW(hWnd, uMsg, wParam, lParam);
    }
}
