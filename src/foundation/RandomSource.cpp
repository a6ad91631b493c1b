#include "foundation/RandomSource.h"

#include <chrono>
#include <time.h>

namespace kelvo {

namespace {

uint64_t PreciseTick() {
    return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

// The tick a reseed mixes in. Generation reseeds before nearly every draw, so
// where the platform has a clock that is cheaper to read than the precise one
// (a few nanoseconds against some thirty) that one is used; reseeds within one
// of its ticks still differ because the state moves on between them.
uint64_t ReseedTick() {
#if defined(CLOCK_MONOTONIC_COARSE)
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<uint64_t>(now.tv_sec) * 1000000000ULL + static_cast<uint64_t>(now.tv_nsec);
#else
    return PreciseTick();
#endif
}

struct RandomState {
    uint64_t value = 0x853c49e6748fea9bULL;
    bool deterministic = false;
    uint64_t reseedCounter = 0;
};

// A plain variable, not a function's static: every draw reads it, and a
// guarded static costs a call and a check per draw.
constinit RandomState randomState;

// Two runs of the program start apart even within one coarse tick.
const bool startedApart = (randomState.value ^= PreciseTick(), true);

RandomState& State() {
    return randomState;
}

// splitmix64: one well-mixed 64-bit output per step; the state advances by a
// fixed increment.
constexpr uint64_t StateIncrement = 0x9e3779b97f4a7c15ULL;

uint64_t NextBits() {
    uint64_t z = (State().value += StateIncrement);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

void ReseedRandomFromClock() {
    RandomState& state = State();
    const uint64_t tick = state.deterministic ? ++state.reseedCounter : ReseedTick();
    state.value ^= tick * 0xd1342543de82ef95ULL;
    NextBits();
}

void SeedRandom(uint64_t seed) {
    RandomState& state = State();
    state.value = seed;
    state.deterministic = true;
    state.reseedCounter = 0;
}

void UseClockForRandomReseed() {
    State().deterministic = false;
}

uint64_t DrawSeed() {
    ReseedRandomFromClock();
    return NextBits() >> (64 - SeedBits);
}

CSeededRandom::CSeededRandom(uint64_t seed)
    : m_value(State().value), m_isDeterministic(State().deterministic),
      m_reseedCounter(State().reseedCounter) {
    SeedRandom(seed);
}

CSeededRandom::~CSeededRandom() {
    RandomState& state = State();
    state.value = m_value;
    state.deterministic = m_isDeterministic;
    state.reseedCounter = m_reseedCounter;
}

// The 24 random bits of a single-precision value in [0, 1): r = bits / 2^24.
constexpr int RandomBits = 24;

float RandomSingle() {
    constexpr float scale = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(NextBits() >> (64 - RandomBits)) * scale;
}

int32_t RandomFloor(int32_t scale, int32_t base) {
    const auto bits = static_cast<int64_t>(NextBits() >> (64 - RandomBits));
    // Below this bound r × scale + base needs at most 53 bits, so double
    // precision holds it exactly and its floor is found in whole numbers: the
    // arithmetic shift rounds down as floor does. Generation draws by the
    // million, and the conversions to and from double cost more than the draw.
    constexpr int32_t exactBound = 1 << 28;
    if (-exactBound < scale && scale < exactBound && -exactBound < base && base < exactBound) {
        return base + static_cast<int32_t>((bits * scale) >> RandomBits);
    }
    const double value = static_cast<double>(bits) / 16777216.0 * scale + base;
    // The truncation rounds toward zero, so a negative fraction steps down once.
    const auto truncated = static_cast<int32_t>(value);
    return truncated > value ? truncated - 1 : truncated;
}

void DiscardRandom(int32_t count) {
    if (count > 0) {
        State().value += static_cast<uint64_t>(count) * StateIncrement;
    }
}

} // namespace kelvo
