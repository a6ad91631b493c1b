#pragma once

#include "printing/CWordRange.h"

namespace kelvo {

// One document of the word processor, as yet held by Kelvo.
class CWordDocument {
public:
    CWordRange& Content() { return m_content; }
    const CWordRange& Content() const { return m_content; }

private:
    CWordRange m_content;
};

} // namespace kelvo
