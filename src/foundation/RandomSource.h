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

// A fresh seed of SeedBits random bits for a piece of work to be made again.
constexpr int SeedBits = 40;
uint64_t DrawSeed();

// Work made from a seed while the object lives: the same seed gives the same
// draws (reseeds mix in a counter, not the clock); the source's own state is
// put back at the end, so the work leaves no trace on later draws.
class CSeededRandom {
public:
    explicit CSeededRandom(uint64_t seed);
    ~CSeededRandom();

    CSeededRandom(const CSeededRandom&) = delete;
    CSeededRandom& operator=(const CSeededRandom&) = delete;

private:
    uint64_t m_value;
    bool m_isDeterministic;
    uint64_t m_reseedCounter;
};

// A uniform value in [0, 1), made of 24 random bits, so it is strictly below 1.
float RandomSingle();

// floor(r * scale + base), as double precision computes it, for a fresh r: the
// system's one way of turning a random value into a whole number.
int32_t RandomFloor(int32_t scale, int32_t base);

// Skips the next `count` values, leaving the source where `count` draws would
// leave it; for work whose draws are made but whose outcome does not matter.
void DiscardRandom(int32_t count);

} // namespace kelvo
