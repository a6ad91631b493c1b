#pragma once

#include "question/CQuestionData.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace kelvo {

// The kinds the user saved by name (their titles), in the order first saved.
// Saving a name again replaces that kind in its place.
class CSavedKinds {
public:
    using KindList = std::vector<std::shared_ptr<const CQuestionData>>;

    const KindList& Kinds() const { return m_kinds; }
    // The place of the kind in the list.
    size_t Put(std::shared_ptr<const CQuestionData> kind);

private:
    KindList m_kinds;
};

} // namespace kelvo
