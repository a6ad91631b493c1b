#include "worksheet/SheetPages.h"

#include "foundation/RandomSource.h"
#include "output/FixedWidthMeasure.h"
#include "support/KindFactory.h"
#include "support/SheetLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kelvo {
namespace {

using testing::MakeKind;
using testing::SheetLayout;

CPageOptions ColumnForm(PaperSize size = PaperSize::A4,
                        PageOrientation orientation = PageOrientation::Portrait) {
    CPageOptions options;
    options.ClearHeaderFields();
    options.SetIsColumnForm(true);
    options.SetIsAnswerKey(false);
    options.Paper().SetSize(size);
    options.Paper().SetOrientation(orientation);
    return options;
}

// The sheet of one kind, drawn as Create draws it.
std::vector<CSheet> OneKind(const std::shared_ptr<CQuestionData>& kind, int32_t count) {
    return {DrawSheet(CSheetPlan::OfOneKind(kind, count), 1, 18, nullptr, nullptr)};
}

bool IsColumnCell(const CPlacedCell& placed) {
    return std::any_of(
        placed.cell.pieces.begin(), placed.cell.pieces.end(),
        [](const CCellPiece& piece) { return piece.kind == CCellPiece::Kind::Rule; });
}

// The cells' distinct left edges and tops, right edges for the columns.
struct Grid {
    std::set<long> columns;
    std::set<long> rows;
};

Grid GridOf(const std::vector<CPlacedCell>& cells) {
    Grid grid;
    for (const CPlacedCell& placed : cells) {
        grid.columns.insert(std::lround(placed.x + placed.cell.width));
        grid.rows.insert(std::lround(placed.y));
    }
    return grid;
}

class ColumnFormPagesTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(18); }
    void TearDown() override { UseClockForRandomReseed(); }

    const std::shared_ptr<CQuestionData> times =
        MakeKind({{10, 99}, {10, 99}}, {u"$$×$"}, {0, 10000}, 0, u"两位数乘以两位数");
    const std::shared_ptr<CQuestionData> hundreds =
        MakeKind({{100, 900, 100}, {1, 9}}, {u"$$$÷"}, {0, 10000}, 0, u"整百数除以一位数");
    const std::shared_ptr<CQuestionData> chain =
        MakeKind({{1, 9}, {1, 9}, {1, 9}}, {u"＋$$$", u"＋$$$"}, {0, 30}, 0, u"连加");
    CFixedWidthMeasure measure;
};

// At 12 pt a numbered column cell and the least gap take 94.5 pt across, a row 119.4 pt down.
TEST_F(ColumnFormPagesTest, AsManyColumnsAsThePaperHoldsAndRowsAsItsHeight) {
    struct Case {
        PaperSize size;
        PageOrientation orientation;
        size_t columns;
        size_t rows;
    };
    const Case cases[] = {
        {PaperSize::A4, PageOrientation::Portrait, 5, 6},
        {PaperSize::A4, PageOrientation::Landscape, 8, 3},
        {PaperSize::A5, PageOrientation::Portrait, 3, 3},
        {PaperSize::A5, PageOrientation::Landscape, 5, 2},
    };
    COutputSettings layout = SheetLayout(10, 4);
    layout.SetRowCountPerTitle(0);
    const std::vector<CSheet> copies = OneKind(times, 40);
    for (const Case& c : cases) {
        const CPageOptions options = ColumnForm(c.size, c.orientation);
        const CPageLayout pages = LayOutPages(copies, layout, options, measure, 12);
        EXPECT_DOUBLE_EQ(pages.PointSize(), 12);
        const CPage first = pages.Page(1);
        const Grid grid = GridOf(first.cells);
        EXPECT_EQ(grid.columns.size(), c.columns) << static_cast<int>(c.size);
        EXPECT_EQ(grid.rows.size(), c.rows) << static_cast<int>(c.size);
        const size_t perPage = c.columns * c.rows;
        EXPECT_EQ(pages.PageCount(), static_cast<int32_t>((40 + perPage - 1) / perPage));
        const CPaper& paper = options.Paper();
        for (const CPlacedCell& placed : first.cells) {
            EXPECT_TRUE(IsColumnCell(placed));
            EXPECT_LE(placed.x + placed.cell.width, paper.Width() - paper.Margin() + 0.01);
            EXPECT_LE(placed.y + placed.cell.height, first.lines.back().y);
        }
    }
}

// A title every two rows of eight on A4 landscape: a block of 16 takes most
// of a page, so the next moves whole to the next page; the last, of one row,
// fits under the second.
TEST_F(ColumnFormPagesTest, ATitleBlockOfColumnRowsStaysWhole) {
    COutputSettings layout = SheetLayout(10, 4);
    layout.SetRowCountPerTitle(2);
    const std::vector<CSheet> copies = OneKind(times, 40);
    const CPageOptions options = ColumnForm(PaperSize::A4, PageOrientation::Landscape);
    const CPageLayout pages = LayOutPages(copies, layout, options, measure, 12);
    ASSERT_EQ(pages.PageCount(), 2);
    const size_t cells[] = {16, 24};
    for (int32_t index = 1; index <= 2; ++index) {
        const CPage page = pages.Page(index);
        EXPECT_EQ(page.cells.size(), cells[index - 1]);
        EXPECT_EQ(page.cells.front().question, 16 * index - 15);
        const auto titles =
            std::count_if(page.lines.begin(), page.lines.end(),
                          [&](const CPageLine& line) { return line.text == layout.Title(); });
        EXPECT_EQ(titles, index);
    }
}

// In plan order each section has its own grid; mixed, both forms share one.
TEST_F(ColumnFormPagesTest, LineQuestionsKeepTheirFormBesideColumnsAndTheNoteSaysSo) {
    const COutputSettings layout = SheetLayout(2, 3);
    CSheetPlan plan;
    plan.Add(hundreds, 8);
    plan.Add(chain, 10);
    for (const bool isMixed : {false, true}) {
        plan.SetIsMixed(isMixed);
        const std::vector<CSheet> copies{
            DrawSheet(plan, layout.ColumnCount(), 18, nullptr, nullptr)};
        ASSERT_TRUE(copies.front().HasQuestions());
        const CPageLayout pages = LayOutPages(copies, layout, ColumnForm(), measure, 12);
        const CPage page = pages.Page(1);
        std::vector<CPlacedCell> columnCells;
        std::vector<CPlacedCell> lineCells;
        for (const CPlacedCell& placed : page.cells) {
            (IsColumnCell(placed) ? columnCells : lineCells).push_back(placed);
        }
        for (const CPlacedCell& placed : lineCells) {
            EXPECT_DOUBLE_EQ(placed.cell.height, measure.LineHeight(page.pointSize));
        }
        ASSERT_FALSE(columnCells.empty());
        ASSERT_FALSE(lineCells.empty());
        if (!isMixed) {
            ASSERT_EQ(pages.PageCount(), 1);
            EXPECT_EQ(columnCells.size(), 8U);
            EXPECT_EQ(lineCells.size(), 10U);
            // Each section by its own form: the divisions as many a row as fit,
            // the sums in the layout's three columns.
            EXPECT_DOUBLE_EQ(page.pointSize, 12);
            EXPECT_EQ(GridOf(columnCells).columns.size(), 6U);
            EXPECT_EQ(GridOf(lineCells).columns.size(), 3U);
            EXPECT_EQ(GridOf(lineCells).rows.size(), 4U);
            EXPECT_LT(columnCells.back().y, lineCells.front().y);
        }
        EXPECT_FALSE(ColumnFormNote(copies, layout, ColumnForm()).empty());
        EXPECT_TRUE(ColumnFormNote(copies, layout, CPageOptions()).empty());
    }
    EXPECT_TRUE(ColumnFormNote(OneKind(hundreds, 10), layout, ColumnForm()).empty());
}

// A line for each reason the sheet's questions stay on one line, in a fixed
// order; decimal products stand in columns as whole ones do.
TEST_F(ColumnFormPagesTest, TheNoteSaysWhyQuestionsStayOnOneLine) {
    const auto compare = MakeKind({{0, 20}, {0, 20}}, {u"＋－$$"}, {0, 20}, 0, u"比大小");
    compare->SetForm(QuestionForm::Compare);
    const auto decimalDivision = MakeKind({{1, 99}, {2, 9}}, {u"$$$÷"}, {1, 99}, 0, u"小数除法");
    decimalDivision->SetDecimalPlaces({{1, 0}, 1});
    const auto decimalProduct = MakeKind({{1, 99}, {2, 9}}, {u"$$×$"}, {0, 1000}, 0, u"小数乘法");
    decimalProduct->SetDecimalPlaces({{1, 0}, 1});
    const std::u16string chainNote = u"三个数或四个数的算式不列竖式，仍写在一行上。";
    const std::u16string formNote = u"比大小、填运算符号和估算的题不列竖式，仍写在一行上。";
    const std::u16string divisionNote = u"小数除法不列竖式，仍写在一行上。";
    struct Case {
        std::vector<std::shared_ptr<CQuestionData>> kinds;
        std::u16string note;
    };
    const Case cases[] = {
        {{hundreds, decimalProduct}, u""},
        {{chain}, chainNote},
        {{decimalDivision, compare}, formNote + u"\n" + divisionNote},
        {{compare, times, chain}, chainNote + u"\n" + formNote},
    };
    const COutputSettings layout = SheetLayout(2, 3);
    for (const Case& c : cases) {
        CSheetPlan plan;
        for (const auto& kind : c.kinds) {
            plan.Add(kind, 6);
        }
        const std::vector<CSheet> copies{
            DrawSheet(plan, layout.ColumnCount(), 18, nullptr, nullptr)};
        ASSERT_TRUE(copies.front().HasQuestions());
        EXPECT_EQ(ColumnFormNote(copies, layout, ColumnForm()), c.note);
    }
}

} // namespace
} // namespace kelvo
