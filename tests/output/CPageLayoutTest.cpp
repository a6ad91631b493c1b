#include "output/CPageLayout.h"

#include "foundation/RuntimeError.h"
#include "foundation/TextNumber.h"
#include "foundation/UserInterfaceYield.h"
#include "generation/CInfoReceiver.h"
#include "number/OperatorCodes.h"
#include "output/CLineCellMaker.h"
#include "output/FixedWidthMeasure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace kelvo {
namespace {

// Question i is "i＋first=i+first", so that every cell tells which question it holds.
QuestionList Questions(int32_t count, int32_t first = 1) {
    QuestionList questions;
    for (int32_t i = 1; i <= count; ++i) {
        OperandList operands;
        for (const auto& [code, value] : {std::pair{Op::None, i}, std::pair{Op::Plus, first}}) {
            auto operand = std::make_shared<COperand>();
            operand->SetLeftOperator(code);
            operand->SetResultValue(value);
            operands.push_back(operand);
        }
        auto result = std::make_shared<COperand>();
        result->SetResultValue(i + first);
        CExpression expression;
        expression.Init(std::move(operands), result);
        questions.Add(expression.GetExprValue());
    }
    return questions;
}

struct Sheet {
    int32_t rows = 10;
    int32_t columns = 5;
    int32_t rowSpacing = 1;
    int32_t columnSpacing = 6;
    int32_t perTitle = 10;
    bool fill = false;
};

COutputSettings Layout(const Sheet& sheet) {
    COutputSettings layout;
    layout.SetTitle(u"  姓名：      得分：");
    layout.SetRowCount(sheet.rows);
    layout.SetColumnCount(sheet.columns);
    layout.SetRowSpacing(sheet.rowSpacing);
    layout.SetColumnSpacing(sheet.columnSpacing);
    layout.SetRowCountPerTitle(sheet.perTitle);
    layout.SetIsFillQuestions(sheet.fill);
    return layout;
}

// Pages that open with the title line, as without a header.
CPageOptions Options(bool answerKey = false, int32_t copies = 1) {
    CPageOptions options;
    options.ClearHeaderFields();
    options.SetIsAnswerKey(answerKey);
    options.SetCopies(copies);
    return options;
}

// Operands up to 9999, results up to 99999.
const CSlotLengths Lengths{{4, 4}, 5};

struct Fixture {
    explicit Fixture(const Sheet& sheet, const CPageOptions& options = Options(),
                     int32_t copies = 1, double pointSize = 12,
                     const CInfoReceiver* receiver = nullptr)
        : layout(Layout(sheet)) {
        const int32_t count = sheet.rows * sheet.columns;
        for (int32_t copy = 1; copy <= copies; ++copy) {
            questions.push_back(Questions(count, copy));
            blanks.push_back(BlankPositions(static_cast<size_t>(count), 2));
        }
        std::vector<CPrintCopy> printCopies;
        for (size_t copy = 0; copy < questions.size(); ++copy) {
            printCopies.push_back({{{&questions[copy], &blanks[copy]}}, {}, {}});
        }
        std::vector<CPrintSection> sections{
            {u"", count, CLineCellMaker::Factory(measure, Lengths, sheet.fill, 0)}};
        pages.emplace(layout, options, std::move(sections), std::move(printCopies), measure,
                      pointSize, receiver);
    }

    CFixedWidthMeasure measure;
    COutputSettings layout;
    std::vector<QuestionList> questions;
    std::vector<BlankPositions> blanks;
    std::optional<CPageLayout> pages;
};

std::u16string CellText(const CPlacedCell& placed) {
    std::u16string text;
    for (const CCellPiece& piece : placed.cell.pieces) {
        text += piece.kind == CCellPiece::Kind::Blank ? u"[" + piece.text + u"]" : piece.text;
    }
    return text;
}

std::u16string Footer(int32_t number, int32_t count) {
    return u"第 " + DecimalText(number) + u" 页 / 共 " + DecimalText(count) + u" 页";
}

// A cancel can only come in a yield, and the layout stops at the very next
// question: of 3 copies of 5000 questions, it measures no more after it.
TEST(CPageLayoutTest, ACancelStopsTheLayoutAtTheYieldItCameIn) {
    struct CCanceller : CInfoReceiver {
        bool isCancelled = false;
        bool IsCancelled() const override { return isCancelled; }
    };
    CCanceller canceller;
    int yields = 0;
    SetYieldHook([&] {
        ++yields;
        canceller.isCancelled = true;
    });
    const Fixture fixture({.rows = 1000, .columns = 5}, Options(true), 3, 12, &canceller);
    SetYieldHook(nullptr);
    EXPECT_EQ(yields, 1);
    EXPECT_TRUE(fixture.pages->IsCancelled());
    EXPECT_EQ(fixture.pages->PageCount(), 0);

    const CInfoReceiver never;
    const Fixture whole({.rows = 1000, .columns = 5}, Options(true), 3, 12, &never);
    EXPECT_FALSE(whole.pages->IsCancelled());
    EXPECT_GT(whole.pages->PageCount(), 0);
}

TEST(CPageLayoutTest, PagesOpenWithTheTitleEndWithTheFooterAndNeverSplitATitleBlock) {
    struct Case {
        Sheet sheet;
        int32_t pages;
    };
    // Three columns fit at 12 pt: a line is 15 pt and the body 736.9 pt high.
    const Case cases[] = {
        // Blocks of 315 pt: two a page.
        {{.rows = 60, .columns = 3}, 3},
        // No titles: rows of 30 pt flow under the title on every page.
        {{.rows = 60, .columns = 3, .perTitle = 0}, 3},
        {{.rows = 25, .columns = 3, .rowSpacing = 2, .perTitle = 1}, 4},
        // A block taller than a page goes on under the title again.
        {{.rows = 200, .columns = 3, .perTitle = 150}, 10},
        {{.rows = 7, .columns = 3, .rowSpacing = 0, .perTitle = 3}, 1},
    };
    for (const Case& c : cases) {
        const Fixture fixture(c.sheet);
        const CPageLayout& layout = *fixture.pages;
        ASSERT_EQ(layout.PageCount(), c.pages) << c.sheet.rows;
        const CPaper& paper = layout.Options().Paper();
        const int32_t perTitle = c.sheet.perTitle > 0 ? c.sheet.perTitle : c.sheet.rows;
        const double blockHeight = 15 + perTitle * (c.sheet.rowSpacing + 1) * 15.0;
        std::map<int32_t, std::set<int32_t>> blockPages;
        int32_t next = 1;
        for (int32_t index = 1; index <= layout.PageCount(); ++index) {
            const CPage page = layout.Page(index);
            ASSERT_GE(page.lines.size(), 2U);
            EXPECT_EQ(page.lines.front().text, fixture.layout.Title());
            EXPECT_DOUBLE_EQ(page.lines.front().y, paper.Margin());
            EXPECT_EQ(page.lines.back().text, Footer(index, c.pages));
            const double footerTop = page.lines.back().y;
            EXPECT_NEAR(footerTop + 12.5, paper.Height() - paper.Margin(), 1e-9);
            for (const CPlacedCell& placed : page.cells) {
                // Reading order, every question once.
                EXPECT_EQ(placed.question, next++);
                EXPECT_LE(placed.y + placed.cell.height, footerTop);
                blockPages[(placed.question - 1) / c.sheet.columns / perTitle].insert(index);
            }
        }
        EXPECT_EQ(next, c.sheet.rows * c.sheet.columns + 1);
        for (const auto& [block, pages] : blockPages) {
            EXPECT_TRUE(pages.size() == 1 || blockHeight > 736) << c.sheet.rows << " " << block;
        }
    }
}

TEST(CPageLayoutTest, AnswerKeysFollowAllQuestionsOnTheSameGridHeadedAnswer) {
    const Fixture fixture({.rows = 30, .fill = true}, Options(true, 2), 2);
    const CPageLayout& layout = *fixture.pages;
    const int32_t perCopy = layout.PagesPerCopy();
    ASSERT_EQ(perCopy, 2);
    ASSERT_EQ(layout.PageCount(), 8);
    for (int32_t index = 1; index <= 4; ++index) {
        const CPage sheet = layout.Page(index);
        const CPage key = layout.Page(index + 4);
        EXPECT_FALSE(sheet.isAnswerKey);
        EXPECT_FALSE(sheet.showsAnswers);
        EXPECT_TRUE(key.isAnswerKey);
        EXPECT_TRUE(key.showsAnswers);
        EXPECT_EQ(key.copy, sheet.copy);
        EXPECT_EQ(key.number, sheet.number);
        EXPECT_EQ(key.lines.front().text, u"答案");
        EXPECT_EQ(std::count_if(key.lines.begin(), key.lines.end(),
                                [](const CPageLine& line) { return line.text == u"答案"; }),
                  1);
        ASSERT_EQ(key.cells.size(), sheet.cells.size());
        for (size_t i = 0; i < key.cells.size(); ++i) {
            const CPlacedCell& asked = sheet.cells[i];
            const CPlacedCell& answered = key.cells[i];
            EXPECT_EQ(answered.question, asked.question);
            EXPECT_EQ(answered.number, asked.number);
            EXPECT_EQ(answered.x, asked.x);
            EXPECT_EQ(answered.y, asked.y);
            // The blank of the key is the sheet's, and holds the answer.
            EXPECT_EQ(CellText(answered), DecimalText(asked.question) + u"＋[" +
                                              DecimalText(sheet.copy) + u"]=" +
                                              DecimalText(asked.question + sheet.copy));
        }
    }
    EXPECT_EQ(layout.Page(3).copy, 2);
    EXPECT_EQ(layout.Page(3).cells.front().question, 1);
    EXPECT_EQ(layout.Page(3).lines.back().text, u"第 2 份");
    EXPECT_THROW((void)layout.Page(9), CRuntimeError);
}

// Copies have questions of their own; the cells without fill-in keep the result's room.
TEST(CPageLayoutTest, EachCopyShowsItsOwnQuestions) {
    const Fixture fixture({.rows = 2, .columns = 2}, Options(false, 3), 3);
    const CPageLayout& layout = *fixture.pages;
    ASSERT_EQ(layout.PageCount(), 3);
    for (int32_t copy = 1; copy <= 3; ++copy) {
        const CPage page = layout.Page(copy);
        EXPECT_EQ(page.copy, copy);
        EXPECT_EQ(page.lines.back().text, u"第 " + DecimalText(copy) + u" 份");
        ASSERT_EQ(page.cells.size(), 4U);
        const CCell& cell = page.cells[3].cell;
        EXPECT_EQ(CellText(page.cells[3]),
                  u"4＋" + DecimalText(copy) + u"=" + DecimalText(4 + copy));
        EXPECT_EQ(cell.pieces.back().kind, CCellPiece::Kind::Result);
        EXPECT_DOUBLE_EQ(cell.pieces.back().width, 5 * 6.0);
    }
}

TEST(CPageLayoutTest, NumberedCellsLineUpRightAlignedInTheirColumns) {
    const Fixture fixture({.rows = 4, .columns = 3});
    const CPage page = fixture.pages->Page(1);
    ASSERT_EQ(page.cells.size(), 12U);
    for (const CPlacedCell& placed : page.cells) {
        const CPlacedCell& top = page.cells[static_cast<size_t>((placed.question - 1) % 3)];
        EXPECT_EQ(placed.number, u"(" + DecimalText(placed.question) + u")");
        EXPECT_DOUBLE_EQ(placed.numberX + 6 * placed.number.size(),
                         top.numberX + 6 * top.number.size());
        EXPECT_DOUBLE_EQ(placed.x + placed.cell.width, top.x + top.cell.width);
        EXPECT_GT(placed.x, placed.numberX + 6 * placed.number.size());
    }
    EXPECT_LT(page.cells[0].x + page.cells[0].cell.width, page.cells[1].numberX);
    // The columns stand across the printable width.
    const CPaper& paper = fixture.pages->Options().Paper();
    EXPECT_DOUBLE_EQ(page.cells[9].numberX, paper.Margin());
    EXPECT_NEAR(page.cells[2].x + page.cells[2].cell.width, paper.Width() - paper.Margin(), 1e-9);
}

// A blank is as wide as the widest operand its position allows, plus room.
TEST(CPageLayoutTest, ABlankHoldsTheWidestAnswerOfItsPosition) {
    const Fixture fixture({.rows = 1, .columns = 1, .fill = true});
    const CPage page = fixture.pages->Page(1);
    const CCellPiece& blank = page.cells.front().cell.pieces[1];
    EXPECT_EQ(blank.kind, CCellPiece::Kind::Blank);
    EXPECT_EQ(blank.text, u"1");
    EXPECT_GT(blank.width, 4 * 6.0);
    EXPECT_LT(blank.width, 6 * 6.0);
}

TEST(CPageLayoutTest, TheFontShrinksToFitTheRowsButNotBelowNinePoints) {
    struct Case {
        int32_t columns;
        PageOrientation orientation;
        double chosen;
        double pointSize;
        bool fits;
    };
    // A numbered cell and its number take 7 ems, a gap at least 1 em; the printable
    // width of A4 is 510.2 pt upright and 756.9 pt on its side.
    const Case cases[] = {
        {3, PageOrientation::Portrait, 12, 12, true},
        {6, PageOrientation::Portrait, 12, 10.5, true},
        {5, PageOrientation::Landscape, 12, 12, true},
        {9, PageOrientation::Landscape, 12, 10.5, true},
        {20, PageOrientation::Portrait, 12, 9, false},
        {20, PageOrientation::Portrait, 8, 8, false},
        {5, PageOrientation::Portrait, 8, 8, true},
    };
    for (const Case& c : cases) {
        CPageOptions options = Options();
        options.Paper().SetOrientation(c.orientation);
        const Fixture fixture({.rows = 1, .columns = c.columns}, options, 1, c.chosen);
        EXPECT_DOUBLE_EQ(fixture.pages->PointSize(), c.pointSize) << c.columns;
        EXPECT_EQ(fixture.pages->Fits(), c.fits) << c.columns;
    }
}

// Cells of a fixed size, as questions written in columns would take.
class CTallCellMaker : public CCellMaker {
public:
    CCell Make(const CExprValue& question, int32_t /*blank*/) const override {
        return {30,
                60,
                {{CCellPiece::Kind::Text, 0, 0, 30, 60, DecimalText(question.ResultValue())}},
                {}};
    }
};

// Sections of a plan: line cells, tall cells, line cells again, numbered
// through the copy. However long the first section, no heading ends a page.
TEST(CPageLayoutTest, SectionsFlowUnderTheirHeadingsAndNoHeadingEndsAPage) {
    const CFixedWidthMeasure measure;
    const CellMakerFactory tall = [](double) { return std::make_unique<const CTallCellMaker>(); };
    const CellMakerFactory line = CLineCellMaker::Factory(measure, Lengths, false, 0);
    for (int32_t firstCount = 100; firstCount <= 220; firstCount += 5) {
        const std::vector<int32_t> counts{firstCount, 23, 41};
        std::vector<QuestionList> questions;
        CPrintCopy copy;
        std::vector<CPrintSection> sections;
        questions.reserve(counts.size());
        for (size_t k = 0; k < counts.size(); ++k) {
            questions.push_back(Questions(counts[k]));
            copy.sections.push_back({&questions.back(), nullptr});
            sections.push_back({ChineseNumeral(static_cast<int32_t>(k + 1)) + u"、题", counts[k],
                                k == 1 ? tall : line});
        }
        const CPageLayout layout(Layout({.rows = 1}), Options(true), std::move(sections), {copy},
                                 measure, 12);
        int32_t next = 1;
        int32_t headings = 0;
        for (int32_t index = 1; index <= layout.PagesPerCopy(); ++index) {
            const CPage page = layout.Page(index);
            const CPage key = layout.Page(index + layout.PagesPerCopy());
            ASSERT_EQ(key.cells.size(), page.cells.size());
            for (const CPageLine& heading : page.lines) {
                if (heading.text.find(u"、题") == std::u16string::npos) {
                    continue;
                }
                ++headings;
                EXPECT_TRUE(
                    std::any_of(page.cells.begin(), page.cells.end(),
                                [&](const CPlacedCell& placed) { return placed.y > heading.y; }))
                    << firstCount << " page " << index;
                EXPECT_EQ(std::count_if(key.lines.begin(), key.lines.end(),
                                        [&](const CPageLine& keyLine) {
                                            return keyLine.text == heading.text &&
                                                   keyLine.y == heading.y;
                                        }),
                          1);
            }
            for (const CPlacedCell& placed : page.cells) {
                EXPECT_EQ(placed.question, next++);
                const bool isTall =
                    placed.question > firstCount && placed.question <= firstCount + 23;
                EXPECT_EQ(placed.cell.height, isTall ? 60 : 1.25 * layout.PointSize());
            }
        }
        EXPECT_EQ(headings, 3);
        EXPECT_EQ(next, firstCount + 23 + 41 + 1);
    }
}

} // namespace
} // namespace kelvo
