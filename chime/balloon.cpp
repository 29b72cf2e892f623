// The balloon's side, rectangle and tail from the character, the gadget and the work area.
#include "chime/balloon.h"

#include "base/dialog_place.h"

namespace {

// The low end wins when the range is empty: a box too large for the area keeps its left or top edge.
int32_t Clamp(int32_t n, int32_t lo, int32_t hi)
{
    return n > hi ? (hi < lo ? lo : hi) : n < lo ? lo : n;
}

bool Inside(const PlaceRect &rc, const PlaceRect &work)
{
    return rc.left >= work.left && rc.top >= work.top && rc.right <= work.right && rc.bottom <= work.bottom;
}

bool Overlaps(const PlaceRect &a, const PlaceRect &b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The sides in the order they are tried.
constexpr BalloonSide kSides[] = {kBalloonRight, kBalloonLeft, kBalloonAbove, kBalloonBelow};

bool IsAcross(BalloonSide side)
{
    return side == kBalloonRight || side == kBalloonLeft;
}

// A box of size against one side of the character, slid along that side to stay inside work:
// beside her, level with her mouth; above or below her, centred on her.
PlaceRect OnSide(BalloonSide side, const PlaceRect &character, PlacePoint size, int32_t yMouth, const PlaceRect &work)
{
    PlaceRect rc;
    if (IsAcross(side)) {
        rc.left = side == kBalloonRight ? character.right : character.left - size.x;
        rc.top = Clamp(yMouth - size.y / 2, work.top, work.bottom - size.y);
    } else {
        rc.left = Clamp((character.left + character.right - size.x) / 2, work.left, work.right - size.x);
        rc.top = side == kBalloonBelow ? character.bottom : character.top - size.y;
    }
    rc.right = rc.left + size.x;
    rc.bottom = rc.top + size.y;
    return rc;
}

// Where along an edge of nLength the tail meets it, aimed at nAim but clear of the rounded corners.
int32_t TailAt(int32_t nAim, int32_t nLength, int32_t nClear)
{
    return nLength < 2 * nClear ? nLength / 2 : Clamp(nAim, nClear, nLength - nClear);
}

}  // namespace

BalloonShape PlaceBalloon(const PlaceRect &character, const PlaceRect &gadget, PlacePoint textSize, int32_t nScale,
                          const PlaceRect &work)
{
    const int32_t s = nScale < 1 ? 1 : nScale;
    const int32_t tail = kBalloonTailLength * s, half = kBalloonTailHalfBase * s;
    const PlacePoint body = {textSize.x + 2 * kBalloonPadding * s, textSize.y + 2 * kBalloonPadding * s};
    const int32_t yMouth = character.top + kBalloonMouthY * s;
    auto SizeFor = [&](BalloonSide side) {
        return IsAcross(side) ? PlacePoint{body.x + tail, body.y} : PlacePoint{body.x, body.y + tail};
    };

    BalloonShape shape = {kBalloonRight, {}, {}, {}};
    shape.rcWindow = KeepInside(OnSide(kBalloonRight, character, SizeFor(kBalloonRight), yMouth, work), work);
    for (BalloonSide side : kSides) {
        const PlaceRect rc = OnSide(side, character, SizeFor(side), yMouth, work);
        if (Inside(rc, work) && !Overlaps(rc, gadget)) {
            shape.side = side;
            shape.rcWindow = rc;
            break;
        }
    }

    const PlaceRect &rc = shape.rcWindow;
    const int32_t cx = rc.right - rc.left, cy = rc.bottom - rc.top, clear = kBalloonCorner * s / 2 + half;
    // The tail's base reaches a scale pixel into the body, so the outline shows no seam.
    if (IsAcross(shape.side)) {
        const int32_t y = TailAt(yMouth - rc.top, cy, clear);
        const bool bRight = shape.side == kBalloonRight;
        const int32_t xTip = bRight ? 0 : cx, xBase = bRight ? tail + s : cx - tail - s;
        shape.rcBody = bRight ? PlaceRect{tail, 0, cx, cy} : PlaceRect{0, 0, cx - tail, cy};
        shape.aptTail[0] = {xBase, y - half}, shape.aptTail[1] = {xTip, y}, shape.aptTail[2] = {xBase, y + half};
    } else {
        const int32_t x = TailAt((character.left + character.right) / 2 - rc.left, cx, clear);
        const bool bBelow = shape.side == kBalloonBelow;
        const int32_t yTip = bBelow ? 0 : cy, yBase = bBelow ? tail + s : cy - tail - s;
        shape.rcBody = bBelow ? PlaceRect{0, tail, cx, cy} : PlaceRect{0, 0, cx, cy - tail};
        shape.aptTail[0] = {x - half, yBase}, shape.aptTail[1] = {x, yTip}, shape.aptTail[2] = {x + half, yBase};
    }
    return shape;
}
