#include "output/CColumnCellMaker.h"

#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"
#include "output/CColumnExtent.h"
#include "output/FixedWidthMeasure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace kelvo {
namespace {

struct Question {
    std::vector<std::pair<int32_t, int32_t>> operands;
    int32_t result;
    CDecimalUnits units = {};
};

QuestionList Questions(const std::vector<Question>& wanted) {
    QuestionList questions;
    for (const Question& question : wanted) {
        OperandList operands;
        for (const auto& [code, value] : question.operands) {
            auto operand = std::make_shared<COperand>();
            operand->SetLeftOperator(code);
            operand->SetResultValue(value);
            operands.push_back(operand);
        }
        auto result = std::make_shared<COperand>();
        result->SetResultValue(question.result);
        CExpression expression;
        expression.Init(std::move(operands), result);
        auto value = expression.GetExprValue();
        value->SetUnits(question.units);
        questions.Add(std::move(value));
    }
    return questions;
}

Question Two(int32_t upper, int32_t code, int32_t lower, int32_t result) {
    return {{{Op::None, upper}, {code, lower}}, result};
}

// At 10 pt: a digit 5 pt, a place 7.5 pt, "×" 10 pt and its slot 13.75 pt, a
// row 15 pt, the room of a rule 6 pt.
constexpr double PointSize = 10;
constexpr double Pitch = 7.5;
constexpr double RowHeight = 15;
constexpr double RuleRoom = 6;

// The pieces of a cell by row, top down; a row's text read left to right,
// an empty box as "_".
struct CellRow {
    double top = 0;
    double bottom = 0;
    std::u16string text;
    std::vector<const CCellPiece*> pieces;
};

std::vector<CellRow> Rows(const CCell& cell) {
    std::map<long, CellRow> rows;
    for (const CCellPiece& piece : cell.pieces) {
        if (piece.kind == CCellPiece::Kind::Rule) {
            continue;
        }
        CellRow& row = rows[std::lround(2 * (piece.y + piece.height / 2))];
        row.top = piece.y;
        row.bottom = piece.y + piece.height;
        row.pieces.push_back(&piece);
    }
    std::vector<CellRow> result;
    for (auto& [centre, row] : rows) {
        std::sort(row.pieces.begin(), row.pieces.end(),
                  [](const CCellPiece* a, const CCellPiece* b) { return a->x < b->x; });
        for (const CCellPiece* piece : row.pieces) {
            row.text += piece->text.empty() ? u"_" : piece->text;
        }
        result.push_back(std::move(row));
    }
    return result;
}

std::vector<const CCellPiece*> Rules(const CCell& cell) {
    std::vector<const CCellPiece*> rules;
    for (const CCellPiece& piece : cell.pieces) {
        if (piece.kind == CCellPiece::Kind::Rule) {
            rules.push_back(&piece);
        }
    }
    return rules;
}

double Centre(const CCellPiece& piece) {
    return piece.x + piece.width / 2;
}

// Digit i from the right of a number ending at right stands centred in its place.
void ExpectPlaced(const std::vector<const CCellPiece*>& digits, double right) {
    for (size_t i = 0; i < digits.size(); ++i) {
        const CCellPiece& digit = *digits[digits.size() - 1 - i];
        EXPECT_DOUBLE_EQ(Centre(digit), right - (static_cast<double>(i) + 0.5) * Pitch)
            << static_cast<char>(digit.text.front());
    }
}

TEST(CColumnCellMakerTest, EveryCellIsAsLargeAsTheSheetsLargestQuestion) {
    struct Case {
        std::vector<Question> questions;
        CColumnExtent extent;
        double width;
        double height;
    };
    const Case cases[] = {
        // Slot and 2 places; rows, rule, answer.
        {{Two(12, Op::Plus, 5, 17)}, {2, 0, 0, 0, 0}, 28.75, 51},
        {{Two(12, Op::Plus, 5, 17), Two(99, Op::Plus, 99, 198)}, {3, 0, 0, 0, 0}, 36.25, 51},
        {{Two(100, Op::Minus, 1, 99)}, {3, 0, 0, 0, 0}, 36.25, 51},
        {{Two(47, Op::Times, 3, 141)}, {3, 0, 0, 0, 0}, 36.25, 51},
        // Two lines of partial products and a second rule.
        {{Two(47, Op::Times, 23, 1081), Two(47, Op::Times, 3, 141)}, {4, 2, 0, 0, 0}, 43.75, 87},
        // Divisor, bracket and dividend places; the 商, the dividend, 2 × 2 working lines.
        {{Two(126, Op::Divide, 6, 21)}, {0, 0, 1, 3, 2}, 37.5, 96},
        {{Two(900, Op::Divide, 3, 300), Two(12, Op::Plus, 5, 17)}, {2, 0, 1, 3, 3}, 37.5, 126},
        {{Two(1000, Op::Divide, 25, 40)}, {0, 0, 2, 4, 2}, 52.5, 96},
        // Three operands stay on one line and take no room here.
        {{{{{Op::None, 100}, {Op::Plus, 200}, {Op::Plus, 300}}, 600}, Two(12, Op::Plus, 5, 17)},
         {2, 0, 0, 0, 0},
         28.75,
         51},
    };
    const CFixedWidthMeasure measure;
    for (const Case& c : cases) {
        const QuestionList questions = Questions(c.questions);
        const CColumnExtent extent = CColumnExtent::Of(questions);
        EXPECT_EQ(extent, c.extent) << c.width;
        const CColumnCellMaker maker(measure, extent, {}, false, 0, PointSize);
        EXPECT_DOUBLE_EQ(maker.CellWidth(), c.width);
        EXPECT_DOUBLE_EQ(maker.CellHeight(), c.height);
        for (int32_t index = 1; index <= questions.Count(); ++index) {
            const CCell cell = maker.Make(*questions.Item(index), 0);
            if (!CColumnExtent::IsColumnQuestion(*questions.Item(index))) {
                EXPECT_DOUBLE_EQ(cell.height, measure.LineHeight(PointSize));
                continue;
            }
            EXPECT_DOUBLE_EQ(cell.width, c.width);
            EXPECT_DOUBLE_EQ(cell.height, c.height);
            for (const CCellPiece& piece : cell.pieces) {
                EXPECT_GE(piece.x, -1e-9);
                EXPECT_LE(piece.x + piece.width, cell.width + 1e-9);
                EXPECT_LE(piece.y + piece.height, cell.height + 1e-9);
            }
        }
    }
}

TEST(CColumnCellMakerTest, DigitsStandUnitsUnderUnitsWithTheOperatorLeftAndTheRuleBelow) {
    struct Case {
        std::vector<Question> sheet;
        bool fill;
        std::vector<std::u16string> rows;
        // Rows of room between the first rule and the answer.
        int32_t partialLines;
    };
    const Case cases[] = {
        {{Two(12, Op::Plus, 5, 17)}, false, {u"12", u"＋5", u"17"}, 0},
        {{Two(12, Op::Plus, 5, 17), Two(99, Op::Plus, 99, 198)}, true, {u"12", u"＋5", u"_17"}, 0},
        {{Two(100, Op::Minus, 1, 99)}, true, {u"100", u"－1", u"_99"}, 0},
        {{Two(47, Op::Times, 3, 141)}, false, {u"47", u"×3", u"141"}, 0},
        {{Two(47, Op::Times, 23, 1081)}, false, {u"47", u"×23", u"1081"}, 2},
        {{Two(47, Op::Times, 23, 1081)}, true, {u"47", u"×23", u"1081"}, 2},
        {{Two(12, Op::Times, 100, 1200)}, true, {u"12", u"×100", u"1200"}, 3},
        {{Two(3, Op::Times, 47, 141), Two(47, Op::Times, 23, 1081)},
         true,
         {u"3", u"×47", u"_141"},
         2},
    };
    const CFixedWidthMeasure measure;
    for (const Case& c : cases) {
        const QuestionList sheet = Questions(c.sheet);
        const CColumnCellMaker maker(measure, CColumnExtent::Of(sheet), {}, c.fill, 0, PointSize);
        const CCell cell = maker.Make(*sheet.Item(1), 0);
        const std::vector<CellRow> rows = Rows(cell);
        ASSERT_EQ(rows.size(), c.rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].text, c.rows[i]);
        }
        const CCellPiece& sign = *rows[1].pieces.front();
        std::vector<const CCellPiece*> lower(rows[1].pieces.begin() + 1, rows[1].pieces.end());
        ExpectPlaced(rows[0].pieces, cell.width);
        ExpectPlaced(lower, cell.width);
        ExpectPlaced(rows[2].pieces, cell.width);
        EXPECT_LT(sign.x + sign.width, lower.front()->x);
        const auto answerKind = c.fill ? CCellPiece::Kind::Blank : CCellPiece::Kind::Result;
        for (const CCellPiece* piece : rows[2].pieces) {
            EXPECT_EQ(piece->kind, answerKind);
        }

        const auto rules = Rules(cell);
        ASSERT_EQ(rules.size(), c.partialLines > 0 ? 2U : 1U);
        for (const CCellPiece* rule : rules) {
            EXPECT_LE(rule->x, sign.x);
            EXPECT_DOUBLE_EQ(rule->x + rule->width, cell.width);
        }
        EXPECT_GT(rules.front()->y, rows[1].bottom);
        EXPECT_LT(rules.back()->y + rules.back()->height, rows[2].top);
        EXPECT_GE(rules.back()->y - rules.front()->y, c.partialLines * RowHeight);
    }
}

// A decimal product stands as the textbook writes it: the factors by their
// last digits, the product's last digit as many places from the right edge as
// both factors' fractions have places in all, less those of its own; each
// point between two places.
TEST(CColumnCellMakerTest, ADecimalProductLinesUpItsLastDigits) {
    struct Case {
        Question question;
        bool fill;
        std::vector<std::u16string> rows;
        // Empty places right of the product's last digit.
        int32_t resultShift;
        int32_t partialLines;
    };
    const Case cases[] = {
        {{{{Op::None, 235}, {Op::Times, 14}}, 329, {{2, 1}, 2}},
         false,
         {u"2.35", u"×1.4", u"3.29"},
         1,
         2},
        {{{{Op::None, 235}, {Op::Times, 14}}, 329, {{2, 1}, 2}},
         true,
         {u"2.35", u"×1.4", u"3.29_"},
         1,
         2},
        {{{{Op::None, 3}, {Op::Times, 2}}, 6, {{1, 1}, 2}},
         false,
         {u"0.3", u"×0.2", u"0.06"},
         0,
         0},
        {{{{Op::None, 5}, {Op::Times, 4}}, 2, {{1, 0}, 0}}, false, {u"0.5", u"×4", u"2"}, 1, 0},
        {{{{Op::None, 25}, {Op::Times, 16}}, 4, {{1, 1}, 0}},
         true,
         {u"2.5", u"×1.6", u"4__"},
         2,
         2},
    };
    const CFixedWidthMeasure measure;
    for (const Case& c : cases) {
        const QuestionList sheet = Questions({c.question});
        const CColumnCellMaker maker(measure, CColumnExtent::Of(sheet), {}, c.fill, 0, PointSize);
        const CCell cell = maker.Make(*sheet.Item(1), 0);
        const std::vector<CellRow> rows = Rows(cell);
        ASSERT_EQ(rows.size(), c.rows.size()) << ::testing::PrintToString(c.rows.back());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].text, c.rows[i]);
            std::vector<const CCellPiece*> digits;
            for (const CCellPiece* piece : rows[i].pieces) {
                if (piece->text == u".") {
                    // The fraction's places end where the row's last digit
                    // ends, or the product's as far as its shift.
                    const std::u16string& written = c.rows[i];
                    const auto fraction = static_cast<double>(written.size() - written.find(u'.') -
                                                              1 - (c.fill && i == 2 ? 1 : 0));
                    const double shift = i == 2 ? c.resultShift : 0;
                    EXPECT_DOUBLE_EQ(Centre(*piece), cell.width - (shift + fraction) * Pitch) << i;
                    EXPECT_EQ(piece->kind,
                              i == 2 ? CCellPiece::Kind::Result : CCellPiece::Kind::Text);
                } else if (piece->text != u"×") {
                    digits.push_back(piece);
                }
            }
            const double shift = i == 2 && !c.fill ? c.resultShift : 0;
            ExpectPlaced(digits, cell.width - shift * Pitch);
        }
        const auto rules = Rules(cell);
        ASSERT_EQ(rules.size(), c.partialLines > 0 ? 2U : 1U);
        if (c.partialLines > 0) {
            EXPECT_DOUBLE_EQ(rules.back()->y - rules.front()->y,
                             c.partialLines * RowHeight + RuleRoom);
        }
    }
}

TEST(CColumnCellMakerTest, ALongDivisionHasTheDivisorLeftOfTheBracketAndTheQuotientAbove) {
    struct Case {
        std::vector<Question> sheet;
        bool fill;
        std::u16string quotient;
        std::u16string divisor;
        std::u16string dividend;
    };
    const Case cases[] = {
        {{Two(126, Op::Divide, 6, 21)}, false, u"21", u"6", u"126"},
        {{Two(126, Op::Divide, 6, 21)}, true, u"_21", u"6", u"126"},
        {{Two(900, Op::Divide, 3, 300)}, true, u"300", u"3", u"900"},
        {{Two(100, Op::Divide, 5, 20), Two(1000, Op::Divide, 25, 40)}, true, u"__20", u"5", u"100"},
        {{Two(1000, Op::Divide, 25, 40), Two(12, Op::Times, 345, 4140)},
         false,
         u"40",
         u"25",
         u"1000"},
    };
    const CFixedWidthMeasure measure;
    for (const Case& c : cases) {
        const QuestionList sheet = Questions(c.sheet);
        const CColumnExtent extent = CColumnExtent::Of(sheet);
        const CColumnCellMaker maker(measure, extent, {}, c.fill, 0, PointSize);
        const CCell cell = maker.Make(*sheet.Item(1), 0);
        const std::vector<CellRow> rows = Rows(cell);
        ASSERT_EQ(rows.size(), 2U);
        EXPECT_EQ(rows[0].text, c.quotient);
        EXPECT_EQ(rows[1].text, c.divisor + c.dividend);

        const auto rules = Rules(cell);
        ASSERT_EQ(rules.size(), 2U);
        const CCellPiece& top = *rules[0];
        const CCellPiece& bracket = *rules[1];
        const auto split = rows[1].pieces.begin() + static_cast<long>(c.divisor.size());
        const std::vector<const CCellPiece*> divisor(rows[1].pieces.begin(), split);
        const std::vector<const CCellPiece*> dividend(split, rows[1].pieces.end());
        // The dividend ends at the cell's right edge, its top line runs from
        // the bracket over all of it, the bracket stands between the two.
        ExpectPlaced(dividend, cell.width);
        ExpectPlaced(rows[0].pieces, cell.width);
        ExpectPlaced(divisor, bracket.x + bracket.width / 2 - Pitch / 2);
        EXPECT_LT(divisor.back()->x + divisor.back()->width, bracket.x);
        EXPECT_LT(bracket.x + bracket.width, dividend.front()->x);
        EXPECT_LE(top.x, bracket.x);
        EXPECT_DOUBLE_EQ(top.x + top.width, cell.width);
        EXPECT_GT(top.y, rows[0].bottom);
        EXPECT_LT(top.y + top.height, rows[1].top);
        EXPECT_LE(bracket.y, top.y + top.height);
        EXPECT_GE(bracket.y + bracket.height, rows[1].bottom);
        // Room below for two working lines a digit of the longest 商.
        EXPECT_GE(cell.height - rows[1].bottom, 2 * extent.quotientPlaces * RowHeight);
    }
}

} // namespace
} // namespace kelvo
