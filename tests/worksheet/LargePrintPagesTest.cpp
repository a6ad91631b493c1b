#include "worksheet/SheetPages.h"

#include "foundation/RandomSource.h"
#include "output/FixedWidthMeasure.h"
#include "support/KindFactory.h"
#include "support/SheetLayout.h"
#include "worksheet/CSheetPrint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace kelvo {
namespace {

using testing::MakeKind;
using testing::SheetLayout;

constexpr double LeastBox = 8 * CPaper::PointsPerMillimetre;

CPageOptions LargePrint(bool isColumnForm) {
    CPageOptions options;
    options.SetIsLargePrint(true);
    options.SetIsColumnForm(isColumnForm);
    return options;
}

// Sums of two digits to 18, and of two two-digit numbers for column form.
const auto Ones = MakeKind({{1, 9}, {1, 9}}, {u"＋$$$"}, {10, 18});
const auto Tens = MakeKind({{10, 99}, {10, 99}}, {u"＋$$$"}, {0, 198});

class LargePrintPagesTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(29); }
    void TearDown() override { UseClockForRandomReseed(); }

    const CFixedWidthMeasure measure;
};

// At 16 pt the layout's columns give way to as many as fit, every question
// still on the sheet; every box a pupil writes in is at least 8 mm each way as
// drawn, and a page whose rows fill more than half of it has its last row
// within one row of the footer (never past it); the key's pages lie over the
// sheet's.
TEST_F(LargePrintPagesTest, BoxesAreAtLeastEightMillimetresAndRowsFillTheirPage) {
    struct Case {
        const char* name;
        std::shared_ptr<CQuestionData> kind;
        int32_t rows;
        int32_t columns;
        bool isFill;
        bool isColumnForm;
        PrintedPages printed;
        double chosen;
        size_t columnsShown;
    };
    const Case cases[] = {
        {"fill-in 10 × 5", Ones, 10, 5, true, false, PrintedPages::Sheet, 12, 3},
        {"fill-in 20 × 2", Ones, 20, 2, true, false, PrintedPages::Sheet, 18, 2},
        {"results 10 × 5", Ones, 10, 5, false, false, PrintedPages::Sheet, 12, 4},
        {"column form", Tens, 8, 4, true, true, PrintedPages::Sheet, 12, 3},
        {"answer sheet", Ones, 10, 5, false, false, PrintedPages::AnswerSheet, 12, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const COutputSettings layout = SheetLayout(c.rows, c.columns, c.isFill);
        const std::vector<CSheet> copies{DrawSheet(
            CSheetPlan::OfOneKind(c.kind, c.rows * c.columns), c.columns, 18, nullptr, nullptr)};
        const CPageOptions options = LargePrint(c.isColumnForm);
        const CPageLayout pages =
            c.printed == PrintedPages::Sheet
                ? LayOutPages(copies, layout, options, measure, c.chosen)
                : LayOutAnswerSheet(copies, layout, options, measure, c.chosen);
        EXPECT_TRUE(pages.Fits());
        EXPECT_TRUE(pages.ShrinkNote().empty());
        EXPECT_DOUBLE_EQ(pages.PointSize(), std::max(c.chosen, 16.0));
        const double top = options.Paper().Margin();
        int32_t next = 1;
        int32_t boxes = 0;
        for (int32_t index = 1; index <= pages.PagesPerCopy(); ++index) {
            const CPage page = pages.Page(index);
            const CPage key = pages.Page(index + pages.PagesPerCopy());
            ASSERT_EQ(key.cells.size(), page.cells.size());
            std::set<long> columns;
            for (size_t k = 0; k < page.cells.size(); ++k) {
                const CPlacedCell& placed = page.cells[k];
                EXPECT_EQ(placed.question, next++);
                EXPECT_EQ(key.cells[k].y, placed.y);
                columns.insert(std::lround(placed.x + placed.cell.width));
                for (const CCellPiece& piece : placed.cell.pieces) {
                    if (piece.kind == CCellPiece::Kind::Blank) {
                        ++boxes;
                        EXPECT_GE(piece.width, LeastBox);
                        EXPECT_GE(piece.height * (1 - 2 * CCellPiece::BoxInset), LeastBox - 1e-9);
                    }
                }
            }
            EXPECT_EQ(columns.size(), c.columnsShown);
            const CPlacedCell& last = page.cells.back();
            const double rowsBottom = last.y + last.cell.height;
            const double footerTop = page.lines.back().y;
            const auto second =
                std::find_if(page.cells.begin(), page.cells.end(), [&](const CPlacedCell& placed) {
                    return placed.y > page.cells.front().y;
                });
            ASSERT_NE(second, page.cells.end());
            EXPECT_LE(rowsBottom, footerTop);
            if (rowsBottom - top > (footerTop - top) / 2) {
                EXPECT_LE(footerTop - rowsBottom, second->y - page.cells.front().y)
                    << "page " << index;
            }
        }
        EXPECT_EQ(next, c.rows * c.columns + 1);
        EXPECT_EQ(boxes > 0, c.isFill || c.printed == PrintedPages::AnswerSheet);
    }
}

// Without large print the same sheet keeps the chosen size, its columns and
// its rows together at the top of the page, as it always printed; a size
// shrunk to fit the rows is said.
TEST_F(LargePrintPagesTest, WithoutLargePrintTheSheetPrintsAsBeforeAndAShrunkSizeIsSaid) {
    const std::vector<CSheet> copies{
        DrawSheet(CSheetPlan::OfOneKind(Ones, 80), 5, 18, nullptr, nullptr)};
    const CPageLayout pages =
        LayOutPages(copies, SheetLayout(10, 5, true), CPageOptions(), measure, 12);
    const CPage page = pages.Page(1);
    EXPECT_DOUBLE_EQ(page.pointSize, 12);
    EXPECT_TRUE(pages.ShrinkNote().empty());
    EXPECT_DOUBLE_EQ(page.cells[5].y - page.cells[0].y, 2 * measure.LineHeight(12));
    EXPECT_LT(page.cells.back().y, CPaper().Height() / 2);

    const CPageLayout wide =
        LayOutPages(copies, SheetLayout(10, 6, true), CPageOptions(), measure, 18);
    EXPECT_EQ(wide.ShrinkNote(), u"字号已从 18 磅缩小到 10.5 磅，以便每行排得下");
}

} // namespace
} // namespace kelvo
