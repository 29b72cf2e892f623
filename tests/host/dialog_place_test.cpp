// Dialogs beside the gadget inside the work area, and dialogs kept inside it.
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "base/dialog_place.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

using Rect = std::array<int32_t, 4>;
Rect R(const PlaceRect &rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }

TEST(DialogBeside, RightThenLeftThenBelowThenAboveElseTheSideCoveringLeast)
{
    const PlaceRect screen = {0, 0, 1024, 768};
    const struct { const char *what; PlaceRect anchor; PlacePoint size; PlaceRect work; Rect expected; } cases[] = {
        {"right, top lined up", {0, 0, 240, 160}, {400, 450}, screen, {240, 0, 640, 450}},
        {"left, bottom held in", {784, 608, 1024, 768}, {400, 450}, screen, {384, 318, 784, 768}},
        {"below", {300, 0, 724, 160}, {400, 450}, screen, {300, 160, 700, 610}},
        {"above", {300, 608, 724, 768}, {400, 450}, screen, {300, 158, 700, 608}},
        {"no room: left covers less", {450, 100, 624, 700}, {500, 300}, screen, {0, 100, 500, 400}},
        {"left of the primary", {-1280, -200, -1040, -40}, {400, 450}, {-1280, -200, 0, 784}, {-1040, -200, -640, 250}},
        {"at the top of the range", {kMax - 240, kMax - 160, kMax, kMax}, {400, 450}, {kMax - 1000, kMax - 700, kMax, kMax},
         {kMax - 640, kMax - 450, kMax - 240, kMax}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(R(PlaceBeside(c.anchor, c.size, c.work)), c.expected) << c.what;
}

TEST(DialogInside, MovedTheLeastAndWhenTooLargeItsCaptionStaysInside)
{
    const PlaceRect screen = {0, 0, 1024, 768};
    EXPECT_EQ(R(KeepInside({900, 700, 1200, 900}, screen)), (Rect{724, 568, 1024, 768}));
    EXPECT_EQ(R(KeepInside({-50, -60, 1100, 900}, screen)), (Rect{0, 0, 1150, 960}));
    EXPECT_EQ(R(KeepInside({kMax - 10, kMax - 10, kMax, kMax}, screen)), (Rect{1014, 758, 1024, 768}));
}

}  // namespace
