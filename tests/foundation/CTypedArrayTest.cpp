#include "foundation/CTypedArray.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace kelvo {
namespace {

CLongArray Numbers(int32_t count) {
    CLongArray array;
    for (int32_t i = 1; i <= count; ++i) {
        array.Add(i);
    }
    return array;
}

void ExpectError(ErrorNumber number, const auto& action) {
    try {
        action();
        ADD_FAILURE() << "no error raised";
    } catch (const CRuntimeError& error) {
        EXPECT_EQ(error.Number(), number);
    }
}

TEST(CTypedArrayTest, NewArrayIsEmptyAndHasNoSlots) {
    CLongArray array;
    EXPECT_EQ(array.Count(), 0);
    EXPECT_EQ(array.Capacity(), 0);
    EXPECT_EQ(array.RedimStep(), 128);
    ExpectError(ErrorNumber::SubscriptOutOfRange, [&] { (void)array.Item(1); });
}

TEST(CTypedArrayTest, GrowsInWholeStepsStrictlyAboveTheRequest) {
    CLongArray array = Numbers(1);
    EXPECT_EQ(array.Capacity(), 128);
    array = Numbers(128);
    EXPECT_EQ(array.Capacity(), 128);
    array.Add(129);
    EXPECT_EQ(array.Capacity(), 256);
    for (int32_t i = 1; i <= 129; ++i) {
        ASSERT_EQ(array.Item(i), i);
    }
    CLongArray slots = Numbers(1);
    slots.EnsureCapacity(256);
    EXPECT_EQ(slots.Capacity(), 384);
    slots.EnsureCapacity(100);
    EXPECT_EQ(slots.Capacity(), 384);
}

TEST(CTypedArrayTest, RedimStepIgnoresNonPositiveValues) {
    CLongArray array;
    array.SetRedimStep(0);
    array.SetRedimStep(-5);
    EXPECT_EQ(array.RedimStep(), 128);
    array.SetRedimStep(512);
    array.Add(1);
    EXPECT_EQ(array.Capacity(), 512);
}

TEST(CTypedArrayTest, SlotsUpToTheCapacityAreUsableWithoutChangingTheCount) {
    CLongArray array = Numbers(5);
    EXPECT_EQ(array.Item(100), 0);
    array.SetItem(128, 7);
    EXPECT_EQ(array.Item(128), 7);
    EXPECT_EQ(array.Count(), 5);
    ExpectError(ErrorNumber::SubscriptOutOfRange, [&] { (void)array.Item(129); });
    ExpectError(ErrorNumber::SubscriptOutOfRange, [&] { array.SetItem(0, 1); });
    ExpectError(ErrorNumber::SubscriptOutOfRange, [&] { array.ExchangeItem(1, 129); });
    EXPECT_EQ(array.Item(1), 1);
}

TEST(CTypedArrayTest, CountIsClampedToZeroAndCapacityAndKeepsSlots) {
    CLongArray array = Numbers(10);
    array.SetCount(500);
    EXPECT_EQ(array.Count(), 128);
    array.SetCount(-3);
    EXPECT_EQ(array.Count(), 0);
    array.SetCount(10);
    EXPECT_EQ(array.Item(10), 10);
}

TEST(CTypedArrayTest, CopyClampsTheLengthToTheCount) {
    const CLongArray array = Numbers(10);
    const CLongArray middle = array.Copy(3, 4);
    EXPECT_EQ(middle.Count(), 4);
    EXPECT_EQ(middle.Capacity(), 4);
    EXPECT_EQ(middle.Item(1), 3);
    EXPECT_EQ(middle.Item(4), 6);
    const CLongArray all = array.Copy(1, 50);
    EXPECT_EQ(all.Count(), 10);
    EXPECT_EQ(all.Item(10), 10);
    const CLongArray none = array.Copy(1, 0);
    EXPECT_EQ(none.Count(), 0);
    EXPECT_EQ(none.Capacity(), 0);
    EXPECT_EQ(none.RedimStep(), 128);
}

TEST(CTypedArrayTest, CloneHasExactlyTheItemsAsCapacity) {
    CLongArray array = Numbers(10);
    array.SetRedimStep(64);
    const CLongArray clone = array.Clone();
    EXPECT_EQ(clone.Count(), 10);
    EXPECT_EQ(clone.Capacity(), 10);
    EXPECT_EQ(clone.RedimStep(), 64);
    EXPECT_EQ(CLongArray().Clone().Capacity(), 0);
}

TEST(CTypedArrayTest, ObjectArraysShareTheObjectsAndStringArraysCopyTheText) {
    CObjectArray<int> objects;
    objects.Add(std::make_shared<int>(1));
    const CObjectArray<int> clone = objects.Clone();
    *objects.Item(1) = 5;
    EXPECT_EQ(*clone.Item(1), 5);

    CStringArray strings;
    strings.Add(u"甲");
    CStringArray copy = strings.Clone();
    copy.SetItem(1, u"乙");
    EXPECT_EQ(strings.Item(1), u"甲");
}

TEST(CTypedArrayTest, ClearReleasesTheStorage) {
    CLongArray array = Numbers(300);
    array.Clear();
    EXPECT_EQ(array.Capacity(), 0);
    array.Add(42);
    EXPECT_EQ(array.Capacity(), 128);
    EXPECT_EQ(array.Count(), 1);
    EXPECT_EQ(array.Item(1), 42);
}

TEST(CTypedArrayTest, InitReplacesTheContentsAndAZeroStepCannotGrow) {
    CLongArray array;
    array.Init({4, 5, 6}, 3, 2, 0);
    EXPECT_EQ(array.Capacity(), 3);
    EXPECT_EQ(array.Count(), 2);
    EXPECT_EQ(array.Item(3), 6);
    array.Add(7);
    EXPECT_EQ(array.Item(3), 7);
    ExpectError(ErrorNumber::DivisionByZero, [&] { array.Add(8); });
}

TEST(CTypedArrayTest, RawArrayCopiesEveryAllocatedSlot) {
    const CLongArray array = Numbers(3);
    const std::vector<int32_t> raw = array.RawArray();
    ASSERT_EQ(raw.size(), 128u);
    EXPECT_EQ(raw[0], 1);
    EXPECT_EQ(raw[2], 3);
    EXPECT_EQ(raw[3], 0);
}

TEST(CTypedArrayTest, ShuffleIsAUniformPermutation) {
    SeedRandom(7);
    std::map<std::vector<int32_t>, int> seen;
    for (int run = 0; run < 6000; ++run) {
        CLongArray array = Numbers(3);
        array.Shuffle();
        seen[{array.Item(1), array.Item(2), array.Item(3)}]++;
    }
    EXPECT_EQ(seen.size(), 6u);
    for (const auto& [order, times] : seen) {
        EXPECT_NEAR(times, 1000, 150);
    }
    CLongArray single = Numbers(1);
    single.Shuffle();
    EXPECT_EQ(single.Item(1), 1);
    UseClockForRandomReseed();
}

} // namespace
} // namespace kelvo
