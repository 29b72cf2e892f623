// Monitor choice for a rectangle or a point, the move area on a monitor, and the drag across monitors.
#include "app/monitor_rules.h"

#include <limits>

#include "app/placement.h"

namespace {

struct Span {
    int64_t left, top, right, bottom;
};

bool HasArea(const PlaceRect &rc)
{
    return rc.right > rc.left && rc.bottom > rc.top;
}

int Count(const MonitorLayout &layout)
{
    return layout.nMonitors < 1 ? 1 : layout.nMonitors > kMaxMonitors ? kMaxMonitors : layout.nMonitors;
}

// Gap between two spans along one axis, 0 when they meet or overlap; under 2^34.
uint64_t Gap(int64_t low, int64_t high, int64_t otherLow, int64_t otherHigh)
{
    if (high < otherLow)
        return static_cast<uint64_t>(otherLow - high);
    if (otherHigh < low)
        return static_cast<uint64_t>(low - otherHigh);
    return 0;
}

uint64_t Shared(int64_t low, int64_t high, int64_t otherLow, int64_t otherHigh)
{
    const int64_t n = (high < otherHigh ? high : otherHigh) - (low > otherLow ? low : otherLow);
    return n > 0 ? static_cast<uint64_t>(n) : 0;
}

// The squared distance, held at the top of the range rather than wrapping.
uint64_t SquaredDistance(uint64_t dx, uint64_t dy)
{
    constexpr uint64_t kTop = std::numeric_limits<uint64_t>::max();
    const uint64_t limit = 0xFFFFFFFFu;
    if (dx > limit || dy > limit)
        return kTop;
    const uint64_t x2 = dx * dx, y2 = dy * dy;
    return x2 > kTop - y2 ? kTop : x2 + y2;
}

int Nearest(const MonitorLayout &layout, const Span &s)
{
    int best = 0;
    uint64_t bestShared = 0, bestDistance = std::numeric_limits<uint64_t>::max();
    bool found = false;
    for (int i = 0; i < Count(layout); ++i) {
        const PlaceRect &m = layout.aMonitors[i].rcMonitor;
        if (!HasArea(m))
            continue;
        // A monitor is at most 2^32 wide, so the shared area fits in 64 bits.
        const uint64_t shared = Shared(s.left, s.right, m.left, m.right) * Shared(s.top, s.bottom, m.top, m.bottom);
        const uint64_t distance = shared ? 0 : SquaredDistance(Gap(s.left, s.right, m.left, m.right),
                                                               Gap(s.top, s.bottom, m.top, m.bottom));
        if (!found || shared > bestShared || (shared == 0 && bestShared == 0 && distance < bestDistance)) {
            best = i;
            bestShared = shared;
            bestDistance = distance;
            found = true;
        }
    }
    return best;
}

}  // namespace

int NearestMonitor(const MonitorLayout &layout, const PlaceRect &rc)
{
    return Nearest(layout, {rc.left, rc.top, rc.right, rc.bottom});
}

int NearestMonitorToPoint(const MonitorLayout &layout, PlacePoint pt)
{
    return Nearest(layout, {pt.x, pt.y, int64_t{pt.x} + 1, int64_t{pt.y} + 1});
}

PlaceRect MoveAreaOn(const MonitorLayout &layout, int iMonitor, int32_t bAwayTaskBar, const TaskbarAnswer &taskbar)
{
    const int i = iMonitor < 0 || iMonitor >= Count(layout) ? 0 : iMonitor;
    const MonitorRects &m = layout.aMonitors[i];
    if (!bAwayTaskBar)
        return m.rcMonitor;
    const bool usable = taskbar.nFound != 0 && HasArea(taskbar.rc);
    const int iTaskbar = usable ? NearestMonitor(layout, taskbar.rc) : 0;
    if (i == iTaskbar)
        return AreaBesideTaskbarOn(taskbar.nFound, taskbar.rc, m.rcMonitor);
    return HasArea(m.rcWork) ? m.rcWork : m.rcMonitor;
}

int MonitorForPlacement(const SettingsRecord &settings, const MonitorLayout &layout, const PlaceRect &rc)
{
    switch (settings.nWindowPos) {
    case kWindowPosTopLeft:
    case kWindowPosTopRight:
    case kWindowPosBottomLeft:
    case kWindowPosBottomRight: return NearestMonitorToPoint(layout, {settings.nWindowX, settings.nWindowY});
    default: return NearestMonitor(layout, rc);
    }
}

PlacePoint DragPositionOnLayout(const MonitorLayout &layout, int32_t bAwayTaskBar, const TaskbarAnswer &taskbar,
                                PlacePoint cursor, PlacePoint offset, PlacePoint size)
{
    const int64_t x = int64_t{cursor.x} - offset.x;
    const int64_t y = int64_t{cursor.y} - offset.y;
    const int i = Nearest(layout, {x, y, x + size.x, y + size.y});
    return ClampDragPosition(cursor, offset, size.x, size.y, MoveAreaOn(layout, i, bAwayTaskBar, taskbar));
}
