#include "listening/ChineseReading.h"

#include "foundation/RandomSource.h"
#include "foundation/TextNumber.h"
#include "generation/CExprValue.h"
#include "number/OperatorCodes.h"
#include "question/CPreCreatedQuestions.h"
#include "worksheet/QuestionSet.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace kelvo {
namespace {

// Reads a spoken number back by the rules of the language, not of the code
// under test: a digit waits for its unit, 十 alone is ten, 万 multiplies all
// before it, 零 only keeps the place.
int32_t ValueOf(const std::u16string& text) {
    const std::u16string digits = u"零一二三四五六七八九";
    int32_t total = 0;
    int32_t section = 0;
    int32_t digit = 0;
    bool hasDigit = false;
    for (char16_t c : text) {
        if (c == u'两') {
            c = u'二';
        }
        if (const size_t d = digits.find(c); d != std::u16string::npos) {
            digit = static_cast<int32_t>(d);
            hasDigit = d > 0;
        } else if (c == u'万') {
            total = (section + digit) * 10000;
            section = digit = 0;
            hasDigit = false;
        } else {
            const int32_t unit = c == u'十' ? 10 : c == u'百' ? 100 : c == u'千' ? 1000 : -1;
            EXPECT_GT(unit, 0) << "not a numeral: " << static_cast<int>(c);
            section += (hasDigit ? digit : 1) * unit;
            digit = 0;
            hasDigit = false;
        }
    }
    return total + section + digit;
}

TEST(ChineseReadingTest, EveryNumberOfAQuestionReadsBackAndKeepsTheRules) {
    for (int32_t n = 0; n <= 10000; ++n) {
        const std::u16string text = SpokenNumber(n);
        const std::string decimal = std::to_string(n);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(ValueOf(text), n) << n;
        // A run of zeros between digits is one 零; zeros at the end are silent.
        const std::string inner = decimal.substr(0, decimal.find_last_not_of('0') + 1);
        const bool hasInnerZero = n > 0 && inner.find('0') != std::string::npos;
        EXPECT_EQ(text.find(u'零') != std::u16string::npos, n == 0 || hasInnerZero) << n;
        EXPECT_EQ(text.find(u"零零"), std::u16string::npos) << n;
        // Ten to nineteen start with 十; nothing starts with 一十.
        EXPECT_EQ(text.front() == u'十', n >= 10 && n <= 19) << n;
        EXPECT_NE(text.rfind(u"一十", 0), 0U) << n;
        // 两 only leads, and only before a hundred or more.
        const bool leadsWithTwo = n >= 200 && decimal.front() == '2';
        EXPECT_EQ(text.find(u'两'), leadsWithTwo ? 0 : std::u16string::npos) << n;
    }
}

TEST(ChineseReadingTest, NumbersAndQuestionsAreSaidAsTeachersReadThem) {
    const std::pair<int32_t, const char16_t*> numbers[] = {
        {0, u"零"},
        {2, u"二"},
        {10, u"十"},
        {22, u"二十二"},
        {37, u"三十七"},
        {105, u"一百零五"},
        {110, u"一百一十"},
        {200, u"两百"},
        {1010, u"一千零一十"},
        {2000, u"两千"},
        {2022, u"两千零二十二"},
        {10000, u"一万"},
        {10010, u"一万零一十"},
        {20000, u"两万"},
    };
    for (const auto& [value, text] : numbers) {
        EXPECT_EQ(SpokenNumber(value), text) << value;
    }
    const std::tuple<int32_t, int32_t, const char16_t*> decimals[] = {
        {3, 1, u"零点三"},   {205, 2, u"二点零五"},   {125, 1, u"十二点五"},
        {250, 2, u"二点五"}, {35, -2, u"三千五百"},   {42, 3, u"零点零四二"},
        {2000, 1, u"两百"},  {20005, 1, u"两千点五"},
    };
    for (const auto& [value, exponent, text] : decimals) {
        EXPECT_EQ(SpokenDecimal(value, exponent), text) << value << ' ' << exponent;
    }
    const auto fraction = [](int32_t d) { return static_cast<int16_t>(FractionUnit(d)); };
    const auto mixed = [](int32_t d) { return static_cast<int16_t>(MixedFractionUnit(d)); };
    const std::tuple<int32_t, int32_t, const char16_t*> values[] = {
        {3, fraction(5), u"五分之三"},
        {7, fraction(6), u"六分之七"},
        {7, mixed(6), u"一又六分之一"},
        {5, mixed(6), u"六分之五"},
        {23, mixed(10), u"二又十分之三"},
        {205, 2, u"二点零五"},
        {4, 0, u"四"},
    };
    for (const auto& [value, unit, text] : values) {
        EXPECT_EQ(SpokenValue(value, unit), text) << value << ' ' << unit;
    }

    struct Case {
        std::vector<CExprValue::OperandValue> operands;
        int32_t result;
        int32_t blank;
        const char16_t* spoken;
        Parentheses group = {};
        QuestionForm form = QuestionForm::Calculate;
        int32_t comparand = 0;
        CDecimalUnits units = {};
    };
    const Case questions[] = {
        {{{0, 37}, {Op::Plus, 5}}, 42, 0, u"三十七加五等于"},
        {{{0, 100}, {Op::Minus, 20}}, 80, 0, u"一百减二十等于"},
        {{{0, 7}, {Op::Times, 8}}, 56, 0, u"七乘八等于"},
        {{{0, 72}, {Op::Divide, 8}}, 9, 0, u"七十二除以八等于"},
        {{{0, 7}, {Op::Plus, 13}}, 20, 2, u"七加几等于二十"},
        {{{0, 5}, {Op::Times, 4}}, 20, 1, u"几乘四等于二十"},
        {{{0, 12}, {Op::Plus, 3}, {Op::Minus, 5}, {Op::Divide, 1}},
         10,
         0,
         u"十二加三减五除以一等于"},
        {{{0, 17}, {Op::Divide, 5}}, 3, 0, u"十七除以五等于几余几"},
        {{{0, 17}, {Op::Divide, 5}}, 3, 1, u"几除以五等于三余二"},
        {{{0, 36}, {Op::Minus, 8}, {Op::Divide, 4}},
         7,
         0,
         u"左括号三十六减八右括号除以四等于",
         {0, 1}},
        {{{0, 48}, {Op::Minus, 12}, {Op::Plus, 9}},
         27,
         3,
         u"四十八减左括号十二加几右括号等于二十七",
         {1, 2}},
        // The other forms are set in words, never with a blank.
        {{{0, 8}, {Op::Plus, 5}}, 13, 1, u"八加五与十二比较大小", {}, QuestionForm::Compare, 12},
        {{{0, 8}, {Op::Plus, 5}},
         13,
         0,
         u"八和五之间填什么运算符号，得十三",
         {},
         QuestionForm::FillOperator},
        {{{0, 6}, {Op::Plus, 3}, {Op::Times, 2}},
         18,
         0,
         u"左括号六、三右括号、二之间填什么运算符号，得十八",
         {0, 1},
         QuestionForm::FillOperator},
        {{{0, 49}, {Op::Plus, 32}},
         81,
         0,
         u"估一估，四十九加三十二大约等于几",
         {},
         QuestionForm::EstimateTens},
        // Decimals as written: 0.3×4=, 2.05＋几=4.1.
        {{{0, 3}, {Op::Times, 4}}, 12, 0, u"零点三乘四等于", {}, {}, 0, {{1, 0}, 1}},
        {{{0, 205}, {Op::Plus, 205}}, 410, 2, u"二点零五加几等于四点一", {}, {}, 0, {{2, 2}, 2}},
        // Fractions: 1/2＋1/3=, 3/2＋几=2又1/6, 几＋1/2=1.
        {{{0, 1}, {Op::Plus, 1}},
         5,
         0,
         u"二分之一加三分之一等于",
         {},
         {},
         0,
         {{fraction(2), fraction(3)}, fraction(6)}},
        {{{0, 3}, {Op::Plus, 2}},
         13,
         2,
         u"二分之三加几等于二又六分之一",
         {},
         {},
         0,
         {{fraction(2), fraction(3)}, mixed(6)}},
        {{{0, 1}, {Op::Plus, 1}},
         1,
         1,
         u"几加二分之一等于一",
         {},
         {},
         0,
         {{fraction(2), fraction(2)}, 0}},
        {{{0, 3}, {Op::Plus, 2}},
         9,
         0,
         u"四分之三与三分之二比较大小",
         {},
         QuestionForm::CompareNumbers,
         8,
         {{fraction(4), fraction(3)}, fraction(12)}},
    };
    for (const Case& c : questions) {
        CExprValue question;
        question.CreateFrom(c.operands, c.result);
        question.SetGrouping(c.group);
        question.SetForm(c.form);
        question.SetComparand(c.comparand);
        question.SetUnits(c.units);
        EXPECT_EQ(SpokenQuestion(question, c.blank), c.spoken);
    }
    auto right = std::make_shared<CExprValue>();
    right->CreateFrom(std::vector<CExprValue::OperandValue>{{0, 9}, {Op::Plus, 3}}, 12);
    CExprValue compared;
    compared.CreateFrom(std::vector<CExprValue::OperandValue>{{0, 8}, {Op::Plus, 5}}, 13);
    compared.SetForm(QuestionForm::Compare);
    compared.SetComparedQuestion(right);
    EXPECT_EQ(SpokenQuestion(compared, 0), u"八加五与九加三比较大小");
    EXPECT_EQ(SpokenItem(3, u"七乘八等于"), u"第三题，七乘八等于");
    EXPECT_EQ(SpokenItem(200, u"七乘八等于"), u"第二百题，七乘八等于");
}

size_t Occurrences(std::u16string_view text, std::u16string_view part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::u16string_view::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

// Every fraction preset's questions are said in words, each fraction as 分之.
TEST(ChineseReadingTest, EveryFractionPresetIsSaidInWords) {
    CPreCreatedQuestions presets;
    presets.Load();
    const CSeededRandom seeded(42);
    for (int32_t i = 1; i <= presets.Questions().Count(); ++i) {
        const CQuestionData& kind = *presets.Questions().Item(i);
        if (!kind.IsFraction()) {
            continue;
        }
        const CQuestionSet set = MakeQuestions(kind, 50, nullptr);
        for (int32_t q = 1; q <= set.questions.Count(); ++q) {
            const CExprValue& question = *set.questions.Item(q);
            const std::u16string left = question.LeftPartToString().ToString();
            const std::u16string spoken = SpokenQuestion(question, 0);
            const std::u16string result =
                SpokenValue(question.ResultValue(), question.Units().result);
            EXPECT_EQ((spoken + result).find_first_of(u"0123456789/"), std::u16string::npos);
            EXPECT_EQ(Occurrences(spoken, u"分之"), Occurrences(left, u"/")) << i;
            EXPECT_EQ(Occurrences(result, u"分之"), Occurrences(question.ResultText(), u"/"));
        }
    }
}

} // namespace
} // namespace kelvo
