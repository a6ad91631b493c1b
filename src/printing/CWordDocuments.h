#pragma once

#include "printing/CWordDocument.h"

#include <memory>
#include <vector>

namespace kelvo {

// The documents of one word-processor application object, in the order they were added.
class CWordDocuments {
public:
    // A new, empty document; it becomes the active one.
    CWordDocument& Add();
    int Count() const { return static_cast<int>(m_documents.size()); }
    // 1-based.
    CWordDocument& Item(int iIndex);

private:
    std::vector<std::unique_ptr<CWordDocument>> m_documents;
};

} // namespace kelvo
