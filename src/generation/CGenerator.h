#pragma once

namespace kelvo {

class CExpression;

// Enumerates every admissible question of a small template once at Init, then
// hands them out in random order, each at most once.
class CGenerator {
public:
    virtual ~CGenerator() = default;

    virtual void Init(CExpression& expr) = 0;
    // Writes the next question into the template's operands and result operand;
    // false once every question has been handed out.
    virtual bool CreateInstance() = 0;
};

} // namespace kelvo
