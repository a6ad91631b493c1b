#include "question/CSavedKinds.h"

#include <algorithm>

namespace kelvo {

size_t CSavedKinds::Put(std::shared_ptr<const CQuestionData> kind) {
    const auto same = std::find_if(m_kinds.begin(), m_kinds.end(), [&](const auto& saved) {
        return saved->Title() == kind->Title();
    });
    if (same != m_kinds.end()) {
        *same = std::move(kind);
        return static_cast<size_t>(same - m_kinds.begin());
    }
    m_kinds.push_back(std::move(kind));
    return m_kinds.size() - 1;
}

} // namespace kelvo
