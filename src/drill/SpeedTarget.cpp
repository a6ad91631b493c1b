#include "drill/SpeedTarget.h"

#include <algorithm>
#include <array>

namespace kelvo {

std::optional<double> RightPerMinute(int32_t right, std::optional<int32_t> milliseconds) {
    if (!milliseconds || *milliseconds <= 0) {
        return std::nullopt;
    }
    constexpr double kMillisecondsPerMinute = 60000.0;
    return right * kMillisecondsPerMinute / *milliseconds;
}

int32_t DefaultTarget(int32_t schoolYear) {
    // Years 1 and 2: the low end of 8–10 per minute for sums within 20 and the
    // multiplication table. Later years drill larger numbers, for which the
    // published figures differ; 5 is a start to be set to the class's own.
    static constexpr std::array<int32_t, LastSchoolYear> kTargets{8, 8, 5, 5, 5, 5};
    const int32_t year = std::clamp(schoolYear, FirstSchoolYear, LastSchoolYear);
    return kTargets[static_cast<size_t>(year - FirstSchoolYear)];
}

} // namespace kelvo
