#include "generation/CExprValueBlocks.h"

#include <algorithm>

namespace kelvo {

std::shared_ptr<CExprValue> CExprValueBlocks::Snapshot(const CExpression& expression) {
    if (m_used == m_blockSize) {
        m_blockSize = std::clamp(2 * m_blockSize, FirstBlockSize, LargestBlockSize);
        m_block = std::make_shared<CExprValue[]>(m_blockSize);
        m_used = 0;
    }
    CExprValue& value = m_block[m_used++];
    value.CreateFrom(expression);
    return {m_block, &value};
}

} // namespace kelvo
