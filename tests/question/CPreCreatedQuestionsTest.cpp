#include "question/CPreCreatedQuestions.h"
#include "question/PresetTable.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

namespace kelvo {
namespace {

using Range = std::tuple<int32_t, int32_t, int32_t>;

Range Fields(const std::shared_ptr<CValueLimit>& limit) {
    return {limit->LowerLimit(), limit->UpperLimit(), limit->MultipleOf()};
}

class CPreCreatedQuestionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_presets.SetAddQuestionHandler([this](const std::shared_ptr<CQuestionData>& question) {
            m_raised.push_back(question);
        });
        m_presets.Load();
    }

    std::shared_ptr<CQuestionData> Entry(int32_t number) const {
        return m_presets.Questions().Item(number);
    }

    CPreCreatedQuestions m_presets;
    std::vector<std::shared_ptr<CQuestionData>> m_raised;
};

// The 78 entries every settings file knows, then the division with a
// remainder, the parentheses, the other forms and the decimals, each under a heading of its
// own.
TEST_F(CPreCreatedQuestionsTest, TheListHasItsEntriesInOrder) {
    ASSERT_EQ(m_presets.Questions().Count(), 110);
    EXPECT_EQ(Entry(1)->Title(), u"自己定制题型");
    EXPECT_EQ(Entry(2)->Title(), u"------------------------A");
    EXPECT_EQ(Entry(7)->Title(), u"10以内的连加");
    EXPECT_EQ(Entry(40)->Title(), u"------------------------D");
    EXPECT_EQ(Entry(60)->Title(), u"1到9的乘法口诀求商");
    EXPECT_EQ(Entry(78)->Title(), u"三位整十数乘以两位整十数");
    EXPECT_EQ(Entry(79)->Title(), u"------------------------G");
    EXPECT_EQ(Entry(80)->Title(), u"有余数的除法（表内）");
    EXPECT_EQ(Entry(82)->Title(), u"三位数除以一位数（有余数）");
    EXPECT_EQ(Entry(83)->Title(), u"------------------------H");
    EXPECT_EQ(Entry(84)->Title(), u"两步混合运算（带小括号，100以内）");
    EXPECT_EQ(Entry(84)->ParenthesesChoice(), CQuestionData::RandomParentheses);
    EXPECT_EQ(Entry(85)->Title(), u"乘除法带小括号（表内）");
    EXPECT_EQ(Entry(85)->ParenthesesChoice(), 2);
    EXPECT_EQ(Entry(85)->Form(), QuestionForm::Calculate);
    EXPECT_EQ(Entry(86)->Title(), u"------------------------I");
    EXPECT_EQ(Entry(87)->Title(), u"20以内加减法比大小");
    EXPECT_EQ(Entry(87)->Form(), QuestionForm::Compare);
    EXPECT_EQ(Entry(90)->Form(), QuestionForm::FillOperator);
    EXPECT_EQ(Entry(92)->Form(), QuestionForm::EstimateHundreds);
    EXPECT_EQ(Entry(94)->Title(), u"三位数除以一位数估算");
    EXPECT_EQ(Entry(94)->Form(), QuestionForm::EstimateTens);
    EXPECT_FALSE(Entry(94)->IsDecimal());
    EXPECT_EQ(Entry(95)->Title(), u"------------------------J");
    EXPECT_EQ(Entry(96)->Title(), u"一位小数加减法");
    EXPECT_EQ(Entry(101)->Title(), u"除数是小数的除法");
    EXPECT_EQ(Entry(101)->DecimalPlaces(), (CDecimalUnits{{1, 1}, 0}));
    EXPECT_EQ(Entry(110)->Title(), u"分数比大小");
    EXPECT_EQ(Entry(110)->Form(), QuestionForm::Compare);

    ASSERT_EQ(m_raised.size(), 110u);
    std::set<std::u16string> titles;
    for (int32_t i = 1; i <= PresetCount; ++i) {
        EXPECT_EQ(m_raised[static_cast<size_t>(i - 1)], Entry(i));
        titles.insert(Entry(i)->Title());
    }
    EXPECT_EQ(titles.size(), 110u);
}

TEST_F(CPreCreatedQuestionsTest, SeparatorsMapToNoneAndPresetsToTheirEntry) {
    int32_t separators = 0;
    int32_t presets = 0;
    for (int32_t i = 1; i <= PresetCount; ++i) {
        const auto entry = Entry(i);
        if (entry->Title().starts_with(u"------------------------")) {
            ++separators;
            EXPECT_EQ(m_presets.Item(entry->Title()), nullptr);
            EXPECT_EQ(entry->Limits().Count(), 0);
            EXPECT_EQ(entry->ResultLimit(), nullptr);
        } else {
            ++presets;
            EXPECT_EQ(m_presets.Item(entry->Title()), entry);
            EXPECT_EQ(entry->Operators().Count(), entry->Limits().Count() - 1);
        }
    }
    EXPECT_EQ(separators, 11);
    EXPECT_EQ(presets, 99);
    EXPECT_EQ(m_presets.Item(u"10以内的加法 "), nullptr);
}

TEST_F(CPreCreatedQuestionsTest, AThreeOperandPresetHasEveryField) {
    const auto question = m_presets.Item(u"10以内的连加");
    ASSERT_NE(question, nullptr);
    ASSERT_EQ(question->Limits().Count(), 3);
    for (int32_t k = 1; k <= 3; ++k) {
        EXPECT_EQ(Fields(question->Limits().Item(k)), Range(1, 10, 1));
    }
    EXPECT_EQ(question->Operator1(), u"＋$$$");
    EXPECT_EQ(question->Operator2(), u"＋$$$");
    EXPECT_EQ(Fields(question->ResultLimit()), Range(0, 10, 1));
    EXPECT_EQ(question->Cbr(), 0);
    EXPECT_EQ(m_presets.Item(u"自己定制题型")->Operator1(), u"＋$$$$");
}

TEST_F(CPreCreatedQuestionsTest, CarryAndBorrowCodesFollowTheTitles) {
    const std::pair<const char16_t*, int32_t> cases[] = {
        {u"20以内的不进位加法", 2},  {u"20以内的进位加法", 1},      {u"20以内的不借位减法", 4},
        {u"20以内的借位减法", 3},    {u"100以内的不进位加法", 2},   {u"100以内的进位加法", 1},
        {u"100以内的不借位减法", 4}, {u"100以内的借位减法", 3},     {u"两位数减两位数-借位", 3},
        {u"两位数加两位数-进位", 1}, {u"两位数减两位数-不借位", 4}, {u"两位数加两位数-不进位", 2},
        {u"20以内的加法", 0},
    };
    for (const auto& [title, cbr] : cases) {
        EXPECT_EQ(m_presets.Item(title)->Cbr(), cbr);
    }
}

// The entries whose values differ from what their titles alone suggest.
TEST_F(CPreCreatedQuestionsTest, ValuesThatDifferFromTheTitlesStandAsListed) {
    struct Case {
        int32_t number;
        std::vector<Range> operands;
        std::vector<std::u16string> gaps;
        Range result;
        int32_t cbr;
    };
    const Case cases[] = {
        {41, {{1, 99, 10}, {1, 9, 1}}, {u"＋$$$"}, {1, 200, 1}, 0},
        {50, {{10, 100, 1}, {10, 100, 1}}, {u"$－$$"}, {0, 100, 1}, 3},
        {51, {{10, 100, 1}, {10, 100, 1}}, {u"＋$$$"}, {0, 100, 1}, 1},
        {52, {{10, 100, 1}, {10, 100, 1}}, {u"$－$$"}, {0, 100, 1}, 4},
        {53, {{10, 100, 1}, {10, 100, 1}}, {u"＋$$$"}, {0, 100, 1}, 2},
        {55, {{100, 999, 1}, {100, 999, 1}}, {u"$－$$"}, {1, 1000, 1}, 0},
        {59, {{1, 9, 1}, {2, 9, 1}}, {u"$$×$"}, {1, 100, 1}, 0},
        {61, {{1, 5, 1}, {1, 5, 1}, {1, 25, 1}}, {u"$$×$", u"＋$$$"}, {0, 100, 1}, 0},
        {62, {{1, 5, 1}, {1, 5, 1}, {1, 25, 1}}, {u"$$×$", u"$－$$"}, {0, 100, 1}, 0},
        {63, {{1, 9, 1}, {1, 9, 1}, {1, 81, 1}}, {u"$$×$", u"＋$$$"}, {0, 100, 1}, 0},
        {64, {{1, 9, 1}, {1, 9, 1}, {1, 81, 1}}, {u"$$×$", u"$－$$"}, {0, 100, 1}, 0},
        {70, {{1, 1000, 100}, {1, 9, 1}}, {u"$$×$"}, {0, 10000, 1}, 0},
        {77, {{100, 10000, 100}, {1, 9, 1}}, {u"$$$÷"}, {0, 1000, 1}, 0},
        {80, {{3, 89, 1}, {2, 9, 1}}, {u"$$$÷"}, {1, 9, 1}, 5},
        {81, {{10, 99, 1}, {2, 9, 1}}, {u"$$$÷"}, {1, 100, 1}, 5},
        {82, {{100, 999, 1}, {2, 9, 1}}, {u"$$$÷"}, {1, 1000, 1}, 5},
    };
    for (const Case& c : cases) {
        const auto question = Entry(c.number);
        ASSERT_EQ(question->Limits().Count(), static_cast<int32_t>(c.operands.size())) << c.number;
        for (size_t k = 0; k < c.operands.size(); ++k) {
            EXPECT_EQ(Fields(question->Limits().Item(static_cast<int32_t>(k + 1))), c.operands[k])
                << c.number;
        }
        for (size_t k = 0; k < c.gaps.size(); ++k) {
            EXPECT_EQ(question->Operators().Item(static_cast<int32_t>(k + 1)), c.gaps[k])
                << c.number;
        }
        EXPECT_EQ(Fields(question->ResultLimit()), c.result) << c.number;
        EXPECT_EQ(question->Cbr(), c.cbr) << c.number;
    }
}

TEST_F(CPreCreatedQuestionsTest, LoadingAgainBuildsANewListOfTheSameEntries) {
    const auto first = m_presets.Item(u"整百数除以一位数");
    m_presets.Load();
    EXPECT_EQ(m_presets.Questions().Count(), 110);
    EXPECT_NE(m_presets.Item(u"整百数除以一位数"), first);
    EXPECT_EQ(Fields(m_presets.Item(u"整百数除以一位数")->Limit1()), Range(100, 10000, 100));
    EXPECT_EQ(m_raised.size(), 220u);
}

} // namespace
} // namespace kelvo
