// 达标: how many questions a child answers right per minute, against a target
// the teacher or parent sets; the user guide names where the defaults come from.
#pragma once

#include <cstdint>
#include <optional>

namespace kelvo {

constexpr int32_t MinTarget = 1;
constexpr int32_t MaxTarget = 60;
constexpr int32_t FirstSchoolYear = 1;
constexpr int32_t LastSchoolYear = 6;

// Right questions per minute in the given time; none without time.
std::optional<double> RightPerMinute(int32_t right, std::optional<int32_t> milliseconds);

// The target proposed for school year 1–6 (a year outside that gets the
// nearest one's).
int32_t DefaultTarget(int32_t schoolYear);

} // namespace kelvo
