#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"
#include "output/CAnswerCellMaker.h"
#include "output/CColumnCellMaker.h"
#include "output/CColumnExtent.h"
#include "output/CLineCellMaker.h"
#include "output/FixedWidthMeasure.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kelvo {
namespace {

constexpr double PointSize = 10;

// 17÷5=3……2, the remainder derived as the drill history derives it.
QuestionList SeventeenByFive() {
    const CExprValue::OperandValue values[] = {{Op::None, 17}, {Op::Divide, 5}};
    auto question = std::make_shared<CExprValue>();
    question->CreateFrom(values, 3);
    QuestionList questions;
    questions.Add(question);
    return questions;
}

// The pieces left to right (top to bottom for a column), each as kind:text.
std::vector<std::u16string> Pieces(const CCell& cell) {
    std::vector<std::u16string> pieces;
    for (const CCellPiece& piece : cell.pieces) {
        if (piece.kind != CCellPiece::Kind::Rule) {
            const char16_t kind = piece.kind == CCellPiece::Kind::Text     ? u'T'
                                  : piece.kind == CCellPiece::Kind::Result ? u'R'
                                                                           : u'B';
            pieces.push_back(std::u16string(1, kind) + u":" + piece.text);
        }
    }
    return pieces;
}

TEST(RemainderCellsTest, TheRemainderHasARoomOfItsOwnInEveryCell) {
    const CFixedWidthMeasure measure;
    const QuestionList questions = SeventeenByFive();
    const CExprValue& question = *questions.Item(1);
    const CSlotLengths lengths{{2, 1}, 1, 1};

    const CLineCellMaker line(measure, lengths, false, 0, PointSize);
    EXPECT_EQ(Pieces(line.Make(question, 0)),
              (std::vector<std::u16string>{u"T:17÷5=", u"R:3", u"T:……", u"R:2"}));
    const CLineCellMaker fill(measure, lengths, true, 0, PointSize);
    EXPECT_EQ(Pieces(fill.Make(question, 1)), (std::vector<std::u16string>{u"B:17", u"T:÷5=3……2"}));

    const CAnswerCellMaker answer(measure, lengths, 0, PointSize);
    const CCell box = answer.Make(question, 0);
    EXPECT_EQ(Pieces(box), std::vector<std::u16string>{u"B:3……2"});
    EXPECT_GE(box.width, measure.TextWidth(u"3……2", PointSize));

    // The long division: the quotient above, divisor and dividend, and the
    // remainder at the foot of the working, right under the dividend's units.
    const CColumnCellMaker column(measure, CColumnExtent::Of(questions), lengths, false, 0,
                                  PointSize);
    const CCell cell = column.Make(question, 0);
    EXPECT_EQ(Pieces(cell), (std::vector<std::u16string>{u"R:3", u"T:5", u"T:1", u"T:7", u"R:2"}));
    const CCellPiece& units = cell.pieces.back();
    EXPECT_DOUBLE_EQ(units.x + units.width / 2, cell.pieces[cell.pieces.size() - 2].x +
                                                    cell.pieces[cell.pieces.size() - 2].width / 2);
    EXPECT_GT(units.y, cell.height / 2);
    EXPECT_LE(units.y + units.height, cell.height);
}

} // namespace
} // namespace kelvo
