#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"
#include "output/CAnswerCellMaker.h"
#include "output/CStackedFractionCells.h"
#include "output/FixedWidthMeasure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {
namespace {

constexpr double PointSize = 10;
constexpr double LeastBox = 20;

struct CStackedCase {
    CExprValue::OperandValue left;
    CExprValue::OperandValue right;
    int32_t result;
    CDecimalUnits units;
    std::vector<std::u16string> read;
};

double Middle(const CCellPiece& piece) {
    return piece.y + piece.height / 2;
}

bool IsBar(const CCellPiece& piece) {
    return piece.kind == CCellPiece::Kind::Rule || piece.kind == CCellPiece::Kind::ResultRule;
}

// The cell read back from its geometry: a numerator above a bar above a
// denominator, each centred on the bar, reads "n/d"; everything else stands
// on the bar's level and reads as written. Breaks the test where the
// pieces do not stand so.
std::vector<std::u16string> ReadBack(const CCell& cell) {
    std::vector<std::u16string> read;
    const auto& pieces = cell.pieces;
    double right = 0;
    for (size_t k = 0; k < pieces.size(); ++k) {
        const CCellPiece& piece = pieces[k];
        EXPECT_GE(piece.x, right - 1e-9) << "pieces overlap at " << k;
        EXPECT_GE(piece.y, 0);
        EXPECT_LE(piece.y + piece.height, cell.height + 1e-9);
        if (k + 2 < pieces.size() && IsBar(pieces[k + 1])) {
            const CCellPiece& bar = pieces[k + 1];
            const CCellPiece& bottom = pieces[k + 2];
            EXPECT_NEAR(Middle(bar), *cell.numberLevel, 1e-9);
            EXPECT_LE(piece.y + piece.height, bar.y);
            EXPECT_GE(bottom.y, bar.y + bar.height);
            for (const CCellPiece* number : {&piece, &bottom}) {
                EXPECT_NEAR(number->x + number->width / 2, bar.x + bar.width / 2, 1e-9);
                EXPECT_LT(number->width, bar.width);
                EXPECT_EQ(number->kind == CCellPiece::Kind::Result,
                          bar.kind == CCellPiece::Kind::ResultRule);
            }
            read.push_back(piece.text + u"/" + bottom.text);
            right = bar.x + bar.width;
            k += 2;
            continue;
        }
        EXPECT_NEAR(Middle(piece), *cell.numberLevel, 1e-9) << "off the bars' level at " << k;
        read.push_back(piece.text);
        right = piece.x + piece.width;
    }
    EXPECT_LE(right, cell.width + 1e-9);
    return read;
}

TEST(StackedFractionCellsTest, FractionsStackOverTheirBarsAndTheRestStandsOnTheBarsLevel) {
    const CStackedCase cases[] = {
        {{Op::None, 1},
         {Op::Plus, 1},
         5,
         {{static_cast<int16_t>(FractionUnit(2)), static_cast<int16_t>(FractionUnit(3))},
          static_cast<int16_t>(FractionUnit(6))},
         {u"1/2", u"＋", u"1/3", u"=", u"5/6"}},
        {{Op::None, 1},
         {Op::Minus, 3},
         4,
         {{0, static_cast<int16_t>(FractionUnit(7))}, static_cast<int16_t>(FractionUnit(7))},
         {u"1", u"－", u"3/7", u"=", u"4/7"}},
        {{Op::None, 3},
         {Op::Times, 4},
         3,
         {{static_cast<int16_t>(FractionUnit(4)), 0}, 0},
         {u"3/4", u"×", u"4", u"=", u"3"}},
        {{Op::None, 3},
         {Op::Plus, 5},
         7,
         {{static_cast<int16_t>(FractionUnit(4)), static_cast<int16_t>(FractionUnit(12))},
          static_cast<int16_t>(MixedFractionUnit(6))},
         {u"3/4", u"＋", u"5/12", u"=", u"1", u"1/6"}},
    };
    const CFixedWidthMeasure measure;
    const CStackedFractionCells cells(measure, PointSize, LeastBox);
    const CAnswerCellMaker answers(measure, {{2, 2}, 3, 0}, LeastBox, PointSize);
    for (const CStackedCase& c : cases) {
        const CExprValue::OperandValue values[] = {c.left, c.right};
        CExprValue question;
        question.CreateFrom(values, c.result);
        question.SetUnits(c.units);
        ASSERT_TRUE(CStackedFractionCells::HasFractions(question));

        const CCell cell = cells.Make(question, 0, false);
        EXPECT_EQ(ReadBack(cell), c.read);
        EXPECT_DOUBLE_EQ(*cell.numberLevel, cells.BarLevel());
        EXPECT_DOUBLE_EQ(cell.height, 2 * cells.BarLevel());
        // The answer's room is a box at least, however short the answer.
        const auto equals = std::ranges::find(cell.pieces, u"=", &CCellPiece::text);
        EXPECT_GE(cell.width - (equals->x + equals->width), LeastBox);

        const CCell fill = cells.Make(question, 2, true);
        const auto blank =
            std::ranges::find(fill.pieces, CCellPiece::Kind::Blank, &CCellPiece::kind);
        ASSERT_NE(blank, fill.pieces.end());
        EXPECT_EQ(blank->height, fill.height);
        EXPECT_GE(blank->width, LeastBox);
        EXPECT_EQ(ReadBack(fill), c.read);

        // The 听算 key: the answer stacked inside its box.
        if (IsFractionUnit(c.units.result)) {
            CCell key = answers.Make(question, 0);
            ASSERT_EQ(key.pieces.front().kind, CCellPiece::Kind::Blank);
            EXPECT_EQ(key.pieces.front().height, key.height);
            key.pieces.erase(key.pieces.begin());
            EXPECT_EQ(ReadBack(key),
                      std::vector(std::ranges::find(c.read, u"=") + 1, c.read.end()));
        }
    }

    // 7/12 ○ 3/7, both counted in 84ths: the circle between them holds the sign.
    const CExprValue::OperandValue values[] = {{Op::None, 7}, {Op::Plus, 3}};
    CExprValue compared;
    compared.CreateFrom(values, 49);
    compared.SetUnits(
        {{static_cast<int16_t>(FractionUnit(12)), static_cast<int16_t>(FractionUnit(7))},
         static_cast<int16_t>(FractionUnit(84))});
    compared.SetForm(QuestionForm::CompareNumbers);
    compared.SetComparand(compared.SecondNumberInResultUnit());
    const CCell cell = cells.Make(compared, 0, false);
    EXPECT_EQ(ReadBack(cell), (std::vector<std::u16string>{u"7/12", u"＞", u"3/7"}));
    EXPECT_EQ(cell.pieces[3].kind, CCellPiece::Kind::Circle);
}

} // namespace
} // namespace kelvo
