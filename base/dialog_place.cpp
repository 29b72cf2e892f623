// Dialog placement beside an anchor and inside a work area, in 64-bit sums so no edge overflows.
#include "base/dialog_place.h"

#include <limits>

namespace {

int32_t Saturate(int64_t value)
{
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value < kMin ? kMin : value > kMax ? kMax : value);
}

// One axis: off the high edge first, then onto the low edge, so the low edge wins.
int64_t InsideAxis(int64_t low, int64_t extent, int64_t areaLow, int64_t areaHigh)
{
    if (low + extent > areaHigh)
        low = areaHigh - extent;
    if (low < areaLow)
        low = areaLow;
    return low;
}

struct Box {
    int64_t left, top, cx, cy;
};

PlaceRect ToRect(const Box &b)
{
    return {Saturate(b.left), Saturate(b.top), Saturate(b.left + b.cx), Saturate(b.top + b.cy)};
}

Box Inside(Box b, const PlaceRect &work)
{
    b.left = InsideAxis(b.left, b.cx, work.left, work.right);
    b.top = InsideAxis(b.top, b.cy, work.top, work.bottom);
    return b;
}

bool Fits(const Box &b, const PlaceRect &work)
{
    return b.left >= work.left && b.top >= work.top && b.left + b.cx <= work.right && b.top + b.cy <= work.bottom;
}

int64_t Overlap(const Box &b, const PlaceRect &anchor)
{
    const int64_t cx = (b.left + b.cx < anchor.right ? b.left + b.cx : anchor.right) -
                       (b.left > anchor.left ? b.left : anchor.left);
    const int64_t cy = (b.top + b.cy < anchor.bottom ? b.top + b.cy : anchor.bottom) -
                       (b.top > anchor.top ? b.top : anchor.top);
    // Neither factor exceeds the box's 31-bit size, so the product fits in 64 bits.
    return cx > 0 && cy > 0 ? cx * cy : 0;
}

}  // namespace

PlaceRect PlaceBeside(const PlaceRect &anchor, PlacePoint size, const PlaceRect &work)
{
    const int64_t cx = size.x > 0 ? size.x : 0;
    const int64_t cy = size.y > 0 ? size.y : 0;
    // Right, left, below, above: each beside the anchor, slid along that side into the area.
    const Box sides[] = {
        {anchor.right, InsideAxis(anchor.top, cy, work.top, work.bottom), cx, cy},
        {int64_t{anchor.left} - cx, InsideAxis(anchor.top, cy, work.top, work.bottom), cx, cy},
        {InsideAxis(anchor.left, cx, work.left, work.right), anchor.bottom, cx, cy},
        {InsideAxis(anchor.left, cx, work.left, work.right), int64_t{anchor.top} - cy, cx, cy},
    };
    for (const Box &b : sides)
        if (Fits(b, work))
            return ToRect(b);
    Box best = Inside(sides[0], work);
    for (const Box &b : sides) {
        const Box pulled = Inside(b, work);
        if (Overlap(pulled, anchor) < Overlap(best, anchor))
            best = pulled;
    }
    return ToRect(best);
}

PlaceRect KeepInside(const PlaceRect &box, const PlaceRect &work)
{
    const Box b = {box.left, box.top, int64_t{box.right} - box.left, int64_t{box.bottom} - box.top};
    return ToRect(Inside(b, work));
}
