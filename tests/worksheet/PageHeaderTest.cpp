#include "worksheet/SheetPages.h"

#include "foundation/RandomSource.h"
#include "output/FixedWidthMeasure.h"
#include "support/KindFactory.h"
#include "worksheet/SheetCode.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvo {
namespace {

// The header opens every sheet page with each field's name and a line after
// it, in as few rows as hold them, above the questions; a title of nothing but field names gives
// way to it, another title stands under it; the key's header says "答案" and the code, its cells
// where the sheet's are; without fields the title opens the page.
TEST(PageHeaderTest, TheHeaderOpensEveryPageAndTheTitleGivesWayOnlyWhenItSaysNoMore) {
    struct Case {
        std::u16string title;
        std::vector<size_t> fields;
        bool isTitleShown;
    };
    const Case cases[] = {
        {u"  姓名：      时间：      得分：", {1, 2, 3, 4}, false},
        {u"三年级一班　口算练习", {0, 1, 2, 3, 4, 5}, true},
        {u"  姓名：      得分：", {}, true},
    };
    SeedRandom(29);
    const CFixedWidthMeasure measure;
    const std::vector<CSheet> copies{DrawSheet(
        CSheetPlan::OfOneKind(testing::MakeKind({{1, 9}, {1, 9}}, {u"＋$$$"}, {0, 18}), 150), 5, 18,
        nullptr, nullptr)};
    UseClockForRandomReseed();
    const std::u16string code = u"编号 " + SheetCode(copies.front().seed);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields.size());
        COutputSettings layout;
        layout.SetTitle(c.title);
        layout.SetRowCount(30);
        layout.SetColumnCount(5);
        layout.SetRowSpacing(1);
        layout.SetRowCountPerTitle(0);
        CPageOptions options;
        options.ClearHeaderFields();
        for (size_t field : c.fields) {
            options.SetHasHeaderField(field, true);
        }
        const CPageLayout pages = LayOutPages(copies, layout, options, measure, 12);
        ASSERT_EQ(pages.PagesPerCopy(), 2);
        const CPaper& paper = options.Paper();
        for (int32_t index = 1; index <= pages.PagesPerCopy(); ++index) {
            const CPage page = pages.Page(index);
            const CPage key = pages.Page(index + pages.PagesPerCopy());
            ASSERT_EQ(page.rules.size(), c.fields.size());
            double headerBottom = paper.Margin();
            for (size_t k = 0; k < c.fields.size(); ++k) {
                const CPageLine& label = page.lines[k];
                const CPageRule& rule = page.rules[k];
                EXPECT_EQ(label.text,
                          std::u16string(CPageOptions::HeaderFieldNames[c.fields[k]]) + u"：");
                EXPECT_NEAR(rule.x, label.x + measure.TextWidth(label.text, label.pointSize), 1e-9);
                EXPECT_GE(rule.width, 6 * measure.TextWidth(u"0", label.pointSize));
                // All six fields take two rows of three at the questions' size.
                EXPECT_DOUBLE_EQ(label.pointSize, 12);
                EXPECT_EQ(label.y, page.lines[k / 3 * 3].y);
                const bool isLastOfRow = k + 1 == c.fields.size() || page.lines[k + 1].y != label.y;
                const double end =
                    isLastOfRow ? paper.Width() - paper.Margin() : page.lines[k + 1].x;
                EXPECT_LT(rule.x + rule.width, end);
                headerBottom = rule.y;
            }
            const auto title =
                std::find_if(page.lines.begin(), page.lines.end(),
                             [&](const CPageLine& line) { return line.text == c.title; });
            EXPECT_EQ(title != page.lines.end(), c.isTitleShown);
            if (title != page.lines.end()) {
                EXPECT_GE(title->y, headerBottom);
                headerBottom = title->y;
            }
            EXPECT_GT(page.cells.front().y, headerBottom);

            EXPECT_TRUE(key.rules.empty());
            EXPECT_EQ(key.lines.front().text, u"答案");
            const auto codes =
                std::count_if(key.lines.begin(), key.lines.end(),
                              [&](const CPageLine& line) { return line.text == code; });
            EXPECT_EQ(codes, c.fields.empty() ? 1 : 2);
            ASSERT_EQ(key.cells.size(), page.cells.size());
            EXPECT_EQ(key.cells.back().y, page.cells.back().y);
        }
    }
}

} // namespace
} // namespace kelvo
