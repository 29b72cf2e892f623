// Where a dialog opens: beside the gadget inside a work area, or just inside a work area.
#pragma once

#include "base/rect.h"

// A box of size (x wide, y high) beside anchor, wholly inside work: to the right of the anchor,
// else to its left, else below it, else above it, each lined up with the anchor's near edge as
// far as the area allows. When no side has room, the side whose box, pulled into the area,
// covers the least of the anchor (in the same order on a tie).
PlaceRect PlaceBeside(const PlaceRect &anchor, PlacePoint size, const PlaceRect &work);

// The box moved the least that puts it inside work. A box larger than the area keeps its left
// and top edges on the area's, so its caption stays within reach.
PlaceRect KeepInside(const PlaceRect &box, const PlaceRect &work);
