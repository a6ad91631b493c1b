#include "question/CQuestionData.h"
#include "foundation/SettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace kelvo {
namespace {

std::shared_ptr<CValueLimit> Range(int32_t lower, int32_t upper, int32_t multipleOf = 1) {
    auto limit = std::make_shared<CValueLimit>();
    limit->SetLowerLimit(lower);
    limit->SetUpperLimit(upper);
    limit->SetMultipleOf(multipleOf);
    return limit;
}

std::tuple<int32_t, int32_t, int32_t> Fields(const std::shared_ptr<CValueLimit>& limit) {
    return {limit->LowerLimit(), limit->UpperLimit(), limit->MultipleOf()};
}

// A question of `count` operands with distinct values on every line.
CQuestionData Question(int32_t count) {
    const std::u16string patterns[] = {u"＋$$$", u"$－$$", u"$$×$"};
    CQuestionData question;
    question.SetTitle(u"连加");
    question.AddLimit(Range(1, 20, 10));
    for (int32_t k = 2; k <= count; ++k) {
        question.AddOperator(patterns[k - 2]);
        question.AddLimit(Range(k, 100 * k, 100));
    }
    question.SetResultLimit(Range(7, 900, 10));
    question.SetCbr(3);
    question.SetParenthesesChoice(count > 2 ? CQuestionData::RandomParentheses : 0);
    return question;
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        const size_t end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(CQuestionDataTest, ANewObjectIsEmpty) {
    CQuestionData question;
    EXPECT_EQ(question.Title(), u"");
    EXPECT_EQ(question.Limits().Count(), 0);
    EXPECT_EQ(question.Operators().Count(), 0);
    EXPECT_EQ(question.ResultLimit(), nullptr);
    EXPECT_EQ(question.Cbr(), 0);
    EXPECT_EQ(question.Limit1(), nullptr);
    EXPECT_EQ(question.Operator1(), u"");
}

TEST(CQuestionDataTest, MissingRangesAndPatternsAreNoneOrEmpty) {
    const CQuestionData question = Question(3);
    EXPECT_NE(question.Limit3(), nullptr);
    EXPECT_EQ(question.Limit4(), nullptr);
    EXPECT_EQ(question.Operator2(), u"$－$$");
    EXPECT_EQ(question.Operator3(), u"");
    question.Limit1()->SetUpperLimit(55);
    EXPECT_EQ(question.Limits().Item(1)->UpperLimit(), 55);
}

TEST(CQuestionDataTest, ABlockHasThirteenSeventeenOrTwentyOneLinesAndLoadsBack) {
    for (const auto& [count, lineCount] : {std::pair{2, 13}, std::pair{3, 17}, std::pair{4, 21}}) {
        const CQuestionData saved = Question(count);
        CSettingsWriter writer;
        ASSERT_TRUE(saved.Save(writer));
        writer.WriteText(u"next");
        EXPECT_EQ(Lines(writer.Bytes()).size(), static_cast<size_t>(lineCount + 1));

        CSettingsReader reader(writer.Bytes());
        CQuestionData loaded;
        ASSERT_TRUE(loaded.Load(reader)) << count;
        EXPECT_EQ(reader.ReadText(), u"next");
        EXPECT_EQ(loaded.Title(), saved.Title());
        ASSERT_EQ(loaded.Limits().Count(), count);
        for (int32_t k = 1; k <= count; ++k) {
            EXPECT_EQ(Fields(loaded.Limits().Item(k)), Fields(saved.Limits().Item(k)));
        }
        ASSERT_EQ(loaded.Operators().Count(), count - 1);
        for (int32_t k = 1; k < count; ++k) {
            EXPECT_EQ(loaded.Operators().Item(k), saved.Operators().Item(k));
        }
        EXPECT_EQ(Fields(loaded.ResultLimit()), Fields(saved.ResultLimit()));
        EXPECT_EQ(loaded.Cbr(), 3);
        // The block has no line for parentheses: all else comes back.
        EXPECT_EQ(loaded.ParenthesesChoice(), CQuestionData::NoParentheses);
    }
}

TEST(CQuestionDataTest, TheBlockLinesStandInTheirOrder) {
    CSettingsWriter writer;
    ASSERT_TRUE(Question(3).Save(writer));
    const std::vector<std::string> expected = {"\xC1\xAC\xBC\xD3",
                                               " 3 ",
                                               " 1 ",
                                               " 20 ",
                                               " 10 ",
                                               "\xA3\xAB$$$",
                                               " 2 ",
                                               " 200 ",
                                               " 100 ",
                                               "$\xA3\xAD$$",
                                               " 3 ",
                                               " 300 ",
                                               " 100 ",
                                               " 7 ",
                                               " 900 ",
                                               " 10 ",
                                               " 3 "};
    EXPECT_EQ(Lines(writer.Bytes()), expected);
}

TEST(CQuestionDataTest, ACountOutsideTwoToFourIsADamagedBlock) {
    for (const char* count : {" 1 ", " 0 ", "-2 ", " 5 ", " 2000000000 "}) {
        CQuestionData question = Question(2);
        const auto firstRange = question.Limit1();
        CSettingsReader reader(std::string("title\r\n") + count + "\r\n 1 \r\n 2 \r\n 1 \r\n");
        EXPECT_FALSE(question.Load(reader)) << count;
        EXPECT_EQ(question.Title(), u"title");
        EXPECT_EQ(question.Limits().Count(), 2);
        EXPECT_EQ(question.Limit1(), firstRange);
    }
}

TEST(CQuestionDataTest, ABlockEndingEarlyKeepsWhatWasRead) {
    CSettingsReader reader(
        "t\r\n 3 \r\n 1 \r\n 9 \r\n 1 \r\n\xA3\xAB$$$\r\n 2 \r\n 8 \r\n 10 \r\n");
    CQuestionData question = Question(4);
    EXPECT_FALSE(question.Load(reader));
    EXPECT_EQ(question.Title(), u"t");
    ASSERT_EQ(question.Limits().Count(), 3);
    EXPECT_EQ(Fields(question.Limit1()), std::tuple(1, 9, 1));
    EXPECT_EQ(Fields(question.Limit2()), std::tuple(2, 8, 10));
    EXPECT_EQ(Fields(question.Limit3()), std::tuple(0, -1, 1));
    EXPECT_EQ(question.Operators().Count(), 1);
    EXPECT_EQ(question.Operator1(), u"＋$$$");
    EXPECT_EQ(Fields(question.ResultLimit()), std::tuple(0, -1, 1));
    EXPECT_EQ(question.Cbr(), 3);
}

TEST(CQuestionDataTest, NumberLinesWithSpacesAndFractionsAreRounded) {
    CSettingsReader reader("\r\n 2 \r\n7.5\r\n6.5\r\n 1 \r\n$$$\xA1\xC2\r\n  0  \r\n2.5\r\n100\r\n"
                           " 0 \r\n 10 \r\n 1 \r\n 4.4 \r\n");
    CQuestionData question;
    ASSERT_TRUE(question.Load(reader));
    EXPECT_EQ(Fields(question.Limit1()), std::tuple(8, 6, 1));
    EXPECT_EQ(Fields(question.Limit2()), std::tuple(0, 2, 100));
    EXPECT_EQ(question.Operator1(), u"$$$÷");
    EXPECT_EQ(question.Cbr(), 4);
}

TEST(CQuestionDataTest, LoadingReplacesBothCollections) {
    CSettingsWriter writer;
    ASSERT_TRUE(Question(2).Save(writer));
    CQuestionData question = Question(4);
    const auto oldFirst = question.Limit1();
    CSettingsReader reader(writer.Bytes());
    ASSERT_TRUE(question.Load(reader));
    EXPECT_EQ(question.Limits().Count(), 2);
    EXPECT_EQ(question.Operators().Count(), 1);
    EXPECT_NE(question.Limit1(), oldFirst);
}

TEST(CQuestionDataTest, AnObjectWithAMissingRangeWritesNothing) {
    CQuestionData noResult = Question(2);
    noResult.SetResultLimit(nullptr);
    CQuestionData oneRange;
    oneRange.AddLimit(Range(1, 2));
    oneRange.SetResultLimit(Range(1, 2));
    CQuestionData emptyRange = Question(2);
    emptyRange.AddOperator(u"＋$$$");
    emptyRange.AddLimit(nullptr);
    CQuestionData fiveRanges = Question(4);
    fiveRanges.AddLimit(Range(1, 2));

    for (const CQuestionData* question : {&noResult, &oneRange, &emptyRange, &fiveRanges}) {
        CSettingsWriter writer;
        EXPECT_FALSE(question->Save(writer));
        EXPECT_EQ(writer.Bytes(), "");
    }
}

} // namespace
} // namespace kelvo
