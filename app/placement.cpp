// Window size, mode corners, the move area beside the taskbar, the fit and the drag clamp, and which
// monitor holds the window.
#include "app/placement.h"

#include <limits>

namespace {

constexpr int64_t kMin32 = std::numeric_limits<int32_t>::min();
constexpr int64_t kMax32 = std::numeric_limits<int32_t>::max();

// Stored positions come from a hand-editable registry, so sums are taken in
// 64 bits and only brought back to 32 bits once they are known to fit.
int32_t Saturate(int64_t value)
{
    return static_cast<int32_t>(value < kMin32 ? kMin32 : value > kMax32 ? kMax32 : value);
}

// An origin whose far edge would pass the 32-bit range is pulled back so the
// rectangle keeps its size and stays representable.
int32_t OriginKeepingExtent(int32_t origin, int32_t extent)
{
    return static_cast<int64_t>(origin) + extent > kMax32 ? static_cast<int32_t>(kMax32 - extent) : origin;
}

}  // namespace

PlacePoint CalcWindowSize(int32_t bStatus, int32_t nCalendarPos, int32_t nScale)
{
    // The painter's layout decides, so an unknown code is sized as it is drawn.
    const PanelLayout layout = LayoutPanels(bStatus, nCalendarPos);
    return {layout.cxClient * nScale, layout.cyClient * nScale};
}

int32_t WindowScale(int32_t nDpi, PlacePoint size, const PlaceRect &monitor)
{
    constexpr int32_t kBaseDpi = 96;
    int64_t scale = (static_cast<int64_t>(nDpi < kBaseDpi ? kBaseDpi : nDpi) + kBaseDpi / 2) / kBaseDpi;
    const int64_t cx = static_cast<int64_t>(monitor.right) - monitor.left;
    const int64_t cy = static_cast<int64_t>(monitor.bottom) - monitor.top;
    if (size.x > 0 && cx / size.x < scale)
        scale = cx / size.x;
    if (size.y > 0 && cy / size.y < scale)
        scale = cy / size.y;
    return scale < 1 ? 1 : static_cast<int32_t>(scale);
}

PlaceRect AreaBesideTaskbar(uintptr_t nFound, const PlaceRect &taskbar, int32_t cxScreen, int32_t cyScreen)
{
    return AreaBesideTaskbarOn(nFound, taskbar, {0, 0, cxScreen, cyScreen});
}

PlaceRect AreaBesideTaskbarOn(uintptr_t nFound, const PlaceRect &taskbar, const PlaceRect &monitor)
{
    const PlaceRect &t = taskbar;
    const PlaceRect &m = monitor;
    if (nFound == 0 || t.right <= t.left || t.bottom <= t.top)
        return m;
    if (t.bottom < m.bottom)
        return {m.left, t.bottom, m.right, m.bottom};
    if (t.top > m.top)
        return {m.left, m.top, m.right, t.top};
    if (t.left > m.left)
        return {m.left, m.top, t.left, m.bottom};
    return {t.right, m.top, m.right, m.bottom};
}

PlaceRect CalcPlacementRect(const SettingsRecord &settings, const PlaceRect &area, int32_t nScale)
{
    const PlacePoint size = CalcWindowSize(settings.bStatus, settings.nCalendarPos, nScale);
    int32_t x = settings.nWindowX;
    int32_t y = settings.nWindowY;
    switch (settings.nWindowPos) {
    case kWindowPosTopLeft: x = area.left; y = area.top; break;
    case kWindowPosTopRight: x = area.right; y = area.top; break;
    case kWindowPosBottomLeft: x = area.left; y = area.bottom; break;
    case kWindowPosBottomRight: x = area.right; y = area.bottom; break;
    default: break;
    }
    x = OriginKeepingExtent(x, size.x);
    y = OriginKeepingExtent(y, size.y);
    return {x, y, x + size.x, y + size.y};
}

// One axis of the fit: shift onto the low edge, then off the high edge, so an
// extent larger than the area ends on the high edge.
static void FitAxis(int64_t *pLow, int64_t *pHigh, int64_t areaLow, int64_t areaHigh)
{
    if (*pLow < areaLow) {
        *pHigh += areaLow - *pLow;
        *pLow = areaLow;
    }
    if (*pHigh > areaHigh) {
        *pLow -= *pHigh - areaHigh;
        *pHigh = areaHigh;
    }
}

PlaceRect FitRectIntoArea(const PlaceRect &rc, const PlaceRect &area)
{
    int64_t left = rc.left, top = rc.top, right = rc.right, bottom = rc.bottom;
    FitAxis(&left, &right, area.left, area.right);
    FitAxis(&top, &bottom, area.top, area.bottom);
    return {Saturate(left), Saturate(top), Saturate(right), Saturate(bottom)};
}

PlacePoint ClampDragPosition(const PlacePoint &cursor, const PlacePoint &offset, int32_t width, int32_t height,
                             const PlaceRect &area)
{
    int64_t x = static_cast<int64_t>(cursor.x) - offset.x;
    int64_t y = static_cast<int64_t>(cursor.y) - offset.y;
    if (x < area.left)
        x = area.left;
    if (x + width >= area.right)
        x = static_cast<int64_t>(area.right) - width;
    if (y < area.top)
        y = area.top;
    if (y + height >= area.bottom)
        y = static_cast<int64_t>(area.bottom) - height;
    return {Saturate(x), Saturate(y)};
}

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
