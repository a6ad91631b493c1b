#include "foundation/CPerfCounter.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelvo {
namespace {

class CPerfCounterTest : public ::testing::Test {
protected:
    void SetUp() override {
        CPerfCounter::SetMessageBoxHandler(
            [this](const std::u16string& text) { shown.push_back(text); });
    }
    void TearDown() override { CPerfCounter::SetMessageBoxHandler(nullptr); }

    std::vector<std::u16string> shown;
};

TEST_F(CPerfCounterTest, RecordsOfOneTitleAccumulateAndAreShownInOrder) {
    CPerfCounter counter;
    for (const char16_t* title : {u"a", u"b", u"a"}) {
        counter.Start();
        counter.Record(title);
    }
    counter.MsgBox();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].front(), u'a');
    EXPECT_EQ(shown[1].front(), u'b');
    counter.MsgBox();
    EXPECT_EQ(shown.size(), 2u);
}

TEST_F(CPerfCounterTest, DebugPrintDropsTheRecordsSilently) {
    CPerfCounter counter;
    counter.Start();
    counter.Record(u"a");
    counter.DebugPrint();
    counter.MsgBox();
    EXPECT_TRUE(shown.empty());
}

TEST_F(CPerfCounterTest, ASecondCounterReadingCountsFromTheOrigin) {
    CPerfCounter counter;
    counter.Start();
    const int64_t first = counter.Counter();
    EXPECT_GT(counter.Counter(), first + 1000);
}

TEST_F(CPerfCounterTest, MillisecondsAreWrittenAsAPlainNumber) {
    EXPECT_EQ(CPerfCounter::RecordText(u"生成", 101234), u"生成10.1234");
    EXPECT_EQ(CPerfCounter::RecordText(u"a", 50000), u"a5");
    EXPECT_EQ(CPerfCounter::RecordText(u"a", 52500), u"a5.25");
    EXPECT_EQ(CPerfCounter::RecordText(u"a", 7), u"a0.0007");
}

} // namespace
} // namespace kelvo
