#include "NaiveFractionSampler.h"

#include "NaiveSampler.h"
#include "foundation/TextNumber.h"

#include <numeric>
#include <string_view>

namespace kelvo::bench {

namespace {

constexpr std::u16string_view EveryOperator = u"＋－×÷";

// Every value of a range by its steps, from its lower limit up.
std::vector<int32_t> RangeValues(const CValueLimit& limit) {
    const int32_t step = std::max(limit.MultipleOf(), 1);
    std::vector<int32_t> values;
    for (int32_t v = (std::max(limit.LowerLimit(), 0) + step - 1) / step * step;
         v <= limit.UpperLimit(); v += step) {
        values.push_back(v);
    }
    return values;
}

bool IsWhole(int64_t denominator) {
    return denominator == 1;
}

} // namespace

CNaiveFractionSampler::CNaiveFractionSampler(const CQuestionData& kind)
    : m_shape(kind.Fractions()), m_comparesNumbers(kind.Form() == QuestionForm::Compare),
      m_resultLower(kind.ResultLimit()->LowerLimit()),
      m_resultUpper(kind.ResultLimit()->UpperLimit()), m_rules(kind.Rules()) {
    for (size_t i = 0; i < 2; ++i) {
        m_operandValues[i] = RangeValues(*kind.Limits().Item(static_cast<int32_t>(i) + 1));
    }
    const std::u16string& pattern = kind.Operators().Item(1);
    for (const char16_t sign : EveryOperator) {
        if (pattern.find(sign) != std::u16string::npos) {
            m_signs += sign;
        }
    }
}

bool CNaiveFractionSampler::Samples(const CQuestionData& kind) {
    CQuestionRules otherRules = kind.Rules();
    otherRules.isSameDenominator = false;
    otherRules.isDifferentDenominators = false;
    return kind.IsFraction() && kind.Limits().Count() == 2 && otherRules.IsNone() &&
           kind.ParenthesesChoice() == CQuestionData::NoParentheses &&
           (kind.Form() == QuestionForm::Calculate || kind.Form() == QuestionForm::Compare);
}

std::u16string CNaiveFractionSampler::SheetText(int32_t count, int32_t columns) {
    Question question;
    return NaiveSheetText(count, columns, [&](std::u16string& cell) {
        if (!Draw(question)) {
            return false;
        }
        Write(question, cell);
        return true;
    });
}

bool CNaiveFractionSampler::Draw(Question& question) {
    if (m_operandValues[0].empty() || m_operandValues[1].empty()) {
        return false;
    }
    if (m_comparesNumbers) {
        for (int32_t attempt = 0; attempt < NaiveDrawsPerQuestion; ++attempt) {
            if (DrawOperand(0, question.first) && DrawOperand(1, question.second) &&
                AdmitsComparison(question)) {
                return true;
            }
        }
        return false;
    }
    if (m_signs.empty()) {
        return false;
    }
    std::uniform_int_distribution<size_t> signIndex(0, m_signs.size() - 1);
    for (int32_t attempt = 0; attempt < NaiveDrawsPerQuestion; ++attempt) {
        if (!DrawOperand(0, question.first) || !DrawOperand(1, question.second)) {
            continue;
        }
        question.sign = m_signs[signIndex(m_engine)];
        if (Admits(question)) {
            return true;
        }
    }
    return false;
}

// A whole number of the range up to the largest a fraction kind takes, or a
// fraction over a denominator of the range up to the largest it takes, proper
// (below 1) or improper (above 1, below the ceiling), in lowest terms.
bool CNaiveFractionSampler::DrawOperand(size_t index, Rational& value) {
    const std::vector<int32_t>& values = m_operandValues[index];
    std::uniform_int_distribution<size_t> pick(0, values.size() - 1);
    const int32_t drawn = values[pick(m_engine)];
    const FractionOperand shape = m_shape.operands[index];
    if (shape == FractionOperand::Whole) {
        value = {drawn, 1};
        return drawn <= LargestWholeFractionOperand;
    }
    if (drawn < 2 || drawn > LargestOperandDenominator) {
        return false;
    }
    const bool proper = shape == FractionOperand::Proper;
    std::uniform_int_distribution<int32_t> numerator(
        proper ? 1 : drawn + 1, proper ? drawn - 1 : ImproperValueCeiling * drawn - 1);
    value = {numerator(m_engine), drawn};
    return std::gcd(value.numerator, value.denominator) == 1;
}

bool CNaiveFractionSampler::Admits(Question& question) const {
    const auto [an, ad] = question.first;
    const auto [bn, bd] = question.second;
    int64_t n = 0;
    int64_t d = ad * bd;
    switch (question.sign) {
    case u'＋':
        n = an * bd + bn * ad;
        break;
    case u'－':
        n = an * bd - bn * ad;
        break;
    case u'×':
        n = an * bn;
        break;
    default:
        n = an * bd;
        d = ad * bn;
    }
    if (n < 0 || d == 0) {
        return false;
    }
    const int64_t common = std::gcd(n, d);
    question.result = {n / common, d / common};
    const auto [rn, rd] = question.result;
    if ((IsWhole(ad) && IsWhole(bd) && IsWhole(rd)) || !FitsDenominatorRules(question)) {
        return false;
    }
    if (m_shape.result == FractionResult::Whole && !IsWhole(rd)) {
        return false;
    }
    return rd <= MaxDenominator && m_resultLower * rd <= rn && rn <= m_resultUpper * rd;
}

// Two different numbers, not both whole, whatever the result's range.
bool CNaiveFractionSampler::AdmitsComparison(const Question& question) const {
    const auto [an, ad] = question.first;
    const auto [bn, bd] = question.second;
    return (an != bn || ad != bd) && !(IsWhole(ad) && IsWhole(bd)) &&
           FitsDenominatorRules(question);
}

bool CNaiveFractionSampler::FitsDenominatorRules(const Question& question) const {
    const int64_t ad = question.first.denominator;
    const int64_t bd = question.second.denominator;
    if (IsWhole(ad) || IsWhole(bd)) {
        return true;
    }
    const bool same = ad == bd;
    return !(m_rules.isSameDenominator && !same) && !(m_rules.isDifferentDenominators && same);
}

void CNaiveFractionSampler::Write(const Question& question, std::u16string& cell) const {
    const auto append = [&](const Rational& value, int32_t unit) {
        const auto d = static_cast<int32_t>(value.denominator);
        AppendScaledText(cell, static_cast<int32_t>(value.numerator), IsWhole(d) ? 0 : unit);
    };
    const auto fractionUnit = [](const Rational& value) {
        return FractionUnit(static_cast<int32_t>(value.denominator));
    };
    append(question.first, fractionUnit(question.first));
    if (m_comparesNumbers) {
        const auto [an, ad] = question.first;
        const auto [bn, bd] = question.second;
        cell += u' ';
        cell += SignBetween(an * bd, bn * ad);
        cell += u' ';
        append(question.second, fractionUnit(question.second));
        return;
    }
    cell += question.sign;
    append(question.second, fractionUnit(question.second));
    cell += u'=';
    const int32_t d = static_cast<int32_t>(question.result.denominator);
    append(question.result,
           m_shape.result == FractionResult::Mixed ? MixedFractionUnit(d) : FractionUnit(d));
}

} // namespace kelvo::bench
