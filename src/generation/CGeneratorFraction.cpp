#include "generation/CGeneratorFraction.h"

#include "foundation/TextNumber.h"
#include "generation/CExpression.h"

#include <numeric>
#include <optional>

namespace kelvo {

namespace {

// The values an operand of the shape may take: whole numbers of its range, or
// fractions in lowest terms over the denominators of its range.
std::vector<CFraction> OperandValues(const COperand& operand, FractionOperand shape) {
    const CValueProgression range(operand);
    std::vector<CFraction> values;
    for (int32_t i = 0; i < range.Count(); ++i) {
        const int32_t v = range.Value(i);
        if (shape == FractionOperand::Whole) {
            if (v <= LargestWholeFractionOperand) {
                values.emplace_back(v, 1);
            }
            continue;
        }
        if (v < 2 || v > LargestOperandDenominator) {
            continue;
        }
        const bool proper = shape == FractionOperand::Proper;
        const int32_t first = proper ? 1 : v + 1;
        const int32_t last = proper ? v - 1 : ImproperValueCeiling * v - 1;
        for (int32_t n = first; n <= last; ++n) {
            if (std::gcd(n, v) == 1) {
                values.emplace_back(n, v);
            }
        }
    }
    return values;
}

int32_t ResultUnit(const CFraction& r, FractionResult shape) {
    if (r.IsWhole()) {
        return 0;
    }
    const auto d = static_cast<int32_t>(r.Denominator());
    return shape == FractionResult::Mixed ? MixedFractionUnit(d) : FractionUnit(d);
}

// Values of at most LargestWholeFractionOperand and denominators of at most
// MaxDenominator fit.
int32_t Narrow(int64_t value) {
    return static_cast<int32_t>(value);
}

int32_t OperandUnit(const CFraction& v) {
    return v.IsWhole() ? 0 : FractionUnit(static_cast<int32_t>(v.Denominator()));
}

} // namespace

void CGeneratorFraction::Init(CExpression& expr) {
    Bind(expr);
    m_expression = &expr;
    m_table = Table();
    Walk walk(m_table);
    WalkSpace(walk);
}

CWalkCount CGeneratorFraction::CountQuestions(const CExpression& expr, int64_t maxQuestions,
                                              int64_t maxCombinations) {
    Bind(expr);
    Walk walk(maxQuestions, maxCombinations);
    WalkSpace(walk);
    return walk.Count();
}

bool CGeneratorFraction::CreateInstance() {
    const Table::Candidate* candidate = m_table.Draw();
    if (candidate == nullptr) {
        return false;
    }
    const auto& [n1, d1, n2, d2, rn, rd] = *candidate;
    const OperandList& operands = m_expression->Operands();
    operands[0]->SetResultValue(n1);
    operands[1]->SetResultValue(n2);
    m_expression->ResultOperand()->SetResultValue(rn);
    CDecimalUnits units;
    units.operands[0] = static_cast<int16_t>(OperandUnit(CFraction(n1, d1)));
    units.operands[1] = static_cast<int16_t>(OperandUnit(CFraction(n2, d2)));
    // A comparison counts both numbers over their common denominator.
    units.result = static_cast<int16_t>(
        m_comparesNumbers ? FractionUnit(rd) : ResultUnit(CFraction(rn, rd), m_resultShape));
    m_expression->SetFilledUnits(units);
    return true;
}

void CGeneratorFraction::Bind(const CExpression& expr) {
    const CFractionShape& shape = expr.Fractions();
    m_firstValues = OperandValues(*expr.Operands().at(0), shape.operands[0]);
    m_secondValues = OperandValues(*expr.Operands().at(1), shape.operands[1]);
    m_code = expr.Operands()[1]->LeftOperator();
    m_comparesNumbers = expr.Form() == QuestionForm::CompareNumbers;
    m_resultShape = shape.result;
    m_resultLower = expr.ResultOperand()->LowerLimit();
    m_resultUpper = expr.ResultOperand()->UpperLimit();
    m_rules = expr.Rules();
}

void CGeneratorFraction::WalkSpace(Walk& walk) const {
    const auto runLength = static_cast<int32_t>(m_secondValues.size());
    for (const CFraction& a : m_firstValues) {
        if (!walk.BeginRun(runLength)) {
            return;
        }
        for (const CFraction& b : m_secondValues) {
            const std::optional<Table::Candidate> row =
                m_comparesNumbers ? ComparisonRow(a, b) : QuestionRow(a, b);
            if (row && !walk.Admit(*row)) {
                return;
            }
        }
    }
    walk.Complete();
}

std::optional<CGeneratorFraction::Table::Candidate>
CGeneratorFraction::QuestionRow(const CFraction& a, const CFraction& b) const {
    const std::optional<CFraction> r = Calculate(a, m_code, b);
    if (!r || !Admits(a, b, *r)) {
        return std::nullopt;
    }
    return Table::Candidate{Narrow(a.Numerator()),  Narrow(a.Denominator()),
                            Narrow(b.Numerator()),  Narrow(b.Denominator()),
                            Narrow(r->Numerator()), Narrow(r->Denominator())};
}

// Two different numbers, a fraction among them, the first counted over
// their common denominator in place of a result; the same number twice asks
// nothing.
std::optional<CGeneratorFraction::Table::Candidate>
CGeneratorFraction::ComparisonRow(const CFraction& a, const CFraction& b) const {
    if (a == b || (a.IsWhole() && b.IsWhole()) || !FitsDenominatorRules(a, b)) {
        return std::nullopt;
    }
    const int64_t common = std::lcm(a.Denominator(), b.Denominator());
    return Table::Candidate{Narrow(a.Numerator()),
                            Narrow(a.Denominator()),
                            Narrow(b.Numerator()),
                            Narrow(b.Denominator()),
                            Narrow(a.Numerator() * (common / a.Denominator())),
                            Narrow(common)};
}

bool CGeneratorFraction::FitsDenominatorRules(const CFraction& a, const CFraction& b) const {
    if (a.IsWhole() || b.IsWhole()) {
        return true;
    }
    const bool same = a.Denominator() == b.Denominator();
    return !(m_rules.isSameDenominator && !same) && !(m_rules.isDifferentDenominators && same);
}

// A question of a fraction kind holds a fraction; two fractions'
// denominators are as the rules ask; the result is of the kind's shape and
// within its range.
bool CGeneratorFraction::Admits(const CFraction& a, const CFraction& b, const CFraction& r) const {
    if ((a.IsWhole() && b.IsWhole() && r.IsWhole()) || !FitsDenominatorRules(a, b)) {
        return false;
    }
    if (m_resultShape == FractionResult::Whole && !r.IsWhole()) {
        return false;
    }
    return r.Denominator() <= MaxDenominator && m_resultLower * r.Denominator() <= r.Numerator() &&
           r.Numerator() <= m_resultUpper * r.Denominator();
}

} // namespace kelvo
