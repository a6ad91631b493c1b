#include "drill/FractionSlip.h"

#include "foundation/RandomSource.h"
#include "foundation/RuntimeError.h"
#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "number/Fraction.h"
#include "number/OperatorCodes.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace kelvo {
namespace {

// An operand as the sheet writes it; a whole number has the denominator 1.
struct CWritten {
    int64_t numerator = 0;
    int64_t denominator = 1;

    bool IsWhole() const { return denominator == 1; }
};

CWritten Operand(const CExprValue& question, size_t k) {
    return {question.OperandValues()[k][1], UnitDenominator(question.Units().Operand(k))};
}

CAnswer Written(int64_t numerator, int64_t denominator) {
    return CAnswer::Fraction(CheckedNarrow(numerator), CheckedNarrow(denominator));
}

CAnswer Reduced(int64_t numerator, int64_t denominator) {
    const CFraction reduced(numerator, denominator);
    return Written(reduced.Numerator(), reduced.Denominator());
}

// The right value worked as a child works it, before reducing: a sum or
// difference over the least common denominator.
CAnswer Unreduced(const CWritten& x, int32_t code, const CWritten& y) {
    switch (code) {
    case Op::Plus:
    case Op::Minus: {
        const int64_t common = std::lcm(x.denominator, y.denominator);
        const int64_t a = x.numerator * (common / x.denominator);
        const int64_t b = y.numerator * (common / y.denominator);
        return Written(code == Op::Plus ? a + b : a - b, common);
    }
    case Op::Times:
        return Written(x.numerator * y.numerator, x.denominator * y.denominator);
    default:
        return Written(x.numerator * y.denominator, x.denominator * y.numerator);
    }
}

// Numerators and denominators worked straight across; a whole number goes to
// the numerator only.
std::vector<CAnswer> SumOrDifferenceSlips(const CWritten& x, const CWritten& y, bool sum) {
    const int64_t top = sum ? x.numerator + y.numerator : x.numerator - y.numerator;
    if (x.IsWhole() || y.IsWhole()) {
        const int64_t kept = std::max(x.denominator, y.denominator);
        return top > 0 ? std::vector{Reduced(top, kept)} : std::vector<CAnswer>{};
    }
    const int64_t bottom = sum ? x.denominator + y.denominator : x.denominator - y.denominator;
    return top > 0 && bottom > 0 ? std::vector{Reduced(top, bottom)} : std::vector<CAnswer>{};
}

// A whole number multiplied into both parts, or only the numerators
// multiplied under one denominator.
std::vector<CAnswer> ProductSlips(const CWritten& x, const CWritten& y) {
    if (x.IsWhole() || y.IsWhole()) {
        const CWritten& fraction = x.IsWhole() ? y : x;
        return {Reduced(fraction.numerator, fraction.denominator)};
    }
    const int64_t top = x.numerator * y.numerator;
    return {Reduced(top, x.denominator), Reduced(top, y.denominator)};
}

// The divisor not inverted, or the dividend inverted instead.
std::vector<CAnswer> QuotientSlips(const CWritten& x, const CWritten& y) {
    std::vector slips{Reduced(x.numerator * y.numerator, x.denominator * y.denominator)};
    if (x.numerator > 0) {
        slips.push_back(Reduced(x.denominator * y.numerator, x.numerator * y.denominator));
    }
    return slips;
}

std::vector<CAnswer> Slips(const CExprValue& question, const CAnswer& right) {
    const CWritten x = Operand(question, 0);
    const CWritten y = Operand(question, 1);
    const int32_t code = question.OperandValues()[1][0];
    std::vector<CAnswer> slips;
    switch (code) {
    case Op::Plus:
    case Op::Minus:
        slips = SumOrDifferenceSlips(x, y, code == Op::Plus);
        break;
    case Op::Times:
        slips = ProductSlips(x, y);
        break;
    case Op::Divide:
        slips = QuotientSlips(x, y);
        break;
    default:
        return {};
    }
    slips.push_back(Unreduced(x, code, y));
    const int64_t denominator = UnitDenominator(right.places);
    for (const int64_t numerator : {right.value + int64_t{1}, right.value - int64_t{1}}) {
        if (numerator > 0) {
            slips.push_back(Reduced(numerator, denominator));
        }
    }
    return slips;
}

} // namespace

std::optional<CAnswer> FractionSlip(const CExprValue& question) {
    if (!question.Units().HasFraction() || question.OperandValues().size() != 2) {
        return std::nullopt;
    }
    const CAnswer right = CAnswer::RightFor(question);
    std::set<std::u16string> shown{right.Text()};
    std::vector<CAnswer> slips;
    for (const CAnswer& slip : Slips(question, right)) {
        if (slip.value > 0 && shown.insert(slip.Text()).second) {
            slips.push_back(slip);
        }
    }
    if (slips.empty()) {
        return std::nullopt;
    }
    return slips[static_cast<size_t>(RandomFloor(static_cast<int32_t>(slips.size()), 0))];
}

} // namespace kelvo
