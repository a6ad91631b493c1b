#pragma once

#include <cstdint>

namespace kelvo {

// The one program-wide source of uniform single-precision values in [0, 1).
// Reseeding mixes the clock into the current state, so two reseeds within one
// clock tick still give different sequences.
void ReseedRandomFromClock();

// Makes the source deterministic for tests: the state starts from `seed` and
// later reseeds mix in a counter instead of the clock.
void SeedRandom(uint64_t seed);

// Back to the clock after SeedRandom (tests that seed restore this).
void UseClockForRandomReseed();

// A uniform value in [0, 1), made of 24 random bits, so it is strictly below 1.
float RandomSingle();

// floor(r * scale + base) in double precision for a fresh r: the system's one
// way of turning a random value into a whole number.
int32_t RandomFloor(double scale, double base);

// Skips the next `count` values, leaving the source where `count` draws would
// leave it; for work whose draws are made but whose outcome does not matter.
void DiscardRandom(int32_t count);

} // namespace kelvo
