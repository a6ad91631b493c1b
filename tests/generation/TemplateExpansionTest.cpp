#include "generation/TemplateExpansion.h"
#include "TemplateFactory.h"

#include <gtest/gtest.h>

namespace kelvo {
namespace {

using testing::MakeOperand;

OperandList Operands(size_t n) {
    OperandList operands;
    for (size_t k = 0; k < n; ++k) {
        operands.push_back(MakeOperand({0, 10}));
    }
    operands[n > 1 ? 1 : 0]->SetCbrSetting(Cbr::Carry);
    return operands;
}

std::vector<int32_t> Operators(const OperandList& list) {
    std::vector<int32_t> codes;
    for (size_t k = 1; k < list.size(); ++k) {
        codes.push_back(list[k]->LeftOperator());
    }
    return codes;
}

TEST(TemplateExpansionTest, OperatorSetsExpandInNestedOrder) {
    std::u16string error;
    EXPECT_EQ(ExpandOperatorSets({u"＋－", u"×"}, error),
              (std::vector<std::u16string>{u"＋×", u"－×"}));
    EXPECT_EQ(ExpandOperatorSets({u"＋", u"＋－", u"－"}, error),
              (std::vector<std::u16string>{u"＋＋－", u"＋－－"}));
    EXPECT_EQ(ExpandOperatorSets({u"＋－×÷"}, error),
              (std::vector<std::u16string>{u"＋", u"－", u"×", u"÷"}));
    EXPECT_TRUE(ExpandOperatorSets({}, error).empty());
    EXPECT_TRUE(ExpandOperatorSets({u"＋", u"＋", u"＋", u"＋"}, error).empty());
    EXPECT_TRUE(error.empty());
}

TEST(TemplateExpansionTest, AllFourOperatorsOfTwoOperands) {
    const OperandList operands = Operands(2);
    std::u16string error;
    const auto lists = ExpandTemplates(operands, {u"＋－×÷"}, error);
    ASSERT_EQ(lists.size(), 4u);
    for (size_t i = 0; i < lists.size(); ++i) {
        EXPECT_EQ(lists[i][0], operands[0]) << "operand 1 is shared, not cloned";
        EXPECT_NE(lists[i][1], operands[1]);
        EXPECT_EQ(lists[i][1]->LeftOperator(), static_cast<int32_t>(i + 1));
        EXPECT_EQ(lists[i][1]->CbrSetting(), Cbr::Carry);
        EXPECT_EQ(lists[i][1]->UpperLimit(), 10);
    }
    EXPECT_NE(lists[0][1]->Limit(), lists[1][1]->Limit());
    EXPECT_EQ(operands[1]->LeftOperator(), Op::None) << "the originals are left alone";
}

TEST(TemplateExpansionTest, FourOperandsWithTwoOperatorsPerGap) {
    std::u16string error;
    const auto lists = ExpandTemplates(Operands(4), {u"＋－", u"×÷", u"＋×"}, error);
    const std::vector<std::vector<int32_t>> expected = {{1, 3, 1}, {1, 3, 3}, {1, 4, 1}, {1, 4, 3},
                                                        {2, 3, 1}, {2, 3, 3}, {2, 4, 1}, {2, 4, 3}};
    ASSERT_EQ(lists.size(), expected.size());
    for (size_t i = 0; i < lists.size(); ++i) {
        EXPECT_EQ(Operators(lists[i]), expected[i]) << "list " << i;
    }
}

TEST(TemplateExpansionTest, GapWithoutOperatorReportsTheError) {
    std::u16string error;
    EXPECT_TRUE(ExpandTemplates(Operands(3), {u"＋", u""}, error).empty());
    EXPECT_EQ(error, u"错误：至少一个运算数没有选择运算符号。");

    std::u16string untouched = u"earlier";
    EXPECT_EQ(ExpandTemplates(Operands(2), {u"＋"}, untouched).size(), 1u);
    EXPECT_EQ(untouched, u"earlier");
}

TEST(TemplateExpansionTest, DegenerateInputsGiveNoList) {
    std::u16string error;
    EXPECT_TRUE(ExpandTemplates(Operands(1), {}, error).empty());
    EXPECT_TRUE(error.empty());
    // A string shorter than the gaps leaves the missing operators at 0.
    const auto lists = ApplyOperatorStrings(Operands(3), {u"×"});
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(Operators(lists[0]), (std::vector<int32_t>{Op::Times, Op::None}));
}

} // namespace
} // namespace kelvo
