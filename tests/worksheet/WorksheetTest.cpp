#include "worksheet/Worksheet.h"
#include "foundation/RandomSource.h"
#include "generation/CInfoReceiver.h"
#include "question/CPreCreatedQuestions.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvo {
namespace {

std::shared_ptr<CValueLimit> Limit(int32_t lower, int32_t upper) {
    auto limit = std::make_shared<CValueLimit>();
    limit->Init(lower, upper, 1, 1);
    return limit;
}

// a ＋ b with both operands and the result in the given ranges.
CQuestionData Addition(int32_t operandUpper, int32_t resultLower, int32_t resultUpper,
                       std::u16string gap = u"＋$$$") {
    CQuestionData kind;
    kind.AddLimit(Limit(1, operandUpper));
    kind.AddOperator(std::move(gap));
    kind.AddLimit(Limit(1, operandUpper));
    kind.SetResultLimit(Limit(resultLower, resultUpper));
    return kind;
}

COutputSettings Layout(int32_t rows, int32_t columns) {
    COutputSettings layout;
    layout.SetRowCount(rows);
    layout.SetColumnCount(columns);
    layout.SetColumnSpacing(4);
    return layout;
}

class WorksheetTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(4711); }
    void TearDown() override { UseClockForRandomReseed(); }
};

TEST_F(WorksheetTest, AKindWithoutQuestionsGivesTheReasonAsItsText) {
    struct Case {
        CQuestionData kind;
        const char16_t* text;
    };
    const Case cases[] = {
        {Addition(10, 1, 20, u"$$$$"), u"错误：至少一个运算数没有选择运算符号。"},
        // 5 ＋ 5 never lies in 11..20.
        {Addition(5, 11, 20), u"很抱歉，没有生成题目。可能是您设计的算式有问题。"},
    };
    for (const Case& c : cases) {
        const CWorksheet worksheet = MakeWorksheet(c.kind, Layout(10, 5), nullptr);
        EXPECT_FALSE(worksheet.questionSet.HasQuestions());
        EXPECT_EQ(worksheet.text, c.text);
        EXPECT_EQ(FormatWorksheet(worksheet.questionSet, Layout(2, 2), nullptr), c.text);
    }
}

TEST_F(WorksheetTest, TheLayoutAsksForItsCellsAndReformatsTheSameQuestions) {
    const CWorksheet worksheet = MakeWorksheet(Addition(50, 1, 100), Layout(10, 5), nullptr);
    ASSERT_EQ(worksheet.questionSet.questions.Count(), 50);
    EXPECT_EQ(std::count(worksheet.text.begin(), worksheet.text.end(), u'='), 50);

    COutputSettings withAnswers = Layout(10, 5);
    withAnswers.SetIsShowAnswer(true);
    const std::u16string answered = FormatWorksheet(worksheet.questionSet, withAnswers, nullptr);
    EXPECT_NE(answered, worksheet.text);
    EXPECT_EQ(FormatWorksheet(worksheet.questionSet, Layout(10, 5), nullptr), worksheet.text);
    // Fewer cells than questions: the text stops at the layout.
    const std::u16string smaller = FormatWorksheet(worksheet.questionSet, Layout(2, 5), nullptr);
    EXPECT_EQ(std::count(smaller.begin(), smaller.end(), u'='), 10);
}

// The sheet the pupils get and its answers blank the same operand: "7＋(    )=20"
// is answered "7＋(13)=20", however often the same questions are formatted.
TEST_F(WorksheetTest, EveryFillInFormBlanksTheSameOperand) {
    COutputSettings sheet = Layout(10, 5);
    sheet.SetIsFillQuestions(true);
    const CWorksheet worksheet = MakeWorksheet(Addition(50, 1, 100), sheet, nullptr);
    COutputSettings key = sheet;
    key.SetIsShowAnswer(true);
    const std::u16string answered = FormatWorksheet(worksheet.questionSet, key, nullptr);

    EXPECT_EQ(FormatWorksheet(worksheet.questionSet, sheet, nullptr), worksheet.text);
    // Where a cell's blank opens, what stands before it is the same in both forms.
    auto blankStarts = [](const std::u16string& text) {
        std::vector<std::u16string> prefixes;
        for (size_t open = text.find(u'('); open != std::u16string::npos;
             open = text.find(u'(', open + 1)) {
            const size_t cellStart = text.find_last_of(u" \n", open) + 1;
            prefixes.push_back(text.substr(cellStart, open - cellStart));
        }
        return prefixes;
    };
    const std::vector<std::u16string> sheetBlanks = blankStarts(worksheet.text);
    ASSERT_EQ(sheetBlanks.size(), 50U);
    EXPECT_EQ(blankStarts(answered), sheetBlanks);
    EXPECT_TRUE(std::any_of(sheetBlanks.begin(), sheetBlanks.end(),
                            [](const std::u16string& prefix) { return prefix.empty(); }));
    EXPECT_TRUE(std::any_of(sheetBlanks.begin(), sheetBlanks.end(),
                            [](const std::u16string& prefix) { return !prefix.empty(); }));
}

// A job cancelled at its first yield keeps its 200 questions and says so.
TEST_F(WorksheetTest, TheQuestionSetTellsHowItsJobEnded) {
    class CancelAtOnce : public CInfoReceiver {
    public:
        bool IsCancelled() const override { return true; }
    } receiver;
    const CQuestionSet cancelled = MakeQuestions(Addition(200, 1, 400), 5000, &receiver);
    EXPECT_EQ(cancelled.end, GenerationEnd::Cancelled);
    EXPECT_EQ(cancelled.generatedCount, 200);
    EXPECT_EQ(StatusLine(cancelled), u"已取消，只生成了 200 道题目");

    CQuestionSet set = MakeQuestions(Addition(200, 1, 400), 5000, nullptr);
    EXPECT_EQ(set.generatedCount, 5000);
    EXPECT_EQ(StatusLine(set), u"");
    set.end = GenerationEnd::GaveUp;
    set.generatedCount = 7;
    EXPECT_EQ(StatusLine(set), u"只生成了 7 道题目");
}

} // namespace
} // namespace kelvo
