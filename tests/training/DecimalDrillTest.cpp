#include "TrainingFixture.h"

#include "question/CPreCreatedQuestions.h"
#include "question/QuestionTemplates.h"
#include "training/frmMistakeBook.h"

#include <QTreeWidget>

#include <QRegularExpression>

namespace kelvo::test {
namespace {

using DecimalDrillTest = TrainingWindowTest;

TemplateList PresetTemplates(std::u16string_view name) {
    CPreCreatedQuestions presets;
    presets.Load();
    for (int32_t i = 1; i <= presets.Questions().Count(); ++i) {
        if (presets.Questions().Item(i)->Title() == name) {
            std::u16string error;
            return QuestionTemplates(*presets.Questions().Item(i), error);
        }
    }
    return {};
}

// The product of "0.3×0.2=" worked out on its digits and written as a
// textbook writes it: "0.06".
QString Product(const QString& question) {
    static const QRegularExpression factors(QStringLiteral("^(\\d+)\\.(\\d+)×(\\d+)\\.(\\d+)=$"));
    const QRegularExpressionMatch match = factors.match(question);
    EXPECT_TRUE(match.hasMatch()) << question.toStdString();
    const qsizetype places = match.captured(2).size() + match.captured(4).size();
    const qlonglong digits = (match.captured(1) + match.captured(2)).toLongLong() *
                             (match.captured(3) + match.captured(4)).toLongLong();
    QString text = QString::number(digits).rightJustified(places + 1, u'0');
    text.insert(text.size() - places, u'.');
    while (text.endsWith(u'0')) {
        text.chop(1);
    }
    if (text.endsWith(u'.')) {
        text.chop(1);
    }
    return text;
}

// Typed into a running drill, then Enter.
void TypeAnswers(frmTraining& form, const QString& answer, int times) {
    for (int k = 0; k < times; ++k) {
        QTest::keyClicks(&form, answer + QStringLiteral("\r"));
    }
}

TEST_F(DecimalDrillTest, ADecimalDrillIsTypedWithItsPointGradedAndReviewedAsWritten) {
    m_templates = PresetTemplates(u"小数乘小数");
    ASSERT_FALSE(m_templates.empty());
    frmTraining& form = Open();
    const TrainingControls ui = Ui(form);
    for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
        const QString right = Product(Label(3 * slot)->text());
        const QString first = Label(3 * slot + 1)->text();
        const QString second = Label(3 * slot + 2)->text();
        EXPECT_TRUE((first == right) != (second == right)) << right.toStdString();
    }

    QTest::mouseClick(ui.optAnswerModes[1], Qt::LeftButton);
    Key(Qt::Key_S);
    auto* point = form.findChild<QPushButton*>(QStringLiteral("cmdPoint"));
    ASSERT_NE(point, nullptr);
    EXPECT_TRUE(point->isEnabled());
    // The point typed where the product has one place too few.
    const QString missed = Label(0)->text();
    const QString right = Product(missed);
    QString slip = right + QStringLiteral("0");
    if (const qsizetype at = right.indexOf(u'.'); at >= 0) {
        slip = right;
        slip.remove(at, 1).insert(at + 1, u'.');
    }
    QTest::keyClicks(&form, slip + QStringLiteral("\r"));
    EXPECT_EQ(Label(2)->text(), right) << "the right answer shown";
    EXPECT_EQ(Label(2)->BackColor(), kRed);
    // Retyped on the keypad, with a trailing zero.
    for (const QChar c : right + QStringLiteral("0")) {
        QTest::mouseClick(c == u'.' ? point : ui.cmdKeys[c.digitValue()], Qt::LeftButton);
    }
    QTest::mouseClick(ui.cmdEnter, Qt::LeftButton);
    EXPECT_EQ(Label(1)->text(), right);
    for (int slot = 1; slot < frmTraining::kSlotCount; ++slot) {
        TypeAnswers(form, Product(Label(3 * slot)->text()), 1);
        EXPECT_EQ(Label(3 * slot + 1)->BackColor(), kGreen) << slot;
    }
    Key(Qt::Key_F);
    EXPECT_EQ(ui.lblWrong->text(), QStringLiteral("错误：1"));
    EXPECT_EQ(ui.lblGrade->text(), QStringLiteral("等级：榜眼"));

    // The mistake book keeps the question as written and asks it again so.
    ui.cmdMistakeBook->click();
    auto* book = form.findChild<frmMistakeBook*>();
    ASSERT_NE(book, nullptr);
    const QTreeWidgetItem* entry = book->treMistakes->topLevelItem(0)->child(0);
    EXPECT_EQ(entry->text(0), missed);
    EXPECT_EQ(entry->text(1), right);
    book->cmdReview->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Label(0)->text(), missed);
    Key(Qt::Key_S);
    EXPECT_TRUE(point->isEnabled());
    TypeAnswers(form, right, frmTraining::kSlotCount);
    Key(Qt::Key_F);
    EXPECT_EQ(ui.lblWrong->text(), QStringLiteral("错误：0"));
}

} // namespace
} // namespace kelvo::test
