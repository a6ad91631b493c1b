#include "question/KindDescription.h"
#include "question/CPreCreatedQuestions.h"
#include "question/CSavedKinds.h"
#include "support/KindFactory.h"

#include <gtest/gtest.h>

namespace kelvo {
namespace {

using testing::MakeKind;

TEST(KindDescriptionTest, AKindInWords) {
    EXPECT_EQ(KindDescription(*MakeKind({{1, 20}, {1, 20}}, {u"＋$$$"}, {1, 20}, 1)),
              u"1～20＋1～20，得数1～20，有进位");
    EXPECT_EQ(KindDescription(
                  *MakeKind({{1, 99, 10}, {2, 9}, {1, 100, 100}}, {u"＋－$$", u"$$×÷"}, {0, 1000})),
              u"1～99整十数＋/－2～9×/÷1～100整百数，得数0～1000");
    // Parentheses tell where they stand, as the panel lists them.
    auto grouped =
        MakeKind({{1, 9}, {1, 9}, {1, 9}, {1, 9}}, {u"＋$$$", u"$$×$", u"$－$$"}, {0, 99});
    grouped->SetParenthesesChoice(5);
    EXPECT_EQ(KindDescription(*grouped), u"1～9＋1～9×1～9－1～9，得数0～99，括号□（□□□）");
    grouped->SetParenthesesChoice(CQuestionData::RandomParentheses);
    EXPECT_EQ(KindDescription(*grouped), u"1～9＋1～9×1～9－1～9，得数0～99，括号随机");
    // Fractions, and 比大小 of fractions, which sets the two numbers side by side.
    auto fractions = MakeKind({{2, 12}, {2, 12}}, {u"＋$$$"}, {0, 2});
    fractions->SetFractions(
        {{FractionOperand::Proper, FractionOperand::Proper}, FractionResult::Mixed});
    EXPECT_EQ(KindDescription(*fractions),
              u"真分数（分母2～12）＋真分数（分母2～12），得数0～2（带分数）");
    fractions->SetForm(QuestionForm::Compare);
    EXPECT_EQ(KindDescription(*fractions), u"真分数（分母2～12）和真分数（分母2～12），比大小");
}

TEST(KindDescriptionTest, APickedEntryLendsItsTitleWhileThePanelStillShowsIt) {
    CPreCreatedQuestions presets;
    presets.Load();
    const auto preset = presets.Item(u"20以内的进位加法");
    // As the panel reads it back: no title, the pattern as its boxes give it.
    const auto panel = MakeKind({{1, 20}, {1, 20}}, {u"＋$$$"}, {1, 20}, 1);
    EXPECT_TRUE(IsSameKind(*panel, *preset));
    EXPECT_EQ(KindTitle(*panel, preset.get()), u"20以内的进位加法");
    EXPECT_EQ(KindTitle(*panel, nullptr), u"1～20＋1～20，得数1～20，有进位");
    // The custom entry's "＋$$$$" reads as addition only.
    EXPECT_TRUE(IsSameKind(*MakeKind({{1, 10}, {1, 10}}, {u"＋$$$"}, {1, 10}),
                           *presets.Questions().Item(1)));

    const auto compared = MakeKind({{1, 20}, {1, 20}}, {u"＋$$$"}, {1, 20}, 1);
    compared->SetForm(QuestionForm::Compare);
    EXPECT_EQ(KindDescription(*compared), u"1～20＋1～20，得数1～20，有进位，比大小");
    const std::shared_ptr<CQuestionData> changed[] = {
        compared,
        MakeKind({{1, 20}, {1, 21}}, {u"＋$$$"}, {1, 20}, 1),
        MakeKind({{1, 20}, {1, 20, 10}}, {u"＋$$$"}, {1, 20}, 1),
        MakeKind({{1, 20}, {1, 20}}, {u"＋－$$"}, {1, 20}, 1),
        MakeKind({{1, 20}, {1, 20}}, {u"＋$$$"}, {0, 20}, 1),
        MakeKind({{1, 20}, {1, 20}}, {u"＋$$$"}, {1, 20}, 2),
        MakeKind({{1, 20}, {1, 20}, {1, 20}}, {u"＋$$$", u"＋$$$"}, {1, 20}, 1),
    };
    for (const auto& kind : changed) {
        EXPECT_FALSE(IsSameKind(*kind, *preset)) << KindDescription(*kind).size();
        EXPECT_EQ(KindTitle(*kind, preset.get()), KindDescription(*kind));
    }
}

TEST(KindDescriptionTest, ANameSavedAgainReplacesItsKindInPlace) {
    CSavedKinds kinds;
    EXPECT_EQ(kinds.Put(MakeKind({{1, 9}, {1, 9}}, {u"＋$$$"}, {0, 20}, 0, u"甲")), 0u);
    EXPECT_EQ(kinds.Put(MakeKind({{1, 9}, {1, 9}}, {u"＋$$$"}, {0, 20}, 0, u"乙")), 1u);
    EXPECT_EQ(kinds.Put(MakeKind({{1, 5}, {1, 5}}, {u"＋$$$"}, {0, 20}, 0, u"甲")), 0u);
    ASSERT_EQ(kinds.Kinds().size(), 2u);
    EXPECT_EQ(kinds.Kinds()[0]->Limit1()->UpperLimit(), 5);
    EXPECT_EQ(kinds.Kinds()[1]->Title(), u"乙");
}

} // namespace
} // namespace kelvo
