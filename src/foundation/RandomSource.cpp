#include "foundation/RandomSource.h"

#include <chrono>
#include <cmath>

namespace kelvo {

namespace {

struct RandomState {
    uint64_t value = 0x853c49e6748fea9bULL;
    bool deterministic = false;
    uint64_t reseedCounter = 0;
};

RandomState& State() {
    static RandomState state;
    return state;
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
    const uint64_t tick =
        state.deterministic
            ? ++state.reseedCounter
            : static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
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

float RandomSingle() {
    constexpr float scale = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(NextBits() >> 40) * scale;
}

int32_t RandomFloor(double scale, double base) {
    return static_cast<int32_t>(std::floor(static_cast<double>(RandomSingle()) * scale + base));
}

void DiscardRandom(int32_t count) {
    if (count > 0) {
        State().value += static_cast<uint64_t>(count) * StateIncrement;
    }
}

} // namespace kelvo
