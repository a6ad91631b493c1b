#include "MainWindowFixture.h"

#include "number/OperatorCodes.h"
#include "question/CPreCreatedQuestions.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QTest>

#include <ostream>

namespace kelvo {
namespace {

QString Q(const char16_t* text) {
    return QString::fromUtf16(text);
}

class PanelTest : public MainWindowFixture {
protected:
    QGroupBox* Frame(int i) const { return Find<QGroupBox>("fraOperands", i); }
    QGroupBox* Gap(int k) const { return Find<QGroupBox>("fraOperators", k); }
    QCheckBox* CbrBox(int i) const { return Check("chkCbr", i); }

    // Every text, tick, caption and enabled state of the panel.
    QStringList PanelState() const {
        QStringList state;
        for (int i = 0; i < 10; ++i) {
            state << Box("txtLimits", i)->text()
                  << QString::number(Check("chkMultipleOfs", i)->checkState());
        }
        for (int i = 0; i < 12; ++i) {
            state << QString::number(Check("chkOperators", i)->checkState());
        }
        for (int i = 0; i < 2; ++i) {
            state << CbrBox(i)->text() << QString::number(CbrBox(i)->checkState())
                  << QString::number(CbrBox(i)->isEnabled());
        }
        state << QString::number(window->OperandCount());
        return state;
    }
};

TEST_F(PanelTest, StartsWithTheCustomTypeWithoutASettingsFile) {
    EXPECT_EQ(window->windowTitle(), Q(u"Kelvo主窗口"));
    auto* types = Find<QComboBox>(QStringLiteral("cboQuestionType"));
    EXPECT_EQ(types->count(), 110);
    EXPECT_EQ(types->currentText(), Q(u"自己定制题型"));
    EXPECT_EQ(Find<QComboBox>(QStringLiteral("cboOperandCount"))->currentText(), Q(u"二个运算数"));
    EXPECT_EQ(window->OperandCount(), 2);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Box("txtLimits", i)->text(), i % 2 == 0 ? u"1" : u"10") << i;
        EXPECT_FALSE(Check("chkMultipleOfs", i)->isChecked()) << i;
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(Check("chkOperators", i)->isChecked(), i == 0) << i;
    }
    EXPECT_EQ(CbrBox(0)->text(), Q(u"有进位"));
    EXPECT_EQ(CbrBox(1)->text(), Q(u"无进位"));
    EXPECT_TRUE(CbrBox(0)->isEnabled());
    EXPECT_FALSE(CbrBox(0)->isChecked() || CbrBox(1)->isChecked());
    const char* settings[] = {"10", "5", "1", "6", "10"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Box("txtSettings", i)->text(), QLatin1String(settings[i])) << i;
    }
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("txtTitle"))->text().size(), 49);
    EXPECT_TRUE(Frame(2)->isHidden() && Frame(3)->isHidden());
    EXPECT_TRUE(Gap(1)->isHidden() && Gap(2)->isHidden());
    EXPECT_FALSE(Frame(0)->isHidden() || Frame(1)->isHidden() || Frame(4)->isHidden());
    EXPECT_TRUE(Find<QGroupBox>(QStringLiteral("fraInfo"))->isHidden());
    EXPECT_TRUE(Output().isEmpty());
    EXPECT_TRUE(window->Worksheet().isEmpty());
    EXPECT_GE(types->maxVisibleItems(), 30);
}

TEST_F(PanelTest, PresetsFillThePanel) {
    SelectQuestionType(u"20以内的借位减法");
    EXPECT_EQ(window->OperandCount(), 2);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Check("chkOperators", i)->isChecked(), i == 1) << i;
    }
    EXPECT_EQ(Box("txtLimits", 1)->text(), QStringLiteral("20"));
    EXPECT_EQ(Box("txtLimits", 8)->text(), QStringLiteral("0"));
    EXPECT_EQ(CbrBox(0)->text(), Q(u"有借位"));
    EXPECT_EQ(CbrBox(1)->text(), Q(u"无借位"));
    EXPECT_TRUE(CbrBox(0)->isChecked());
    EXPECT_FALSE(CbrBox(1)->isChecked());
    EXPECT_TRUE(CbrBox(0)->isEnabled());
    EXPECT_EQ(window->OperandController().CbrValue(), Cbr::Borrow);

    SelectQuestionType(u"10以内的连加");
    EXPECT_EQ(window->OperandCount(), 3);
    EXPECT_EQ(Find<QComboBox>(QStringLiteral("cboOperandCount"))->currentIndex(), 1);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Check("chkOperators", i)->isChecked(), i == 0 || i == 4) << i;
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Box("txtLimits", i)->text(), i % 2 == 0 ? u"1" : u"10") << i;
    }
    EXPECT_EQ(Box("txtLimits", 8)->text(), QStringLiteral("0"));
    EXPECT_FALSE(CbrBox(0)->isChecked() || CbrBox(1)->isChecked());
    EXPECT_FALSE(CbrBox(0)->isEnabled() || CbrBox(1)->isEnabled());
    EXPECT_EQ(window->OperandController().CbrValue(), Cbr::None);
}

TEST_F(PanelTest, PresetWithMultiplesTicksTheRightBoxOnly) {
    Check("chkMultipleOfs", 3)->setChecked(true);
    SelectQuestionType(u"整十数加减整十数");
    EXPECT_TRUE(Check("chkMultipleOfs", 0)->isChecked());
    EXPECT_FALSE(Check("chkMultipleOfs", 1)->isChecked());
    EXPECT_TRUE(Check("chkMultipleOfs", 2)->isChecked());
    EXPECT_FALSE(Check("chkMultipleOfs", 3)->isChecked());
    EXPECT_FALSE(Check("chkMultipleOfs", 8)->isChecked());
}

TEST_F(PanelTest, ASeparatorChangesNothing) {
    SelectQuestionType(u"20以内的借位减法");
    Box("txtLimits", 0)->SetValue(7);
    const QStringList before = PanelState();
    SelectQuestionType(u"------------------------B");
    EXPECT_EQ(PanelState(), before);
}

// The grade first, then the unit. The classic list keeps its headings where
// they stood, and neither the keys nor a click can pick one.
TEST_F(PanelTest, ATermListsItsUnitsAndTheClassicHeadingsCannotBePicked) {
    auto* terms = Find<QComboBox>(QStringLiteral("cboPresetTerm"));
    auto* list = Find<QComboBox>(QStringLiteral("cboQuestionType"));
    const int classicCount = list->count();
    const int heading = list->findText(QStringLiteral("------------------------B"));
    EXPECT_FALSE(list->model()->flags(list->model()->index(heading, 0)) & Qt::ItemIsEnabled);
    list->setCurrentIndex(heading - 1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), heading + 1);

    terms->setCurrentIndex(terms->findText(QString::fromUtf16(u"一年级上")));
    EXPECT_EQ(list->itemText(0), QString::fromUtf16(u"自己定制题型"));
    SelectQuestionType(u"20以内的进位加法（凑十法）");
    EXPECT_EQ(Box("txtLimits", 0)->text(), QStringLiteral("2"));
    EXPECT_TRUE(CbrBox(0)->isChecked());
    Find<QPushButton>(QStringLiteral("cmdCreate"))->click();
    EXPECT_EQ(Output().count(u'＋'), 50);
    EXPECT_FALSE(Output().contains(QStringLiteral("＋1=")));

    terms->setCurrentIndex(0);
    EXPECT_EQ(list->count(), classicCount);
    EXPECT_TRUE(CbrBox(0)->isChecked());
}

// A decimal preset under its heading shows its places and its ranges in
// decimals; typed decimals make the kind; back to whole numbers, the boxes
// count as they always did.
TEST_F(PanelTest, DecimalPlacesGoWithTheRangeBoxes) {
    auto* terms = Find<QComboBox>(QStringLiteral("cboPresetTerm"));
    terms->setCurrentIndex(terms->findText(Q(u"小数")));
    SelectQuestionType(u"小数乘整数");
    const auto places = [&](int frame) {
        return Find<QComboBox>("cboPlaces", frame)->currentText();
    };
    EXPECT_EQ(places(0), Q(u"一位小数"));
    EXPECT_EQ(places(1), Q(u"整数"));
    EXPECT_EQ(places(4), Q(u"一位小数"));
    EXPECT_EQ(Box("txtLimits", 0)->text(), QStringLiteral("0.1"));
    EXPECT_EQ(Box("txtLimits", 1)->text(), QStringLiteral("9.9"));
    EXPECT_FALSE(Check("chkMultipleOfs", 0)->isEnabled());
    Find<QPushButton>(QStringLiteral("cmdCreate"))->click();
    EXPECT_TRUE(Output().contains(u'.'));
    EXPECT_FALSE(Output().contains(QStringLiteral(".0")));

    Find<QComboBox>("cboPlaces", 1)->setCurrentIndex(2);
    EnterText(Box("txtLimits", 2), QStringLiteral("0.25"));
    EnterText(Box("txtLimits", 3), QStringLiteral("0.5"));
    auto kind = window->OperandController().QuestionData();
    EXPECT_EQ(kind->DecimalPlaces(), (CDecimalUnits{{1, 2}, 1}));
    EXPECT_EQ(kind->Limit2()->LowerLimit(), 25);
    EXPECT_EQ(kind->Limit2()->UpperLimit(), 50);

    for (const int frame : {0, 1, 4}) {
        Find<QComboBox>("cboPlaces", frame)->setCurrentIndex(0);
    }
    EnterText(Box("txtLimits", 0), QStringLiteral("7.5"));
    kind = window->OperandController().QuestionData();
    EXPECT_FALSE(kind->IsDecimal());
    EXPECT_EQ(kind->Limit1()->LowerLimit(), 8);
    EXPECT_TRUE(Check("chkMultipleOfs", 0)->isEnabled());
}

TEST_F(PanelTest, OperandCountShowsFramesAndMovesTheResult) {
    auto* equal = Find<QLabel>(QStringLiteral("lblEqual"));
    EXPECT_EQ(Frame(4)->x(), Frame(2)->x());
    EXPECT_EQ(equal->x(), Gap(1)->x());

    SelectOperandCount(3);
    EXPECT_FALSE(Frame(2)->isHidden() || Gap(1)->isHidden());
    EXPECT_TRUE(Frame(3)->isHidden() && Gap(2)->isHidden());
    EXPECT_EQ(Frame(4)->x(), Frame(3)->x());
    EXPECT_EQ(equal->x(), Gap(2)->x());
    EXPECT_FALSE(CbrBox(0)->isEnabled());

    SelectOperandCount(4);
    EXPECT_FALSE(Frame(3)->isHidden() || Gap(2)->isHidden());
    EXPECT_EQ(Frame(4)->x(), 608);
    EXPECT_EQ(equal->x(), 560);
    EXPECT_GT(Frame(4)->x(), Frame(3)->x() + Frame(3)->width());

    SelectOperandCount(2);
    EXPECT_TRUE(Frame(2)->isHidden() && Frame(3)->isHidden());
    EXPECT_TRUE(Gap(1)->isHidden() && Gap(2)->isHidden());
    EXPECT_EQ(CbrBox(0)->text(), Q(u"有进位"));
    EXPECT_TRUE(CbrBox(0)->isEnabled());
    EXPECT_EQ(Frame(4)->x(), Frame(2)->x());
    EXPECT_EQ(equal->x(), Gap(1)->x());
}

struct CarryCase {
    int operandCount;
    const char* gap1; // 'x' ticks "＋", "－", "×", "÷" in that order
    bool enabled;
    const char16_t* firstCaption;
};

void PrintTo(const CarryCase& c, std::ostream* out) {
    *out << c.operandCount << " operands, gap 1 " << c.gap1;
}

class CarryPairTest : public PanelTest, public ::testing::WithParamInterface<CarryCase> {};

TEST_P(CarryPairTest, AppliesOnlyToTwoOperandsWithOnePlusMinusOrDivide) {
    const CarryCase& c = GetParam();
    CbrBox(0)->setChecked(true);
    SelectOperandCount(c.operandCount);
    SetGapOperators(0, c.gap1);
    EXPECT_EQ(CbrBox(0)->isEnabled(), c.enabled) << c.gap1;
    EXPECT_EQ(CbrBox(1)->isEnabled(), c.enabled) << c.gap1;
    EXPECT_EQ(CbrBox(0)->text(), Q(c.firstCaption)) << c.gap1;
    if (!c.enabled) {
        EXPECT_FALSE(CbrBox(0)->isChecked() || CbrBox(1)->isChecked()) << c.gap1;
        EXPECT_EQ(window->OperandController().CbrValue(), Cbr::None);
    }
}

INSTANTIATE_TEST_SUITE_P(GapOne, CarryPairTest,
                         ::testing::Values(CarryCase{2, "x...", true, u"有进位"},
                                           CarryCase{2, ".x..", true, u"有借位"},
                                           CarryCase{2, "xx..", false, u"有进位"},
                                           CarryCase{2, "..x.", false, u"有进位"},
                                           CarryCase{2, "...x", true, u"有余数"},
                                           CarryCase{2, "....", false, u"有进位"},
                                           CarryCase{3, "x...", false, u"有进位"},
                                           CarryCase{4, ".x..", false, u"有借位"}));

TEST_F(PanelTest, PairedBoxesAreExclusive) {
    Check("chkMultipleOfs", 2)->setChecked(true);
    Check("chkMultipleOfs", 3)->setChecked(true);
    EXPECT_FALSE(Check("chkMultipleOfs", 2)->isChecked());
    EXPECT_EQ(window->OperandController().MultipleOfs(1), 100);
    Check("chkMultipleOfs", 2)->setChecked(true);
    EXPECT_FALSE(Check("chkMultipleOfs", 3)->isChecked());
    EXPECT_EQ(window->OperandController().MultipleOfs(1), 10);
    Check("chkMultipleOfs", 2)->setChecked(false);
    EXPECT_EQ(window->OperandController().MultipleOfs(1), 1);

    CbrBox(1)->setChecked(true);
    EXPECT_EQ(window->OperandController().CbrValue(), Cbr::NoCarry);
    CbrBox(0)->setChecked(true);
    EXPECT_FALSE(CbrBox(1)->isChecked());
    EXPECT_EQ(window->OperandController().CbrValue(), Cbr::Carry);
}

TEST_F(PanelTest, TemplatesCarryTheBorrowCodeAndOrderedRanges) {
    SetGapOperators(0, ".x..");
    CbrBox(1)->setChecked(true);
    EnterText(Box("txtLimits", 0), QStringLiteral("20"));
    EnterText(Box("txtLimits", 1), QStringLiteral("5"));
    std::u16string error;
    const TemplateList templates = PanelTemplates(error);
    ASSERT_EQ(templates.size(), 1u);
    EXPECT_TRUE(error.empty());
    const OperandList& operands = templates[0]->Operands();
    ASSERT_EQ(operands.size(), 2u);
    EXPECT_EQ(operands[0]->LowerLimit(), 5);
    EXPECT_EQ(operands[0]->UpperLimit(), 20);
    EXPECT_EQ(operands[1]->CbrSetting(), Cbr::NoBorrow);
    EXPECT_EQ(operands[1]->LeftOperator(), Op::Minus);
    EXPECT_EQ(Box("txtLimits", 0)->text(), QStringLiteral("20"));
}

TEST_F(PanelTest, TicksOfTwoGapsGiveOneTemplatePerCombination) {
    SelectOperandCount(3);
    SetGapOperators(0, "xx..");
    SetGapOperators(1, "..xx");
    Check("chkMultipleOfs", 9)->setChecked(true);
    std::u16string error;
    const TemplateList templates = PanelTemplates(error);
    ASSERT_EQ(templates.size(), 4u);
    const int32_t expected[4][2] = {{Op::Plus, Op::Times},
                                    {Op::Plus, Op::Divide},
                                    {Op::Minus, Op::Times},
                                    {Op::Minus, Op::Divide}};
    for (size_t t = 0; t < templates.size(); ++t) {
        EXPECT_EQ(templates[t]->Operands()[1]->LeftOperator(), expected[t][0]) << t;
        EXPECT_EQ(templates[t]->Operands()[2]->LeftOperator(), expected[t][1]) << t;
        EXPECT_EQ(templates[t]->ResultOperand()->MultipleOf(), 100) << t;
    }
    EXPECT_NE(templates[0]->ResultOperand(), templates[1]->ResultOperand());
    EXPECT_EQ(window->OperandController().OperatorsNoGap(0), u"＋－$$");
    EXPECT_EQ(window->GetOperators(1), u"×÷");

    SetGapOperators(1, "....");
    EXPECT_TRUE(PanelTemplates(error).empty());
    EXPECT_EQ(error, u"错误：至少一个运算数没有选择运算符号。");
}

struct ClampCase {
    const char* group;
    int index;
    const char* typed;
    const char* shown;
};

void PrintTo(const ClampCase& c, std::ostream* out) {
    *out << c.group << '_' << c.index << " \"" << c.typed << '"';
}

class ClampTest : public MainWindowFixture, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(ClampTest, LeavingABoxClampsItsValue) {
    const ClampCase& c = GetParam();
    CNumberBox* box = Box(c.group, c.index);
    EnterText(box, QString::fromUtf8(c.typed));
    EXPECT_EQ(box->text(), QString::fromUtf8(c.shown)) << c.group << c.index << " " << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ClampTest,
    ::testing::Values(
        ClampCase{"txtLimits", 3, "  12345678", "10000"}, ClampCase{"txtLimits", 0, "2.5", "2"},
        ClampCase{"txtLimits", 9, "3.5", "4"}, ClampCase{"txtLimits", 8, "", "1"},
        ClampCase{"txtLimits", 1, "1.2.3", "10"}, ClampCase{"txtSettings", 0, "0", "1"},
        ClampCase{"txtSettings", 0, "99999", "5000"}, ClampCase{"txtSettings", 1, "0", "1"},
        ClampCase{"txtSettings", 1, "25", "20"}, ClampCase{"txtSettings", 2, "26", "25"},
        ClampCase{"txtSettings", 3, "51", "50"}, ClampCase{"txtSettings", 4, "0", "0"},
        ClampCase{"txtSettings", 4, ".", "10"}));

} // namespace
} // namespace kelvo

namespace kelvo {
namespace {

// A kind as text: ranges with their steps, allowed operators, result, code.
std::string Describe(const CQuestionData& qd) {
    std::string text;
    const auto limitText = [](const CValueLimit& limit) {
        return std::to_string(limit.LowerLimit()) + ".." + std::to_string(limit.UpperLimit()) +
               "/" + std::to_string(limit.MultipleOf()) + " ";
    };
    for (int32_t k = 1; k <= qd.Limits().Count(); ++k) {
        text += limitText(*qd.Limits().Item(k));
        if (k < qd.Limits().Count()) {
            text +=
                QString::fromStdU16String(AllowedOperators(qd.Operators().Item(k))).toStdString() +
                " ";
        }
    }
    return text + "= " + limitText(*qd.ResultLimit()) + "cbr " + std::to_string(qd.Cbr());
}

std::shared_ptr<CValueLimit> Step(int32_t lower, int32_t upper, int32_t multipleOf) {
    auto limit = std::make_shared<CValueLimit>();
    limit->Init(lower, upper, multipleOf, 1);
    return limit;
}

using PanelMappingTest = MainWindowFixture;

TEST_F(PanelMappingTest, EveryPresetShownOnThePanelReadsBackAsThePreset) {
    CPreCreatedQuestions presets;
    presets.Load();
    for (int32_t i = 1; i <= presets.Questions().Count(); ++i) {
        const CQuestionData& preset = *presets.Questions().Item(i);
        if (preset.Limits().Count() == 0) {
            continue;
        }
        SelectQuestionType(preset.Title().c_str());
        EXPECT_EQ(Describe(*window->OperandController().QuestionData()), Describe(preset))
            << QString::fromStdU16String(preset.Title()).toStdString();
    }
}

TEST_F(PanelMappingTest, DescriptionsRoundTripThroughThePanel) {
    CQuestionData carry;
    carry.AddLimit(Step(10, 90, 10));
    carry.AddOperator(u"＋$$$");
    carry.AddLimit(Step(1, 9, 1));
    carry.SetResultLimit(Step(0, 100, 1));
    carry.SetCbr(Cbr::NoCarry);

    CQuestionData three;
    three.AddLimit(Step(100, 900, 100));
    three.AddOperator(u"＋－$$");
    three.AddLimit(Step(30, 5, 10));
    three.AddOperator(u"$$×÷");
    three.AddLimit(Step(2, 9, 1));
    three.SetResultLimit(Step(0, 10000, 100));

    CQuestionData four = three;
    four.AddOperator(u"$－$÷");
    four.AddLimit(Step(1, 5, 1));

    for (const CQuestionData* qd : {&four, &carry, &three}) {
        window->ShowQuestionData(*qd);
        EXPECT_EQ(window->OperandCount(), qd->Limits().Count());
        EXPECT_EQ(Describe(*window->OperandController().QuestionData()), Describe(*qd));
    }
}

} // namespace
} // namespace kelvo

namespace kelvo {
namespace {

using PanelPickTest = MainWindowFixture;

// The user picks the entry already shown from the open list.
TEST_F(PanelPickTest, PickingTheShownPresetAgainPutsItBack) {
    SelectQuestionType(u"100以内的连加减");
    ASSERT_EQ(window->OperandCount(), 3);
    SelectOperandCount(4);
    ASSERT_EQ(window->OperandCount(), 4);
    auto* list = Find<QComboBox>(QStringLiteral("cboQuestionType"));
    list->showPopup();
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_EQ(window->OperandCount(), 3);
    EXPECT_EQ(list->currentText(), QString::fromUtf16(u"100以内的连加减"));
}

TEST_F(PanelPickTest, AGapShownWithoutTicksTakesTheTicksOfGapOne) {
    SetGapOperators(0, "x.x.");
    SelectOperandCount(4);
    for (int gap : {1, 2}) {
        for (int p = 0; p < 4; ++p) {
            EXPECT_EQ(Check("chkOperators", 4 * gap + p)->isChecked(), p % 2 == 0) << gap << p;
        }
    }
    std::u16string error;
    EXPECT_EQ(PanelTemplates(error).size(), 8u);
    EXPECT_TRUE(error.empty());

    // A gap that has ticks keeps them when it is shown again.
    SetGapOperators(1, "...x");
    SelectOperandCount(2);
    SelectOperandCount(3);
    EXPECT_EQ(window->OperandController().OperatorsNoGap(1), u"$$$÷");
}

} // namespace
} // namespace kelvo
