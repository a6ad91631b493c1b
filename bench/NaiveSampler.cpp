#include "NaiveSampler.h"

#include "foundation/TextNumber.h"

#include <algorithm>
#include <charconv>
#include <numeric>

namespace kelvo::bench {

namespace {

constexpr int32_t Ceiling = 10000;
constexpr std::u16string_view EveryOperator = u"＋－×÷";

int32_t StepsUp(int32_t value, int32_t step) {
    return (value + step - 1) / step * step;
}

std::u16string OperatorsOf(const std::u16string& pattern) {
    std::u16string allowed;
    for (const char16_t sign : EveryOperator) {
        if (pattern.find(sign) != std::u16string::npos) {
            allowed += sign;
        }
    }
    return allowed;
}

void AppendWhole(std::u16string& text, int32_t value) {
    char digits[12];
    char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.append(digits + 0, end);
}

// A decimal value is written in its places: 35 tenths as "3.5".
void AppendValue(std::u16string& text, int32_t value, int32_t exponent) {
    if (exponent == 0) {
        AppendWhole(text, value);
    } else {
        AppendScaledText(text, value, exponent);
    }
}

} // namespace

std::u16string_view SignBetween(int64_t left, int64_t right) {
    if (left > right) {
        return u"＞";
    }
    return left < right ? u"＜" : u"＝";
}

CNaiveSampler::CNaiveSampler(const CQuestionData& kind)
    : m_cbr(kind.Cbr()), m_form(kind.Form()), m_units(kind.DecimalPlaces()) {
    const auto steps = [](const CValueLimit& limit) {
        const int32_t step = std::max(limit.MultipleOf(), 1);
        const int32_t first = StepsUp(std::max(limit.LowerLimit(), 0), step);
        return Steps{first, std::min(limit.UpperLimit(), Ceiling) / step * step, step};
    };
    for (int32_t i = 1; i <= kind.Limits().Count(); ++i) {
        m_operands.push_back(steps(*kind.Limits().Item(i)));
    }
    for (int32_t i = 1; i <= kind.Operators().Count(); ++i) {
        m_gaps.push_back(OperatorsOf(kind.Operators().Item(i)));
    }
    m_result = steps(*kind.ResultLimit());
}

bool CNaiveSampler::Samples(const CQuestionData& kind) {
    return kind.ParenthesesChoice() == CQuestionData::NoParentheses && kind.Rules().IsNone() &&
           !kind.IsFraction() && kind.Form() != QuestionForm::CompareQuestions;
}

std::u16string CNaiveSampler::SheetText(int32_t count, int32_t columns) {
    Question question;
    return NaiveSheetText(count, columns, [&](std::u16string& cell) {
        if (!Draw(question)) {
            return false;
        }
        Write(question, cell);
        return true;
    });
}

bool CNaiveSampler::Draw(Question& question) {
    question.values.resize(m_operands.size());
    question.operators.resize(m_gaps.size());
    for (int32_t attempt = 0; attempt < NaiveDrawsPerQuestion; ++attempt) {
        for (size_t i = 0; i < m_operands.size(); ++i) {
            const Steps& range = m_operands[i];
            std::uniform_int_distribution<int32_t> index(0,
                                                         (range.last - range.first) / range.step);
            question.values[i] = range.first + index(m_engine) * range.step;
        }
        for (size_t i = 0; i < m_gaps.size(); ++i) {
            std::uniform_int_distribution<size_t> index(0, m_gaps[i].size() - 1);
            question.operators[i] = m_gaps[i][index(m_engine)];
        }
        if (Admits(question) && AdmitsForm(question)) {
            return true;
        }
    }
    return false;
}

bool CNaiveSampler::Admits(Question& question) const {
    if (m_operands.empty() || m_operands.front().first > m_operands.front().last ||
        !HasItsPlaces(question)) {
        return false;
    }
    const std::optional<Value> value = Evaluate(question.values, question.operators, m_cbr == 5);
    if (!value) {
        return false;
    }
    question.value = *value;
    const int32_t result = value->result;
    return m_result.first <= result && result <= m_result.last && result % m_result.step == 0 &&
           AdmitsCarry(question);
}

std::optional<CNaiveSampler::Value> CNaiveSampler::Evaluate(std::span<const int32_t> values,
                                                            std::u16string_view operators,
                                                            bool remainders) const {
    std::vector<int32_t> terms{values[0]};
    std::u16string additions;
    Value value;
    for (size_t i = 0; i < operators.size(); ++i) {
        const char16_t sign = operators[i];
        const int32_t operand = values[i + 1];
        int32_t& term = terms.back();
        if (sign == u'×') {
            if (static_cast<int64_t>(term) * operand > Ceiling) {
                return std::nullopt;
            }
            term *= operand;
        } else if (sign == u'÷') {
            if (operand == 0) {
                return std::nullopt;
            }
            if (term % operand != 0) {
                if (!remainders || operators.size() != 1) {
                    return std::nullopt;
                }
                value.remainder = term % operand;
            } else if (remainders) {
                return std::nullopt;
            }
            term /= operand;
        } else {
            additions += sign;
            terms.push_back(operand);
        }
    }
    int32_t sum = terms[0];
    for (size_t i = 0; i < additions.size(); ++i) {
        sum += additions[i] == u'＋' ? terms[i + 1] : -terms[i + 1];
        if (sum < 0 || sum > Ceiling) {
            return std::nullopt;
        }
    }
    value.result = sum;
    return value;
}

// A decimal operand's last place is not 0: 2.50 is no two-place decimal.
bool CNaiveSampler::HasItsPlaces(const Question& question) const {
    for (size_t k = 0; k < question.values.size(); ++k) {
        if (m_units.Operand(k) > 0 && question.values[k] % 10 == 0) {
            return false;
        }
    }
    return true;
}

bool CNaiveSampler::AdmitsCarry(const Question& question) const {
    if (m_cbr < 1 || m_cbr > 4 || question.values.size() != 2) {
        return true;
    }
    const int32_t left = question.values[0] % 10;
    const int32_t right = question.values[1] % 10;
    switch (m_cbr) {
    case 1:
        return question.operators[0] != u'＋' || left + right >= 10;
    case 2:
        return question.operators[0] != u'＋' || left + right < 10;
    case 3:
        return question.operators[0] != u'－' || left < right;
    default:
        return question.operators[0] != u'－' || left >= right;
    }
}

// A comparison draws its number at most a tenth of the value (at least 2)
// away; operators to fill in must be the only ones that give the result; an
// estimate must round.
bool CNaiveSampler::AdmitsForm(Question& question) {
    switch (m_form) {
    case QuestionForm::Compare: {
        const int32_t reach = std::max(2, question.value.result / 10);
        std::uniform_int_distribution<int32_t> distance(-reach, reach);
        question.comparand = std::max(0, question.value.result + distance(m_engine));
        return true;
    }
    case QuestionForm::FillOperator:
        return HasUniqueOperators(question);
    case QuestionForm::EstimateTens:
    case QuestionForm::EstimateHundreds:
        return Round(question);
    default:
        return true;
    }
}

bool CNaiveSampler::HasUniqueOperators(const Question& question) const {
    std::u16string tried(question.operators.size(), u'＋');
    int32_t combinations = 1;
    for (size_t k = 0; k < tried.size(); ++k) {
        combinations *= static_cast<int32_t>(EveryOperator.size());
    }
    int32_t matches = 0;
    for (int32_t combination = 0; combination < combinations; ++combination) {
        int32_t digits = combination;
        for (char16_t& sign : tried) {
            sign = EveryOperator[static_cast<size_t>(digits % 4)];
            digits /= 4;
        }
        const std::optional<Value> value = Evaluate(question.values, tried, false);
        if (value && value->result == question.value.result && ++matches > 1) {
            return false;
        }
    }
    return matches == 1;
}

// Operands of at least the unit round to its nearest multiple, a dividend to
// one its rounded divisor divides; each must change and not become 0.
bool CNaiveSampler::Round(Question& question) const {
    const int32_t unit = m_form == QuestionForm::EstimateTens ? 10 : 100;
    question.estimates = question.values;
    bool rounded = false;
    for (size_t k = question.values.size(); k-- > 0;) {
        const bool isDividend = k < question.operators.size() && question.operators[k] == u'÷';
        if (isDividend && question.estimates[k + 1] == 0) {
            return false;
        }
        const int32_t value = question.values[k];
        if (value < unit) {
            continue;
        }
        const int32_t step = isDividend ? std::lcm(unit, question.estimates[k + 1]) : unit;
        const int32_t estimate = (value + step / 2) / step * step;
        if (estimate == value || estimate == 0) {
            return false;
        }
        question.estimates[k] = estimate;
        rounded = true;
    }
    const std::optional<Value> value = Evaluate(question.estimates, question.operators, false);
    question.estimate = value ? value->result : 0;
    return rounded && value;
}

void CNaiveSampler::Write(const Question& question, std::u16string& cell) const {
    switch (m_form) {
    case QuestionForm::Compare:
        WriteOperands(question.values, question.operators, u"", cell);
        cell += u' ';
        cell += SignBetween(question.value.result, question.comparand);
        cell += u' ';
        AppendValue(cell, question.comparand, m_units.result);
        return;
    case QuestionForm::FillOperator:
        WriteOperands(question.values, question.operators, u" ", cell);
        cell += u" = ";
        AppendValue(cell, question.value.result, m_units.result);
        return;
    case QuestionForm::EstimateTens:
    case QuestionForm::EstimateHundreds:
        WriteOperands(question.values, question.operators, u"", cell);
        cell += u'≈';
        WriteOperands(question.estimates, question.operators, u"", cell);
        cell += u'=';
        AppendValue(cell, question.estimate, 0);
        return;
    default:
        WriteOperands(question.values, question.operators, u"", cell);
        cell += u'=';
        AppendValue(cell, question.value.result, m_units.result);
        if (question.value.remainder > 0) {
            cell += u"……";
            AppendValue(cell, question.value.remainder, 0);
        }
    }
}

void CNaiveSampler::WriteOperands(std::span<const int32_t> values, std::u16string_view operators,
                                  std::u16string_view spacing, std::u16string& cell) const {
    AppendValue(cell, values[0], m_units.Operand(0));
    for (size_t i = 0; i < operators.size(); ++i) {
        cell += spacing;
        cell += operators[i];
        cell += spacing;
        AppendValue(cell, values[i + 1], m_units.Operand(i + 1));
    }
}

} // namespace kelvo::bench
