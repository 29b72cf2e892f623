// Click-through, the fade under the pointer and stepping aside, done to the window: the extended
// styles, the layered alpha, the short timer while the pointer is over, and the hide and show.
#include "app/aside_win.h"

#include "app/aside.h"
#include "app/placement_win.h"
#include "base/wide_win.h"
#include "res/resource.h"
#include "settings/settings.h"
#include "settings/state.h"

namespace {

uint8_t nAlphaShown = kOpaqueAlpha;
HWND hWndLooking;  // the window whose TIMER_HOVER runs
DWORD dwLastLook;
bool bHiddenForFullScreen;

// What stays true of a foreground window while it is in front, read once for it.
struct ForegroundKnown {
    HWND hWnd;
    HWND hRootOwner;  // null when nothing owns it
    bool bShell, bOwnProcess;
    bool bOwnerShell, bOwnerOwnProcess;
};
ForegroundKnown known;

bool AnyOptionOn()
{
    return Settings.bClickThrough || Settings.nFadeOnHover || Settings.bHideFullScreen;
}

bool RunsOnWine()
{
    static const bool bWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return bWine;
}

bool IsShellWindow(HWND hWnd)
{
    if (hWnd == GetDesktopWindow() || hWnd == GetShellWindow())
        return true;
    WCHAR wszClass[64];
    char szClass[64];
    return GetClassNameW(hWnd, wszClass, ARRAYSIZE(wszClass)) > 0 && ToShiftJis(wszClass, szClass, sizeof(szClass)) &&
           IsShellClassName(szClass);
}

bool IsOwnWindow(HWND hWnd)
{
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hWnd, &dwProcessId);
    return dwProcessId == GetCurrentProcessId();
}

void KnowForeground(HWND hWnd)
{
    known.hWnd = hWnd;
    known.bShell = IsShellWindow(hWnd);
    known.bOwnProcess = IsOwnWindow(hWnd);
    const HWND hRoot = GetAncestor(hWnd, GA_ROOTOWNER);
    known.hRootOwner = hRoot != hWnd ? hRoot : nullptr;
    known.bOwnerShell = known.hRootOwner && IsShellWindow(known.hRootOwner);
    known.bOwnerOwnProcess = known.hRootOwner && IsOwnWindow(known.hRootOwner);
}

// What changes while a window stays in front, read every tick. Its styles matter only when it
// covers the monitor: most ticks end at the rectangle, a round trip to the server fewer each.
WindowFacts ReadFacts(HWND hWnd, bool bShell, bool bOwnProcess, const PlaceRect &rcMonitor)
{
    WindowFacts facts = {};
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    facts.rc = {rc.left, rc.top, rc.right, rc.bottom};
    facts.bShell = bShell;
    facts.bOwnProcess = bOwnProcess;
    if (!CoversMonitor(facts.rc, rcMonitor))
        return facts;
    const LONG lStyle = GetWindowLongW(hWnd, GWL_STYLE), lExStyle = GetWindowLongW(hWnd, GWL_EXSTYLE);
    facts.bVisible = (lStyle & WS_VISIBLE) != 0;
    facts.bMinimised = (lStyle & WS_MINIMIZE) != 0;
    facts.bMaximised = (lStyle & WS_MAXIMIZE) != 0;
    facts.bCaption = (lStyle & WS_CAPTION) == WS_CAPTION;
    facts.bToolWindow = (lExStyle & WS_EX_TOOLWINDOW) != 0;
    return facts;
}

bool FullScreenInFront(HWND hWnd)
{
    const HWND hForeground = GetForegroundWindow();
    if (!hForeground)
        return false;
    if (hForeground != known.hWnd)
        KnowForeground(hForeground);
    if (known.bShell || known.bOwnProcess)
        return false;
    const PlaceRect rcMonitor = WindowMonitorRect(hWnd);
    const WindowFacts foreground = ReadFacts(hForeground, known.bShell, known.bOwnProcess, rcMonitor);
    WindowFacts owner = {};
    if (known.hRootOwner)
        owner = ReadFacts(known.hRootOwner, known.bOwnerShell, known.bOwnerOwnProcess, rcMonitor);
    return IsFullScreenForeground(foreground, known.hRootOwner ? &owner : nullptr, rcMonitor);
}

// Shown again without taking the focus from whatever the user went to.
void StepAside(HWND hWnd)
{
    const bool bFullScreen = Settings.bHideFullScreen && FullScreenInFront(hWnd);
    if (bFullScreen && !bHiddenForFullScreen && IsWindowVisible(hWnd)) {
        bHiddenForFullScreen = true;
        ShowWindow(hWnd, SW_HIDE);
    } else if (!bFullScreen && bHiddenForFullScreen) {
        bHiddenForFullScreen = false;
        ShowWindow(hWnd, SW_SHOWNA);
    }
}

bool PointerOver(HWND hWnd)
{
    POINT pt;
    RECT rc;
    return IsWindowVisible(hWnd) && GetCursorPos(&pt) && GetWindowRect(hWnd, &rc) && PtInRect(&rc, pt);
}

// Wine's X11 driver keeps the empty input shape it gave a click-through window after
// WS_EX_TRANSPARENT goes; the window takes clicks again once it is mapped anew.
void TakeInputBack(HWND hWnd)
{
    if (!RunsOnWine() || !IsWindowVisible(hWnd))
        return;
    ShowWindow(hWnd, SW_HIDE);
    ShowWindow(hWnd, SW_SHOWNA);
}

void ShowLook(HWND hWnd, const HoverLook &look)
{
    const LONG lExStyle = GetWindowLongW(hWnd, GWL_EXSTYLE);
    LONG lWanted = lExStyle & ~(WS_EX_LAYERED | WS_EX_TRANSPARENT);
    if (look.bLayered)
        lWanted |= WS_EX_LAYERED;
    if (look.bTransparent)
        lWanted |= WS_EX_TRANSPARENT;
    if (lWanted != lExStyle)
        SetWindowLongW(hWnd, GWL_EXSTYLE, lWanted);
    // A window made layered shows nothing until it has its alpha.
    if (look.bLayered && (look.nAlpha != nAlphaShown || !(lExStyle & WS_EX_LAYERED)))
        SetLayeredWindowAttributes(hWnd, 0, look.nAlpha, LWA_ALPHA);
    nAlphaShown = look.nAlpha;
    if ((lExStyle & WS_EX_TRANSPARENT) && !look.bTransparent)
        TakeInputBack(hWnd);
    if ((lExStyle & WS_EX_LAYERED) && !look.bLayered)
        RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    if (look.bKeepLooking && hWndLooking != hWnd) {
        hWndLooking = SetTimer(hWnd, TIMER_HOVER, kHoverPollMs, nullptr) != 0 ? hWnd : nullptr;
    } else if (!look.bKeepLooking && hWndLooking == hWnd) {
        KillTimer(hWnd, TIMER_HOVER);
        hWndLooking = nullptr;
    }
}

void Look(HWND hWnd)
{
    const DWORD dwNow = GetTickCount();
    HoverInput in = {};
    in.bClickThrough = Settings.bClickThrough;
    in.nFadeOnHover = Settings.nFadeOnHover;
    in.bPointerOver = (in.bClickThrough || in.nFadeOnHover) && PointerOver(hWnd);
    in.bCtrl = in.bPointerOver && GetAsyncKeyState(VK_CONTROL) < 0;
    in.bDragging = bDragging != 0;
    in.nAlpha = nAlphaShown;
    // A fade steps by the time that passed, however late the timer comes.
    in.nElapsedMs = hWndLooking == hWnd ? dwNow - dwLastLook : 0;
    dwLastLook = dwNow;
    ShowLook(hWnd, LookUnderPointer(in));
}

}  // namespace

void ApplyAsideOptions(HWND hWnd)
{
    KeepWayBack(&Settings);
    StepAside(hWnd);
    Look(hWnd);
}

void OnAsideTick(HWND hWnd)
{
    if (!AnyOptionOn() && !bHiddenForFullScreen)
        return;
    StepAside(hWnd);
    // A window that takes the mouse hears the pointer come (WM_MOUSEMOVE); a click-through one
    // hears nothing, so the tick looks. Under Wine the look is a round trip to the X server.
    if (hWndLooking != hWnd && Settings.bClickThrough && PointerOver(hWnd))
        Look(hWnd);
}

void OnAsideHover(HWND hWnd)
{
    Look(hWnd);
}

void OnAsideMouseMove(HWND hWnd)
{
    if (hWndLooking != hWnd && (Settings.bClickThrough || Settings.nFadeOnHover))
        Look(hWnd);
}
