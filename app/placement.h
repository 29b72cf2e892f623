// Rectangle arithmetic of window placement and dragging, on one monitor or several, free of any platform call.
#pragma once

#include <cstdint>

#include "base/rect.h"
#include "base/layout.h"
#include "settings/settings.h"

// Placement modes of nWindowPos; any other value is free.
enum WindowPosMode {
    kWindowPosFree = 0,
    kWindowPosTopLeft = 1,
    kWindowPosTopRight = 2,
    kWindowPosBottomLeft = 3,
    kWindowPosBottomRight = 4,
};


// The window's width and height for the page state and side, every picture pixel an
// nScale x nScale block.
PlacePoint CalcWindowSize(int32_t bStatus, int32_t nCalendarPos, int32_t nScale = 1);

// The scale of the gadget on a display of nDpi dots per inch: (dpi + 48) / 96, so 96 and 120
// give 1, 144 to 192 give 2, 240 and 288 give 3. A DPI of 0 or below 96 counts as 96. The scale
// is the largest, up to that, at which a window of size (at scale 1) fits the monitor, and never
// below 1.
int32_t WindowScale(int32_t nDpi, PlacePoint size, const PlaceRect &monitor);

// The screen beside the taskbar. nFound is what the taskbar query returned and
// taskbar its rectangle; without a usable answer the whole screen is the area.
PlaceRect AreaBesideTaskbar(uintptr_t nFound, const PlaceRect &taskbar, int32_t cxScreen, int32_t cyScreen);
// The same rule on any monitor: its part beside the taskbar, or the whole monitor.
PlaceRect AreaBesideTaskbarOn(uintptr_t nFound, const PlaceRect &taskbar, const PlaceRect &monitor);

// Size from the page, position from the mode: the corner modes put the area's
// corner point itself at the window's top-left; the fit pulls it in afterwards.
PlaceRect CalcPlacementRect(const SettingsRecord &settings, const PlaceRect &area, int32_t nScale = 1);

// The same rectangle, shifted into the area; a rectangle larger than the area
// ends with its right and bottom edges on the area's.
PlaceRect FitRectIntoArea(const PlaceRect &rc, const PlaceRect &area);

// Where a drag puts the window's top-left corner: the cursor minus the grip
// offset, held inside the area.
PlacePoint ClampDragPosition(const PlacePoint &cursor, const PlacePoint &offset, int32_t width, int32_t height,
                             const PlaceRect &area);

constexpr int kMaxMonitors = 16;

struct MonitorRects {
    PlaceRect rcMonitor;
    PlaceRect rcWork;
};

// The monitors as the system reported them, the primary first.
struct MonitorLayout {
    int nMonitors;  // 1 to kMaxMonitors
    MonitorRects aMonitors[kMaxMonitors];
};

// What the taskbar query returned: nFound as the query's result, rc the bar.
struct TaskbarAnswer {
    uintptr_t nFound;
    PlaceRect rc;
};

// The monitor sharing the most of rc with it; if none, the one the shortest way from it; on a
// tie, the earlier in the list. Monitors without area are passed over.
int NearestMonitor(const MonitorLayout &layout, const PlaceRect &rc);
// The same for a point: the monitor holding it, else the nearest.
int NearestMonitorToPoint(const MonitorLayout &layout, PlacePoint pt);

// The move area on monitor iMonitor: the whole monitor; with bAwayTaskBar, the part beside the
// taskbar on the taskbar's monitor (the primary when there is no taskbar), the work area elsewhere.
PlaceRect MoveAreaOn(const MonitorLayout &layout, int iMonitor, int32_t bAwayTaskBar, const TaskbarAnswer &taskbar);

// The monitor the window belongs to: in a corner mode the one nearest the stored position, so the
// user picks a monitor by dragging there first; otherwise the one nearest the window's rc.
int MonitorForPlacement(const SettingsRecord &settings, const MonitorLayout &layout, const PlaceRect &rc);

// Where a drag puts the window's top-left corner: the cursor minus the grip offset, held inside
// the move area of the monitor nearest the window's rectangle there.
PlacePoint DragPositionOnLayout(const MonitorLayout &layout, int32_t bAwayTaskBar, const TaskbarAnswer &taskbar,
                                PlacePoint cursor, PlacePoint offset, PlacePoint size);
