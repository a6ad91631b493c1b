#include "drill/WeakSpots.h"

#include <algorithm>
#include <random>

namespace kelvo {

std::vector<size_t> ChooseWeakSpots(const std::vector<CFactMastery>& facts, int32_t today,
                                    uint64_t seed) {
    std::vector<size_t> sheet;
    std::vector<size_t> fluent;
    for (size_t k = 0; k < facts.size(); ++k) {
        const CFactMastery& fact = facts[k];
        if (fact.State() == EFactState::Unseen) {
            continue;
        }
        if (fact.State() != EFactState::Fluent || fact.IsDue(today)) {
            sheet.push_back(k);
        } else {
            fluent.push_back(k);
        }
    }
    if (sheet.empty()) {
        return sheet;
    }
    std::mt19937_64 random(seed);
    std::ranges::shuffle(fluent, random);
    const size_t known = std::min(sheet.size() / (WeakSheetFluentShare - 1), fluent.size());
    sheet.insert(sheet.end(), fluent.begin(), fluent.begin() + static_cast<std::ptrdiff_t>(known));
    std::ranges::shuffle(sheet, random);
    return sheet;
}

} // namespace kelvo
