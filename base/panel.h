// The one size every layout, window size and page shift is made of: the character panel and
// the calendar page are each 120 x 160 pixels.
#pragma once

#include <cstdint>

constexpr int32_t kPanelWidth = 120;
constexpr int32_t kPanelHeight = 160;
