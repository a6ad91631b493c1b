#pragma once

#include "generation/DecimalUnits.h"
#include "generation/FractionShape.h"
#include "ui/frmMainUi.h"

#include <array>
#include <cstdint>

namespace kelvo {

// The number box of each operand frame and of the result frame: "整数"
// keeps the frame's range boxes whole as they always were; "一位小数" to
// "三位小数" let them take decimals and set aside "整十数" and "整百数", which
// count in whole numbers. The first two operands may be "真分数" or "假分数",
// whose range boxes then hold their denominators, and the result "分数" or
// "带分数".
class CtrlsDecimalPlaces {
public:
    explicit CtrlsDecimalPlaces(const COperandPanel& panel);
    // The boxes call back into this object.
    CtrlsDecimalPlaces(const CtrlsDecimalPlaces&) = delete;
    CtrlsDecimalPlaces& operator=(const CtrlsDecimalPlaces&) = delete;

    // Of the first operandCount operands and the result.
    CDecimalUnits Places(int32_t operandCount) const;
    CFractionShape Fractions() const;
    // The frames beyond operandCount become whole.
    void ShowPlaces(const CDecimalUnits& places, const CFractionShape& fractions,
                    int32_t operandCount);

private:
    void ApplyPlaces(int frame);

    COperandPanel m_panel;
    // The titles of the frames of the operands that may be fractions.
    std::array<QString, 2> m_captions;
};

} // namespace kelvo
