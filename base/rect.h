// Screen rectangles and points as the pure placement rules take them, free of platform types.
#pragma once

#include <cstdint>

// Left, top, right, bottom; right and bottom exclusive.
struct PlaceRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

struct PlacePoint {
    int32_t x;
    int32_t y;
};
