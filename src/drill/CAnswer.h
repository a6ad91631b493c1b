#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvo {

class CExprValue;

// An answer as the child gives it, typed or chosen: a whole number, or for a
// division with a remainder its quotient and its remainder ("3……2").
struct CAnswer {
    // A whole number is an answer as it stands.
    CAnswer(int32_t iValue, std::optional<int32_t> remainder = std::nullopt)
        : value(iValue), remainder(remainder) {}

    // The question's right answer, with its remainder when it has one.
    static CAnswer RightFor(const CExprValue& question);

    // "3", or "3……2".
    std::u16string Text() const;
    bool operator==(const CAnswer&) const = default;

    // The whole number, or the quotient.
    int32_t value;
    // None for a whole number, and for a quotient given without its remainder,
    // which never counts as the right answer to a question with one.
    std::optional<int32_t> remainder;
};

} // namespace kelvo
