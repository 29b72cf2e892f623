// The full-screen rule, the fade's steps and the click-through styles, as plain arithmetic.
#include "app/aside.h"

#include <cstring>

bool IsShellClassName(const char *pszClass)
{
    static const char *const kShellClasses[] = {"Shell_TrayWnd", "Shell_SecondaryTrayWnd", "Progman", "WorkerW"};
    for (const char *psz : kShellClasses)
        if (std::strcmp(pszClass, psz) == 0)
            return true;
    return false;
}

bool CoversMonitor(const PlaceRect &rc, const PlaceRect &rcMonitor)
{
    return rc.left <= rcMonitor.left && rc.top <= rcMonitor.top && rc.right >= rcMonitor.right &&
           rc.bottom >= rcMonitor.bottom;
}

// A window that is shown and hides the monitor by itself. A maximised window with a title bar is
// the user's work, not a show: with the taskbar hidden its frame runs past the monitor's edges.
// Tool windows are overlays and palettes drawn over work, as the gadget is.
static bool CoversAsFullScreen(const WindowFacts &w, const PlaceRect &rcMonitor)
{
    if (w.bShell || w.bOwnProcess || !w.bVisible || w.bMinimised || w.bToolWindow)
        return false;
    if (w.bMaximised && w.bCaption)
        return false;
    return CoversMonitor(w.rc, rcMonitor);
}

bool IsFullScreenForeground(const WindowFacts &foreground, const WindowFacts *pRootOwner, const PlaceRect &rcMonitor)
{
    if (foreground.bShell || foreground.bOwnProcess)
        return false;
    if (CoversAsFullScreen(foreground, rcMonitor))
        return true;
    return pRootOwner && CoversAsFullScreen(*pRootOwner, rcMonitor);
}

uint8_t FadedAlpha(int32_t nFadeOnHover)
{
    if (nFadeOnHover <= 0)
        return kOpaqueAlpha;
    if (nFadeOnHover > 100)
        nFadeOnHover = 100;
    return static_cast<uint8_t>((kOpaqueAlpha * (100 - nFadeOnHover) + 50) / 100);
}

// Moves nFrom toward nTo at a rate that crosses nSpan in nSpanMs, by at least one step.
static uint8_t StepToward(uint8_t nFrom, uint8_t nTo, int nSpan, uint32_t nSpanMs, uint32_t nElapsedMs)
{
    if (nFrom == nTo || nElapsedMs == 0)
        return nFrom;
    if (nElapsedMs >= nSpanMs)
        return nTo;
    int nStep = static_cast<int>((static_cast<uint32_t>(nSpan) * nElapsedMs + nSpanMs - 1) / nSpanMs);
    if (nStep < 1)
        nStep = 1;
    const int nDistance = nTo > nFrom ? nTo - nFrom : nFrom - nTo;
    if (nStep >= nDistance)
        return nTo;
    return static_cast<uint8_t>(nTo > nFrom ? nFrom + nStep : nFrom - nStep);
}

HoverLook LookUnderPointer(const HoverInput &in)
{
    HoverLook look = {};
    look.bLayered = in.bClickThrough || in.nFadeOnHover > 0;
    if (!look.bLayered) {
        look.nAlpha = kOpaqueAlpha;
        return look;
    }
    const bool bTakesMouse = (in.bCtrl && in.bPointerOver) || in.bDragging;
    look.bTransparent = in.bClickThrough && !bTakesMouse;

    const uint8_t nFaded = FadedAlpha(in.nFadeOnHover);
    const int nSpan = kOpaqueAlpha - nFaded;
    // No fade chosen (any more): nothing to animate.
    if ((in.bCtrl && in.bPointerOver) || nSpan == 0)
        look.nAlpha = kOpaqueAlpha;
    else if (in.bPointerOver)
        look.nAlpha = StepToward(in.nAlpha, nFaded, nSpan, kFadeOutMs, in.nElapsedMs);
    else
        look.nAlpha = StepToward(in.nAlpha, kOpaqueAlpha, nSpan, kFadeInMs, in.nElapsedMs);
    look.bKeepLooking = in.bPointerOver || in.bDragging || look.nAlpha != kOpaqueAlpha;
    return look;
}
