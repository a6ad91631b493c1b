#include "worksheet/CSheetPlan.h"
#include "foundation/RuntimeError.h"
#include "support/KindFactory.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvo {
namespace {

std::u16string Titles(const CSheetPlan& plan) {
    std::u16string titles;
    for (const CSheetSection& section : plan.Sections()) {
        titles += section.kind->Title();
    }
    return titles;
}

TEST(CSheetPlanTest, SectionsMoveAndGoWhileTheOthersKeepTheirOrder) {
    CSheetPlan plan;
    for (const char16_t* title : {u"A", u"B", u"C", u"D"}) {
        plan.Add(testing::MakeKind({{1, 9}, {1, 9}}, {u"＋$$$"}, {0, 20}, 0, title), 10);
    }
    plan.Move(0, 2);
    EXPECT_EQ(Titles(plan), u"BCAD");
    plan.Move(3, 0);
    EXPECT_EQ(Titles(plan), u"DBCA");
    plan.Remove(1);
    EXPECT_EQ(Titles(plan), u"DCA");
    EXPECT_THROW(plan.Move(0, 3), CRuntimeError);
    EXPECT_THROW(plan.Remove(3), CRuntimeError);
    EXPECT_THROW(plan.SetCount(3, 1), CRuntimeError);
    EXPECT_EQ(Titles(plan), u"DCA");
    plan.Clear();
    EXPECT_TRUE(plan.IsEmpty());
}

TEST(CSheetPlanTest, CountsAreHeldToTheirRange) {
    CSheetPlan plan;
    const auto kind = testing::MakeKind({{1, 9}, {1, 9}}, {u"＋$$$"}, {0, 20});
    plan.Add(kind, 0);
    plan.Add(kind, 99999);
    EXPECT_EQ(plan.Sections()[0].count, CSheetPlan::MinSectionCount);
    EXPECT_EQ(plan.Sections()[1].count, CSheetPlan::MaxSectionCount);
    plan.SetCount(0, 25);
    EXPECT_EQ(plan.Sections()[0].count, 25);
}

} // namespace
} // namespace kelvo
