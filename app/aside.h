// How the gadget keeps out of the way, free of any platform call: clicks through it, the fade
// under the pointer, and stepping aside while a full-screen window is in front.
#pragma once

#include <cstdint>

#include "base/rect.h"

// What the tick reads of a top-level window.
struct WindowFacts {
    PlaceRect rc;       // its window rectangle
    bool bShell;        // the desktop or one of the shell's own windows
    bool bOwnProcess;   // one of the gadget's own windows: its sheet, menu or message boxes
    bool bVisible;
    bool bMinimised;
    bool bMaximised;
    bool bCaption;      // WS_CAPTION whole: a title bar
    bool bToolWindow;   // WS_EX_TOOLWINDOW
};

// Whether rc reaches every edge of the monitor rectangle, or past it.
bool CoversMonitor(const PlaceRect &rc, const PlaceRect &rcMonitor);

// The shell's taskbars and desktop windows, by class name; they never count as full screen.
bool IsShellClassName(const char *pszClass);

// Whether the foreground window hides the whole of the gadget's monitor, its monitor rectangle
// (not its work area). pRootOwner: the window that owns the foreground one at the top of its
// chain, or null when nothing owns it; a small dialog of a full-screen program counts as it does.
bool IsFullScreenForeground(const WindowFacts &foreground, const WindowFacts *pRootOwner, const PlaceRect &rcMonitor);

// The window's alpha when nothing fades it.
constexpr uint8_t kOpaqueAlpha = 255;
// A full fade takes this long on the way out and on the way back.
constexpr uint32_t kFadeOutMs = 200;
constexpr uint32_t kFadeInMs = 300;
// How often the pointer and Ctrl are read while the pointer is over the gadget or a fade runs.
constexpr uint32_t kHoverPollMs = 40;

// The alpha of a window nFadeOnHover percent see-through; 0 is opaque.
uint8_t FadedAlpha(int32_t nFadeOnHover);

// What a look at the pointer knows.
struct HoverInput {
    int32_t bClickThrough;
    int32_t nFadeOnHover;
    bool bPointerOver;  // over the shown window
    bool bCtrl;         // Ctrl held
    bool bDragging;
    uint8_t nAlpha;       // the alpha shown now
    uint32_t nElapsedMs;  // since the last look
};

// What the window becomes.
struct HoverLook {
    bool bLayered;       // WS_EX_LAYERED: only while an option needs it
    bool bTransparent;   // WS_EX_TRANSPARENT: clicks pass through
    uint8_t nAlpha;
    bool bKeepLooking;   // the short timer runs on
};

// Clicks pass through unless Ctrl is held over the gadget or a drag it started runs; the alpha
// moves toward the fade while the pointer is over, toward opaque otherwise, and to opaque at once
// while Ctrl is held.
HoverLook LookUnderPointer(const HoverInput &in);
