// The program's pseudo-random generator (blink start, random character order).
#pragma once

#include <cstdint>

void SeedRandom(uint32_t seed);
// 0..32767
int NextRandom();
