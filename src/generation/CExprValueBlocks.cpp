#include "generation/CExprValueBlocks.h"

#include <algorithm>

namespace kelvo {

std::shared_ptr<CExprValue> CExprValueBlocks::Snapshot(const CExpression& expression) {
    if (m_block == nullptr || m_block->size() == m_blockSize) {
        m_blockSize = std::clamp(2 * m_blockSize, FirstBlockSize, LargestBlockSize);
        m_block = std::make_shared<std::vector<CExprValue>>();
        m_block->reserve(m_blockSize);
    }
    // Made where it stays, when it is taken: a block's memory is written once,
    // and never moves, as the block never grows past its reserve.
    CExprValue& value = m_block->emplace_back();
    value.CreateFrom(expression);
    return {m_block, &value};
}

} // namespace kelvo
