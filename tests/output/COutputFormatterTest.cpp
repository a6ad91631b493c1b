#include "output/COutputFormatter.h"

#include "foundation/RuntimeError.h"
#include "foundation/UserInterfaceYield.h"
#include "generation/CInfoReceiver.h"
#include "number/OperatorCodes.h"

#include <gtest/gtest.h>

namespace kelvo {
namespace {

// A question 12＋5=17 is written {{12, Op::Plus, 5}, 17}.
std::shared_ptr<CExprValue> Question(std::vector<int32_t> values, std::vector<int32_t> operators,
                                     int32_t result) {
    OperandList operands;
    for (size_t k = 0; k < values.size(); ++k) {
        auto operand = std::make_shared<COperand>();
        operand->SetLeftOperator(k == 0 ? Op::None : operators[k - 1]);
        operand->SetResultValue(values[k]);
        operands.push_back(operand);
    }
    auto resultOperand = std::make_shared<COperand>();
    resultOperand->SetResultValue(result);
    CExpression expression;
    expression.Init(std::move(operands), resultOperand);
    return expression.GetExprValue();
}

// A template whose operands and result reach the given upper limits.
CExpression Representative(std::vector<int32_t> uppers, int32_t resultUpper) {
    OperandList operands;
    for (int32_t upper : uppers) {
        auto operand = std::make_shared<COperand>();
        operand->InitLimits(0, upper, 1);
        operands.push_back(operand);
    }
    auto result = std::make_shared<COperand>();
    result->InitLimits(0, resultUpper, 1);
    CExpression expression;
    expression.Init(std::move(operands), result);
    return expression;
}

struct Layout {
    int32_t rows = 1;
    int32_t columns = 1;
    int32_t rowSpacing = 0;
    int32_t columnSpacing = 0;
    int32_t perTitle = 0;
    std::u16string title = u"T";
    bool fill = false;
    bool answers = false;
};

std::shared_ptr<COutputSettings> Settings(const Layout& layout) {
    auto settings = std::make_shared<COutputSettings>();
    settings->SetRowCount(layout.rows);
    settings->SetColumnCount(layout.columns);
    settings->SetRowSpacing(layout.rowSpacing);
    settings->SetColumnSpacing(layout.columnSpacing);
    settings->SetRowCountPerTitle(layout.perTitle);
    settings->SetTitle(layout.title);
    settings->SetIsFillQuestions(layout.fill);
    settings->SetIsShowAnswer(layout.answers);
    return settings;
}

QuestionList Questions(std::initializer_list<std::shared_ptr<CExprValue>> values) {
    QuestionList list;
    for (const auto& value : values) {
        list.Add(value);
    }
    return list;
}

// The four questions of the worked example, with widths (2, 1) and result 2.
QuestionList ExampleQuestions() {
    return Questions({Question({12, 5}, {Op::Plus}, 17), Question({3, 4}, {Op::Plus}, 7),
                      Question({9, 9}, {Op::Plus}, 18), Question({10, 2}, {Op::Plus}, 12)});
}

std::u16string FormatText(const Layout& layout, const QuestionList& questions,
                          CInfoReceiver* receiver = nullptr, const BlankPositions& blanks = {}) {
    COutputFormatter formatter;
    formatter.SetSettings(Settings(layout));
    formatter.SetExprValues(&questions);
    formatter.SetBlanks(&blanks);
    formatter.RepresentativeExpression(Representative({20, 9}, 99));
    return formatter.Format(receiver).ToString();
}

class COutputFormatterTest : public ::testing::Test {
protected:
    void TearDown() override { SetYieldHook(nullptr); }
};

TEST_F(COutputFormatterTest, TheWorkedExampleComesOutByteForByte) {
    const Layout layout{
        .rows = 2, .columns = 2, .rowSpacing = 1, .columnSpacing = 3, .perTitle = 1};
    EXPECT_EQ(FormatText(layout, ExampleQuestions()), u"T\r\n"
                                                      u"\r\n"
                                                      u"12＋5=  "
                                                      u"   "
                                                      u" 3＋4=  \r\n"
                                                      u"\r\n"
                                                      u"\r\n"
                                                      u"T\r\n"
                                                      u"\r\n"
                                                      u" 9＋9=  "
                                                      u"   "
                                                      u"10＋2=  \r\n");
}

TEST_F(COutputFormatterTest, WithoutTitlesOnlyTheSpacingPrecedesEachRow) {
    const Layout layout{
        .rows = 2, .columns = 2, .rowSpacing = 1, .columnSpacing = 3, .perTitle = 0};
    EXPECT_EQ(FormatText(layout, ExampleQuestions()), u"\r\n"
                                                      u"12＋5=      3＋4=  \r\n"
                                                      u"\r\n"
                                                      u" 9＋9=     10＋2=  \r\n");
}

TEST_F(COutputFormatterTest, TheSwitchesGiveTheirFourForms) {
    struct Case {
        bool fill;
        bool answers;
        int32_t blank;
        std::u16string form;
    };
    const Case cases[] = {
        {false, false, 1, u"12＋5=  \r\n"},    {false, true, 1, u"12＋5=17\r\n"},
        {true, false, 2, u"12＋(   )=17\r\n"}, {true, false, 1, u"(    )＋5=17\r\n"},
        {true, true, 2, u"12＋(5)=17\r\n"},    {true, true, 1, u"(12)＋5=17\r\n"},
    };
    const QuestionList questions = Questions({Question({12, 5}, {Op::Plus}, 17)});
    for (const Case& c : cases) {
        const std::u16string text =
            FormatText({.fill = c.fill, .answers = c.answers}, questions, nullptr, {c.blank});
        // A cell is right-aligned, so a narrower form gets leading spaces.
        EXPECT_EQ(text.substr(text.find_first_not_of(u' ')), c.form) << c.fill << c.answers;
    }
}

TEST_F(COutputFormatterTest, AFillInCellBlanksTheOperandDrawnForIt) {
    const auto question = Question({1000, 20, 3, 4}, {Op::Minus, Op::Times, Op::Plus}, 944);
    const QuestionList questions = Questions({question, question, question, question, question});
    COutputFormatter formatter;
    formatter.SetSettings(Settings({.rows = 5, .fill = true}));
    formatter.SetExprValues(&questions);
    const BlankPositions blanks{3, 1, 4, 2, 3};
    formatter.SetBlanks(&blanks);
    formatter.RepresentativeExpression(Representative({1000, 99, 9, 9}, 9999));
    EXPECT_EQ(formatter.Format(nullptr).ToString(), u"1000－20×(   )＋4=944\r\n"
                                                    u"(      )－20×3＋4=944\r\n"
                                                    u"1000－20×3＋(   )=944\r\n"
                                                    u"1000－(    )×3＋4=944\r\n"
                                                    u"1000－20×(   )＋4=944\r\n");
}

// A question's parentheses are full-width, a blank's ASCII: "（(  )－8）÷4"
// leaves no doubt which is which.
TEST_F(COutputFormatterTest, ParenthesesAreFullWidthAndABlankStaysASCII) {
    auto grouped = Question({36, 8, 4}, {Op::Minus, Op::Divide}, 7);
    grouped->SetGrouping({0, 1});
    auto last = Question({48, 12, 9}, {Op::Minus, Op::Plus}, 27);
    last->SetGrouping({1, 2});
    EXPECT_EQ(grouped->LeftPartToString().ToString(), u"（36－8）÷4=");
    EXPECT_EQ(last->LeftPartToString().ToString(), u"48－（12＋9）=");
    const QuestionList questions = Questions({grouped, grouped, grouped, last});
    COutputFormatter formatter;
    formatter.SetSettings(Settings({.rows = 4, .fill = true}));
    formatter.SetExprValues(&questions);
    const BlankPositions blanks{1, 2, 3, 3};
    formatter.SetBlanks(&blanks);
    formatter.RepresentativeExpression(Representative({99, 99, 9}, 99));
    EXPECT_EQ(formatter.Format(nullptr).ToString(), u"  （(    )－8）÷4=7\r\n"
                                                    u" （36－(    )）÷4=7\r\n"
                                                    u"  （36－8）÷(   )=7\r\n"
                                                    u"48－（12＋(   )）=27\r\n");
}

TEST_F(COutputFormatterTest, FillInFormWithoutABlankForEveryCellIsASubscriptError) {
    const QuestionList questions = ExampleQuestions();
    for (const BlankPositions& blanks : {BlankPositions{}, BlankPositions{1, 2, 1}}) {
        try {
            (void)FormatText({.rows = 2, .columns = 2, .fill = true}, questions, nullptr, blanks);
            ADD_FAILURE() << blanks.size();
        } catch (const CRuntimeError& error) {
            EXPECT_EQ(error.Number(), ErrorNumber::SubscriptOutOfRange);
        }
    }
    // Outside fill-in form no blank is read.
    EXPECT_EQ(FormatText({.rows = 1}, questions), u"12＋5=  \r\n");
}

TEST_F(COutputFormatterTest, TitlesStandEveryNRowsEvenWhenEmpty) {
    QuestionList questions;
    for (int32_t i = 0; i < 5; ++i) {
        questions.Add(Question({1, 1}, {Op::Plus}, 2));
    }
    struct Case {
        int32_t perTitle;
        std::u16string title;
        std::u16string text;
    };
    const std::u16string row = u"1＋1=  \r\n";
    const Case cases[] = {
        {2, u"T", u"T\r\n" + row + row + u"\r\n\r\nT\r\n" + row + row + u"\r\n\r\nT\r\n" + row},
        {9, u"T", u"T\r\n" + row + row + row + row + row},
        {3, u"", u"\r\n" + row + row + row + u"\r\n\r\n\r\n" + row + row},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatText({.rows = 5, .perTitle = c.perTitle, .title = c.title}, questions),
                  c.text)
            << c.perTitle;
    }
}

TEST_F(COutputFormatterTest, SpacingAppliesBeforeEveryRowAndBetweenCells) {
    const QuestionList questions = ExampleQuestions();
    EXPECT_EQ(FormatText({.rows = 2, .columns = 2}, questions),
              u"12＋5=   3＋4=  \r\n 9＋9=  10＋2=  \r\n");
    EXPECT_EQ(FormatText({.rows = 2, .columns = 2, .rowSpacing = 2}, questions),
              u"\r\n\r\n12＋5=   3＋4=  \r\n\r\n\r\n 9＋9=  10＋2=  \r\n");
}

TEST_F(COutputFormatterTest, CellsAlignToTheWidestCellOfTheWholeSheet) {
    const QuestionList questions =
        Questions({Question({1, 1}, {Op::Plus}, 2), Question({1, 1}, {Op::Plus}, 2),
                   Question({1, 1}, {Op::Plus}, 2), Question({100, 99}, {Op::Minus}, 1)});
    EXPECT_EQ(FormatText({.rows = 4, .answers = true}, questions),
              u"   1＋1=2\r\n   1＋1=2\r\n   1＋1=2\r\n100－99=1\r\n");
}

TEST_F(COutputFormatterTest, MoreCellsThanQuestionsLeaveTheLastRowShort) {
    const QuestionList three =
        Questions({Question({12, 5}, {Op::Plus}, 17), Question({3, 4}, {Op::Plus}, 7),
                   Question({9, 9}, {Op::Plus}, 18)});
    EXPECT_EQ(FormatText({.rows = 5, .columns = 2, .columnSpacing = 1, .answers = true}, three),
              u"12＋5=17   3＋4=7\r\n 9＋9=18\r\n");
    EXPECT_EQ(FormatText({.rows = 1, .columns = 2, .answers = true}, ExampleQuestions()),
              u"12＋5=17  3＋4=7\r\n");
}

TEST_F(COutputFormatterTest, WithoutQuestionsTheTextIsEmpty) {
    COutputFormatter formatter;
    formatter.SetSettings(Settings({}));
    EXPECT_EQ(formatter.Format(nullptr).Length(), 0);
    const QuestionList empty;
    formatter.SetExprValues(&empty);
    EXPECT_EQ(formatter.Format(nullptr).Length(), 0);
    EXPECT_EQ(formatter.ExprValues(), &empty);

    const QuestionList questions = ExampleQuestions();
    formatter.RepresentativeExpression(Representative({20, 9}, 99));
    formatter.SetExprValues(&questions);
    EXPECT_EQ(formatter.Format(nullptr).ToString(), u"12＋5=  \r\n");
    EXPECT_EQ(formatter.ExprValues(), nullptr);
}

TEST_F(COutputFormatterTest, TheRepresentativeExpressionGivesTheWidths) {
    COutputFormatter formatter;
    formatter.RepresentativeExpression(Representative({20, 9}, 100));
    EXPECT_EQ(formatter.OperandLength(1), 2);
    EXPECT_EQ(formatter.OperandLength(2), 1);
    EXPECT_EQ(formatter.ResultLength(), 3);
    EXPECT_THROW((void)formatter.OperandLength(3), CRuntimeError);
}

class CRecordingReceiver : public CInfoReceiver {
public:
    void Start(const std::u16string& info) override { calls.push_back(u"Start " + info); }
    void Stopped() override { calls.push_back(u"Stopped"); }
    std::vector<std::u16string> calls;
};

TEST_F(COutputFormatterTest, LargeSheetsReportProgressAndYieldEveryTwoHundred) {
    int32_t yields = 0;
    SetYieldHook([&yields] { ++yields; });
    const auto question = Question({1, 1}, {Op::Plus}, 2);
    for (const auto& [rows, columns, bracketed, expectedYields] :
         {std::tuple{999, 1, false, 4 + 4}, std::tuple{1000, 1, true, 5 + 5},
          std::tuple{50, 20, true, 5 + 0}}) {
        QuestionList questions;
        for (int32_t i = 0; i < rows * columns; ++i) {
            questions.Add(question);
        }
        CRecordingReceiver receiver;
        yields = 0;
        (void)FormatText({.rows = rows, .columns = columns}, questions, &receiver);
        const std::vector<std::u16string> expected =
            bracketed ? std::vector<std::u16string>{u"Start 格式化表达式", u"Stopped"}
                      : std::vector<std::u16string>{};
        EXPECT_EQ(receiver.calls, expected) << rows;
        EXPECT_EQ(yields, expectedYields) << rows;
    }
}

} // namespace
} // namespace kelvo
