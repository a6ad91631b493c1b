#include "output/COutputSettings.h"
#include "foundation/SettingsFile.h"

#include <gtest/gtest.h>

#include <limits>

namespace kelvo {
namespace {

constexpr int32_t IntMax = std::numeric_limits<int32_t>::max();
constexpr int32_t IntMin = std::numeric_limits<int32_t>::min();

COutputSettings Layout() {
    COutputSettings settings;
    settings.SetTitle(u"  姓名：");
    settings.SetRowCount(10);
    settings.SetColumnCount(5);
    settings.SetRowSpacing(1);
    settings.SetColumnSpacing(6);
    settings.SetRowCountPerTitle(10);
    settings.SetIsFillQuestions(true);
    settings.SetIsShowAnswer(false);
    settings.SetCbr(2);
    return settings;
}

TEST(COutputSettingsTest, TheBlockIsNineLinesInItsOrderAndLoadsBack) {
    CSettingsWriter writer;
    Layout().Save(writer);
    EXPECT_EQ(writer.Bytes(), "  \xD0\xD5\xC3\xFB\xA3\xBA\r\n 10 \r\n 5 \r\n 1 \r\n 6 \r\n 10 \r\n"
                              " 1 \r\n 0 \r\n 2 \r\n");

    CSettingsReader reader(writer.Bytes());
    COutputSettings loaded;
    ASSERT_TRUE(loaded.Load(reader));
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(loaded.Title(), u"  姓名：");
    EXPECT_EQ(loaded.RowCount(), 10);
    EXPECT_EQ(loaded.ColumnCount(), 5);
    EXPECT_EQ(loaded.RowSpacing(), 1);
    EXPECT_EQ(loaded.ColumnSpacing(), 6);
    EXPECT_EQ(loaded.RowCountPerTitle(), 10);
    EXPECT_TRUE(loaded.IsFillQuestions());
    EXPECT_FALSE(loaded.IsShowAnswer());
    EXPECT_EQ(loaded.Cbr(), 2);
}

TEST(COutputSettingsTest, SwitchLinesAreTrueForAnyNumberButZero) {
    for (const auto& [line, expected] :
         {std::pair{"2", true}, std::pair{"-1", true}, std::pair{"0", false}}) {
        CSettingsReader reader(std::string("t\r\n1\r\n1\r\n0\r\n0\r\n0\r\n") + line +
                               "\r\n0\r\n0\r\n");
        COutputSettings settings;
        ASSERT_TRUE(settings.Load(reader));
        EXPECT_EQ(settings.IsFillQuestions(), expected) << line;
    }
}

TEST(COutputSettingsTest, ADamagedLineKeepsTheFieldsReadBeforeIt) {
    CSettingsReader nonNumeric("t\r\n 7 \r\n 3 \r\n 2 \r\n 4 \r\n 9 \r\nja\r\n 1 \r\n 0 \r\n");
    COutputSettings settings = Layout();
    EXPECT_FALSE(settings.Load(nonNumeric));
    EXPECT_EQ(settings.Title(), u"t");
    EXPECT_EQ(settings.RowCountPerTitle(), 9);
    EXPECT_TRUE(settings.IsFillQuestions());
    EXPECT_EQ(settings.Cbr(), 2);

    CSettingsReader shortBlock("u\r\n 8 \r\n 4 \r\n 3 \r\n 5 \r\n");
    COutputSettings fresh;
    EXPECT_FALSE(fresh.Load(shortBlock));
    EXPECT_EQ(fresh.Title(), u"u");
    EXPECT_EQ(fresh.RowCount(), 8);
    EXPECT_EQ(fresh.ColumnCount(), 4);
    EXPECT_EQ(fresh.RowSpacing(), 3);
    EXPECT_EQ(fresh.ColumnSpacing(), 5);
    EXPECT_EQ(fresh.RowCountPerTitle(), 0);
}

TEST(COutputSettingsTest, ClampingHoldsEveryFieldToTheRangeOfItsBox) {
    struct Case {
        void (COutputSettings::*set)(int32_t);
        int32_t (COutputSettings::*get)() const;
        int32_t low;
        int32_t high;
    };
    const Case cases[] = {
        {&COutputSettings::SetRowCount, &COutputSettings::RowCount, 1, 5000},
        {&COutputSettings::SetColumnCount, &COutputSettings::ColumnCount, 1, 20},
        {&COutputSettings::SetRowSpacing, &COutputSettings::RowSpacing, 0, 25},
        {&COutputSettings::SetColumnSpacing, &COutputSettings::ColumnSpacing, 0, 50},
        {&COutputSettings::SetRowCountPerTitle, &COutputSettings::RowCountPerTitle, 0, 5000},
    };
    for (const Case& c : cases) {
        for (const auto& [value, expected] :
             {std::pair{IntMin, c.low}, std::pair{c.low - 1, c.low}, std::pair{c.low, c.low},
              std::pair{c.high, c.high}, std::pair{c.high + 1, c.high},
              std::pair{IntMax, c.high}}) {
            COutputSettings settings = Layout();
            (settings.*c.set)(value);
            settings.ClampToBoxRanges();
            EXPECT_EQ((settings.*c.get)(), expected) << value;
        }
    }
}

TEST(COutputSettingsTest, ClampingCutsTheTitleToItsBox) {
    COutputSettings settings;
    settings.SetTitle(std::u16string(257, u'题'));
    settings.ClampToBoxRanges();
    EXPECT_EQ(settings.Title(), std::u16string(256, u'题'));

    settings.SetTitle(std::u16string(255, u'a') + u"\U00020000");
    settings.ClampToBoxRanges();
    EXPECT_EQ(settings.Title(), std::u16string(255, u'a'));

    settings.SetTitle(std::u16string(256, u'b'));
    settings.ClampToBoxRanges();
    EXPECT_EQ(settings.Title().size(), 256u);
}

} // namespace
} // namespace kelvo
