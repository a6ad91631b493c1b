#include "listening/ChineseReading.h"

#include "foundation/RuntimeError.h"
#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"

namespace kelvo {

namespace {

constexpr int32_t TenThousand = 10000;

std::u16string_view SpokenOperator(int32_t code) {
    switch (code) {
    case Op::Plus:
        return u"加";
    case Op::Minus:
        return u"减";
    case Op::Times:
        return u"乘";
    case Op::Divide:
        return u"除以";
    default:
        return {};
    }
}

// Every 2 as 二, as in ordinals: 二百, 第二十二.
std::u16string Numeral(int32_t value) {
    if (value == 0) {
        return u"零";
    }
    if (value < TenThousand) {
        return ChineseNumeral(value);
    }
    std::u16string text = Numeral(value / TenThousand) + u"万";
    const int32_t rest = value % TenThousand;
    if (rest == 0) {
        return text;
    }
    if (rest < 1000) {
        // 一万零一十: inside a number ten keeps its 一.
        text += rest >= 10 && rest < 20 ? u"零一" : u"零";
    }
    return text + ChineseNumeral(rest);
}

// The operands with the words between them (`gap` says the word for an
// operator's code) and 左括号 / 右括号 around a group, said as a teacher
// dictates them: the pupil must hear where they stand. The operand blank (from
// 1) is 几.
template <class Gap>
std::u16string SpokenOperands(const CExprValue& question, int32_t blank, Gap&& gap) {
    std::u16string text;
    const auto operands = question.OperandValues();
    for (size_t k = 0; k < operands.size(); ++k) {
        const auto& [code, value] = operands[k];
        if (k > 0) {
            text += gap(code);
        }
        if (question.Grouping().Opens(k)) {
            text += u"左括号";
        }
        text += static_cast<int32_t>(k + 1) == blank
                    ? u"几"
                    : SpokenValue(value, question.Units().Operand(k));
        if (question.Grouping().Closes(k)) {
            text += u"右括号";
        }
    }
    return text;
}

// 五分之三: the denominator first, as a fraction is said.
std::u16string SpokenFraction(int32_t numerator, int32_t denominator) {
    return SpokenNumber(denominator) + u"分之" + SpokenNumber(numerator);
}

// Between the numbers of an operator question: "八和五", "六、三、二".
auto OperatorGap(const CExprValue& question) {
    const bool isPair = question.OperandValues().size() == 2;
    return [isPair](int32_t) { return isPair ? std::u16string_view(u"和") : u"、"; };
}

} // namespace

std::u16string SpokenNumber(int32_t value) {
    std::u16string text = Numeral(value);
    if (text.size() > 1 && text[0] == u'二' && text[1] != u'十') {
        text[0] = u'两';
    }
    return text;
}

std::u16string SpokenDecimal(int32_t value, int32_t exponent) {
    static constexpr std::u16string_view kDigits = u"零一二三四五六七八九";
    int32_t unit = 1;
    for (; exponent < 0; ++exponent) {
        value = CheckedMultiply(value, 10);
    }
    for (int32_t k = 0; k < exponent; ++k) {
        unit = CheckedMultiply(unit, 10);
    }
    std::u16string text = SpokenNumber(value / unit);
    // The places as written, without trailing zeros.
    std::u16string written;
    AppendScaledText(written, value, exponent);
    if (const size_t point = written.find(u'.'); point != std::u16string::npos) {
        text += u'点';
        for (const char16_t digit : written.substr(point + 1)) {
            text += kDigits[static_cast<size_t>(digit - u'0')];
        }
    }
    return text;
}

std::u16string SpokenValue(int32_t value, int32_t unit) {
    if (!IsFractionUnit(unit)) {
        return SpokenDecimal(value, unit);
    }
    const int32_t denominator = UnitDenominator(unit);
    if (unit < MixedFractionUnitBase || value < denominator) {
        return SpokenFraction(value, denominator);
    }
    std::u16string text = SpokenNumber(value / denominator);
    if (value % denominator != 0) {
        text += u"又" + SpokenFraction(value % denominator, denominator);
    }
    return text;
}

std::u16string SpokenQuestion(const CExprValue& question, int32_t blank) {
    switch (question.Form()) {
    case QuestionForm::Calculate:
        break;
    case QuestionForm::Compare:
    case QuestionForm::CompareQuestions:
        return SpokenOperands(question, 0, SpokenOperator) + u"与" +
               (question.ComparedQuestion()
                    ? SpokenOperands(*question.ComparedQuestion(), 0, SpokenOperator)
                    : SpokenValue(question.Comparand(), question.Units().result)) +
               u"比较大小";
    case QuestionForm::CompareNumbers:
        return SpokenValue(question.OperandValues()[0][1], question.Units().Operand(0)) + u"与" +
               SpokenValue(question.OperandValues()[1][1], question.Units().Operand(1)) +
               u"比较大小";
    case QuestionForm::FillOperator:
        return SpokenOperands(question, 0, OperatorGap(question)) + u"之间填什么运算符号，得" +
               SpokenValue(question.ResultValue(), question.Units().result);
    case QuestionForm::EstimateTens:
    case QuestionForm::EstimateHundreds:
        return u"估一估，" + SpokenOperands(question, 0, SpokenOperator) + u"大约等于几";
    }
    std::u16string text = SpokenOperands(question, blank, SpokenOperator);
    text += u"等于";
    if (blank > 0) {
        text += SpokenValue(question.ResultValue(), question.Units().result);
        if (question.HasRemainder()) {
            text += u"余" + SpokenNumber(question.RemainderValue());
        }
    } else if (question.HasRemainder()) {
        // The pupil writes both numbers, so the teacher asks for both.
        text += u"几余几";
    }
    return text;
}

std::u16string SpokenItem(int32_t number, const std::u16string& question) {
    return u"第" + Numeral(number) + u"题，" + question;
}

} // namespace kelvo
