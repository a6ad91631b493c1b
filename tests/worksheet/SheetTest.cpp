#include "worksheet/Sheet.h"

#include "foundation/RandomSource.h"
#include "generation/CInfoReceiver.h"
#include "number/OperatorCodes.h"
#include "output/CSlotLengths.h"
#include "support/BruteForce.h"
#include "support/KindFactory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace kelvo {
namespace {

using testing::MakeKind;

COutputSettings Layout(int32_t columns) {
    COutputSettings layout;
    layout.SetRowCount(1);
    layout.SetColumnCount(columns);
    layout.SetColumnSpacing(1);
    layout.SetRowCountPerTitle(10);
    layout.SetTitle(u"T");
    layout.SetIsShowAnswer(true);
    return layout;
}

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        SeedRandom(99);
        // The second kind has two templates, which share its count.
        plan.Add(MakeKind({{1, 20}, {1, 20}}, {u"＋$$$"}, {1, 20}, Cbr::Carry, u"20以内的进位加法"),
                 7);
        plan.Add(MakeKind({{1, 20}, {1, 20}}, {u"$－×$"}, {0, 100}, 0, u"减或乘"), 12);
        plan.Add(MakeKind({{1, 9}, {1, 9}, {1, 9}}, {u"＋$$$", u"$－$$"}, {0, 20}, 0, u"连加减"),
                 5);
    }
    void TearDown() override { UseClockForRandomReseed(); }

    // The plan section whose kind admits the question; -1 for none.
    int SectionOf(const CExprValue& question) const {
        for (size_t k = 0; k < plan.Sections().size(); ++k) {
            if (testing::AdmissibleQuestions(*plan.Sections()[k].kind)
                    .count(testing::KeyOf(question))) {
                return static_cast<int>(k);
            }
        }
        return -1;
    }

    CSheetPlan plan;
};

TEST_F(SheetTest, InPlanOrderEverySectionHasItsCountOfItsOwnKindUnderItsHeading) {
    const CSheet sheet = DrawSheet(plan, 1, 99, nullptr, nullptr);
    ASSERT_TRUE(sheet.HasQuestions());
    EXPECT_EQ(sheet.arrangement, SheetArrangement::InPlanOrder);
    ASSERT_EQ(sheet.parts.size(), 3u);
    const std::u16string headings[] = {u"一、20以内的进位加法", u"二、减或乘", u"三、连加减"};
    for (size_t k = 0; k < 3; ++k) {
        const QuestionList& questions = sheet.parts[k].questionSet.questions;
        EXPECT_EQ(sheet.parts[k].heading, headings[k]);
        ASSERT_EQ(questions.Count(), plan.Sections()[k].count) << k;
        for (int32_t i = 1; i <= questions.Count(); ++i) {
            EXPECT_EQ(SectionOf(*questions.Item(i)), static_cast<int>(k));
        }
    }
    const std::u16string text = FormatSheet(sheet, Layout(5), nullptr);
    EXPECT_EQ(std::count(text.begin(), text.end(), u'='), 24);
    EXPECT_EQ(text.rfind(u"T\r\n", 0), 0u) << "the layout's title heads the sheet";
    size_t last = 0;
    for (const std::u16string& heading : headings) {
        const size_t at = text.find(u"\r\n\r\n" + heading + u"\r\n");
        ASSERT_NE(at, std::u16string::npos);
        EXPECT_GT(at, last);
        last = at;
    }
}

TEST_F(SheetTest, MixedTheSectionsShareOneGridWithoutHeadings) {
    plan.SetIsMixed(true);
    const CSheet sheet = DrawSheet(plan, 1, 99, nullptr, nullptr);
    ASSERT_EQ(sheet.arrangement, SheetArrangement::Mixed);
    ASSERT_EQ(sheet.parts.size(), 1u);
    const QuestionList& questions = sheet.parts.front().questionSet.questions;
    ASSERT_EQ(questions.Count(), 24);
    std::map<int, int> perSection;
    std::vector<int> order;
    for (int32_t i = 1; i <= questions.Count(); ++i) {
        order.push_back(SectionOf(*questions.Item(i)));
        ++perSection[order.back()];
    }
    EXPECT_EQ(perSection, (std::map<int, int>{{0, 7}, {1, 12}, {2, 5}}));
    EXPECT_FALSE(std::is_sorted(order.begin(), order.end()));
    // Fill-in blanks of every kind fit, three-operand ones included.
    COutputSettings fillIn = Layout(4);
    fillIn.SetIsFillQuestions(true);
    const std::u16string text = FormatSheet(sheet, fillIn, nullptr);
    EXPECT_EQ(std::count(text.begin(), text.end(), u'('), 24);
    EXPECT_EQ(text.find(u"、"), std::u16string::npos);
}

TEST(SheetLayoutTest, SectionsStandInRowsOfTheLayoutsColumnsAfterTheTitle) {
    CSheetPlan plan;
    plan.Add(MakeKind({{2, 2}, {3, 3}}, {u"＋$$$"}, {0, 10}, 0, u"甲"), 3);
    plan.Add(MakeKind({{4, 4}, {5, 5}}, {u"$$×$"}, {0, 20}, 0, u"乙"), 2);
    const std::u16string text =
        FormatSheet(DrawSheet(plan, 2, 99, nullptr, nullptr), Layout(2), nullptr);
    EXPECT_EQ(text, u"T\r\n"
                    u"\r\n一、甲\r\n"
                    u"2＋3=5 2＋3=5\r\n"
                    u"2＋3=5\r\n"
                    u"\r\n二、乙\r\n"
                    u"4×5=20 4×5=20\r\n");
}

TEST(SheetLayoutTest, ASectionWithoutQuestionsIsNamedAndTheSheetHasNone) {
    CSheetPlan plan;
    plan.Add(MakeKind({{2, 2}, {3, 3}}, {u"＋$$$"}, {0, 10}, 0, u"甲"), 3);
    plan.Add(MakeKind({{1, 5}, {1, 5}}, {u"$$$$"}, {0, 10}, 0, u"乙"), 2);
    const CSheet sheet = DrawSheet(plan, 1, 99, nullptr, nullptr);
    EXPECT_FALSE(sheet.HasQuestions());
    EXPECT_EQ(FormatSheet(sheet, Layout(2), nullptr),
              u"二、乙：错误：至少一个运算数没有选择运算符号。");
}

TEST(SheetLayoutTest, ACancelEndsThePlanAtItsSectionAndSaysSo) {
    struct Cancelling : CInfoReceiver {
        bool IsCancelled() const override { return true; }
    } receiver;
    CSheetPlan plan;
    plan.Add(MakeKind({{1, 100}, {1, 100}}, {u"＋$$$"}, {0, 200}, 0, u"甲"), 300);
    plan.Add(MakeKind({{2, 2}, {3, 3}}, {u"＋$$$"}, {0, 10}, 0, u"乙"), 3);
    const CSheet sheet = DrawSheet(plan, 1, 99, nullptr, &receiver);
    ASSERT_EQ(sheet.parts.size(), 1u);
    EXPECT_EQ(sheet.parts[0].questionSet.questions.Count(), 300);
    EXPECT_EQ(sheet.statusLine.rfind(u"一、甲：已取消，只生成了 ", 0), 0u);
}

TEST(SheetLayoutTest, TheWarningNamesEverySectionThatWantsMoreThanExist) {
    CSheetPlan plan;
    plan.Add(MakeKind({{1, 5}, {1, 5}}, {u"＋$$$"}, {0, 10}, 0, u"甲"), 25);
    plan.Add(MakeKind({{9, 9}, {1, 10}}, {u"＋$$$"}, {0, 19}, 0, u"9加几"), 50);
    plan.Add(MakeKind({{9, 9}, {1, 10}}, {u"＋$$$"}, {0, 19}, 0, u"9加几"), 10);
    plan.Add(MakeKind({{1, 5}, {1, 5}}, {u"＋$$$"}, {0, 10}, 0, u"甲"), 26);
    CAdmittedCounts counts;
    EXPECT_EQ(DrawSheet(plan, 1, 99, &counts, nullptr).repetitionWarning,
              u"二、9加几：该题型只有10道不同的题目，试卷中会有重复。"
              u"　四、甲：该题型只有25道不同的题目，试卷中会有重复。");
}

// Mixed, the text is as wide as the widest kind and the paper's answer slots
// fit every kind, the remainder of a division second in the plan included.
TEST(SheetLayoutTest, AMixedSheetKeepsTheSlotsOfEveryKind) {
    CSheetPlan plan;
    plan.Add(MakeKind({{1, 9}, {1, 9}}, {u"＋$$$"}, {0, 18}, 0, u"甲"), 4);
    plan.Add(MakeKind({{10, 99}, {2, 9}}, {u"$$$÷"}, {1, 49}, Cbr::Remainder, u"乙"), 4);
    plan.SetIsMixed(true);
    const CSlotLengths lengths = CSlotLengths::Of(
        DrawSheet(plan, 1, 99, nullptr, nullptr).parts.front().questionSet.templates);
    EXPECT_EQ(lengths.operands, (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(lengths.result, 2);
    EXPECT_EQ(lengths.remainder, 1);
}

} // namespace
} // namespace kelvo
