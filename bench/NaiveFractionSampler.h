// The naive sampler of a fraction kind: it draws each operand as its shape
// says (a whole number from its range, or a denominator from its range and a
// numerator that makes the fraction proper or improper), keeps the fraction
// only in lowest terms, and keeps the question when it is one a pupil may be
// given (a fraction among its numbers, no negative difference, no division by
// 0, the denominators as the rules ask, the result of its shape and in its
// range; for a comparison, two different numbers). It writes the sheet's text
// with the answers as Kelvo writes them.
#pragma once

#include "generation/CQuestionRules.h"
#include "generation/FractionShape.h"
#include "question/CQuestionData.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kelvo::bench {

class CNaiveFractionSampler {
public:
    explicit CNaiveFractionSampler(const CQuestionData& kind);

    // Kinds of two operands with a fraction among their numbers, to
    // calculate or to compare.
    static bool Samples(const CQuestionData& kind);

    // As CNaiveSampler::SheetText.
    std::u16string SheetText(int32_t count, int32_t columns);

private:
    struct Rational {
        int64_t numerator = 0;
        int64_t denominator = 1;
    };
    struct Question {
        Rational first;
        Rational second;
        char16_t sign = u'＋';
        Rational result;
    };

    bool Draw(Question& question);
    bool DrawOperand(size_t index, Rational& value);
    bool Admits(Question& question) const;
    bool AdmitsComparison(const Question& question) const;
    bool FitsDenominatorRules(const Question& question) const;
    void Write(const Question& question, std::u16string& cell) const;

    std::vector<int32_t> m_operandValues[2];
    CFractionShape m_shape;
    std::u16string m_signs;
    bool m_comparesNumbers;
    int64_t m_resultLower;
    int64_t m_resultUpper;
    CQuestionRules m_rules;
    std::mt19937 m_engine{20261209};
};

} // namespace kelvo::bench
