#include "NaiveSampler.h"

#include <algorithm>
#include <charconv>

namespace kelvo::bench {

namespace {

constexpr int32_t Ceiling = 10000;
constexpr int32_t DrawsPerQuestion = 100000;
constexpr int32_t CellWidth = 24;
constexpr int32_t ColumnSpacing = 6;

int32_t StepsUp(int32_t value, int32_t step) {
    return (value + step - 1) / step * step;
}

std::u16string OperatorsOf(const std::u16string& pattern) {
    std::u16string allowed;
    for (const char16_t sign : std::u16string_view(u"＋－×÷")) {
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

} // namespace

CNaiveSampler::CNaiveSampler(const CQuestionData& kind) : m_cbr(kind.Cbr()) {
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
    return kind.ParenthesesChoice() == CQuestionData::NoParentheses && kind.Rules().IsNone();
}

std::u16string CNaiveSampler::SheetText(int32_t count, int32_t columns) {
    std::u16string text;
    std::u16string cell;
    Question question;
    for (int32_t k = 0; k < count; ++k) {
        if (!Draw(question)) {
            continue;
        }
        cell.clear();
        Write(question, cell);
        cell.resize(CellWidth, u' ');
        text += cell;
        text.append(k % columns == columns - 1 ? 1 : ColumnSpacing,
                    k % columns == columns - 1 ? u'\n' : u' ');
    }
    return text;
}

bool CNaiveSampler::Draw(Question& question) {
    question.values.resize(m_operands.size());
    question.operators.resize(m_gaps.size());
    for (int32_t attempt = 0; attempt < DrawsPerQuestion; ++attempt) {
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
        if (Admits(question)) {
            return true;
        }
    }
    return false;
}

// × and ÷ first, then ＋ and － from the left, every step checked.
bool CNaiveSampler::Admits(Question& question) const {
    if (m_operands.empty() || m_operands.front().first > m_operands.front().last) {
        return false;
    }
    std::vector<int32_t> terms{question.values[0]};
    std::u16string additions;
    question.remainder = 0;
    for (size_t i = 0; i < question.operators.size(); ++i) {
        const char16_t sign = question.operators[i];
        const int32_t value = question.values[i + 1];
        int32_t& term = terms.back();
        if (sign == u'×') {
            if (static_cast<int64_t>(term) * value > Ceiling) {
                return false;
            }
            term *= value;
        } else if (sign == u'÷') {
            if (value == 0) {
                return false;
            }
            if (term % value != 0) {
                if (m_cbr != 5 || question.operators.size() != 1) {
                    return false;
                }
                question.remainder = term % value;
            } else if (m_cbr == 5) {
                return false;
            }
            term /= value;
        } else {
            additions += sign;
            terms.push_back(value);
        }
    }
    int32_t sum = terms[0];
    for (size_t i = 0; i < additions.size(); ++i) {
        sum += additions[i] == u'＋' ? terms[i + 1] : -terms[i + 1];
        if (sum < 0 || sum > Ceiling) {
            return false;
        }
    }
    question.result = sum;
    return m_result.first <= sum && sum <= m_result.last && sum % m_result.step == 0 &&
           AdmitsCarry(question);
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

void CNaiveSampler::Write(const Question& question, std::u16string& cell) const {
    AppendWhole(cell, question.values[0]);
    for (size_t i = 0; i < question.operators.size(); ++i) {
        cell += question.operators[i];
        AppendWhole(cell, question.values[i + 1]);
    }
    cell += u'=';
    AppendWhole(cell, question.result);
    if (question.remainder > 0) {
        cell += u"……";
        AppendWhole(cell, question.remainder);
    }
}

} // namespace kelvo::bench
