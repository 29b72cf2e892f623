// Which monitor holds the window, and its move area, from a list of monitor rectangles.
#pragma once

#include <cstdint>

#include "base/rect.h"
#include "settings/settings.h"

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
