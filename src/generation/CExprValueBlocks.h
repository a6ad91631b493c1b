#pragma once

#include "generation/CExprValue.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace kelvo {

class CExpression;

// Snapshots of filled templates, made by the hundred thousand: they are kept in
// blocks, and each question's reference shares the ownership of its block, so
// a question needs no allocation of its own and lives as long as any reference
// to it. Blocks start small for short jobs and grow to a fixed size.
class CExprValueBlocks {
public:
    std::shared_ptr<CExprValue> Snapshot(const CExpression& expression);

private:
    static constexpr size_t FirstBlockSize = 32;
    static constexpr size_t LargestBlockSize = 1024;

    std::shared_ptr<std::vector<CExprValue>> m_block;
    size_t m_blockSize = 0;
};

} // namespace kelvo
