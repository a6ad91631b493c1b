#pragma once

#include <cstdint>
#include <optional>

namespace kelvo {

class CExprValue;
class CValueLimit;

// The wrong answer a child typically gives to a two-operand question, when the
// question invites one and it lies in the result range: the carry forgotten
// (27＋15 → 32), the borrow forgotten (42－17 → 35), off by ten for other sums
// and differences with tens (13＋4 → 7 or 27), a neighbouring table fact for ×
// (7×8 → 48, 49, 63 or 64) and ÷ (56÷8 → 6 or 8). Where several fit, one is
// drawn at random. None otherwise.
std::optional<int32_t> TypicalSlip(const CExprValue& question, const CValueLimit& resultLimit);

} // namespace kelvo
