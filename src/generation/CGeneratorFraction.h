#pragma once

#include "generation/CGenerator.h"
#include "generation/CQuestionRules.h"
#include "generation/CandidateTable.h"
#include "generation/FractionShape.h"
#include "number/Fraction.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace kelvo {

// Enumerates a fraction template of two operands: every pair of the values
// its shape allows (fractions in lowest terms over the first operand's and the
// second's denominator ranges, whole numbers from their ranges) whose result
// is admissible: no negative difference, no division by 0, within the
// result's range, of the shape's result, and the two fractions' denominators
// as the rules ask. A fill writes the numerators as the values and the
// denominators as the units of the template's fill. A comparison of the two
// numbers ("3/4 ○ 2/3") takes every pair of different numbers instead.
class CGeneratorFraction : public CGenerator {
public:
    void Init(CExpression& expr) override;
    bool CreateInstance() override;

    // Counts the template's questions by the walk of Init, within the bounds
    // of CCandidateWalk.
    CWalkCount CountQuestions(const CExpression& expr, int64_t maxQuestions,
                              int64_t maxCombinations);

private:
    // The numerators and denominators of both operands and of the result.
    using Table = CCandidateTable<6>;
    using Walk = CCandidateWalk<6>;

    void Bind(const CExpression& expr);
    void WalkSpace(Walk& walk) const;
    std::optional<Table::Candidate> QuestionRow(const CFraction& a, const CFraction& b) const;
    std::optional<Table::Candidate> ComparisonRow(const CFraction& a, const CFraction& b) const;
    bool FitsDenominatorRules(const CFraction& a, const CFraction& b) const;
    bool Admits(const CFraction& a, const CFraction& b, const CFraction& r) const;

    CExpression* m_expression = nullptr;
    std::vector<CFraction> m_firstValues;
    std::vector<CFraction> m_secondValues;
    int32_t m_code = 0;
    bool m_comparesNumbers = false;
    FractionResult m_resultShape = FractionResult::Fraction;
    int64_t m_resultLower = 0;
    int64_t m_resultUpper = 0;
    CQuestionRules m_rules;
    Table m_table;
};

} // namespace kelvo
