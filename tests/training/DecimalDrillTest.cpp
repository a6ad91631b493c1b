#include "TrainingFixture.h"

#include "question/CPreCreatedQuestions.h"
#include "question/QuestionTemplates.h"
#include "training/frmMistakeBook.h"

#include <QTextDocument>
#include <QTreeWidget>

#include <numeric>

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

// The pieces of a label as it shows them: a stacked fraction's numerator and
// denominator are pieces of their own.
QStringList ShownPieces(const QLabel& label) {
    QTextDocument shown;
    shown.setHtml(label.text());
    return shown.toPlainText().split(u'\n', Qt::SkipEmptyParts);
}

// "a/d＋b/d=" or "a/d－b/d=", shown stacked, worked out in lowest terms.
QString SameDenominatorAnswer(const QLabel& question) {
    const QStringList pieces = ShownPieces(question);
    EXPECT_EQ(pieces.size(), 6) << question.text().toStdString();
    const int denominator = pieces.value(1).toInt();
    EXPECT_EQ(pieces.value(4).toInt(), denominator);
    const int sign = pieces.value(2) == QStringLiteral("＋") ? 1 : -1;
    const int numerator = pieces.value(0).toInt() + sign * pieces.value(3).toInt();
    const int common = std::gcd(numerator, denominator);
    return common == denominator
               ? QString::number(numerator / common)
               : QStringLiteral("%1/%2").arg(numerator / common).arg(denominator / common);
}

TEST_F(DecimalDrillTest, AFractionDrillShowsFractionsStackedAndCountsAnswersInLowestTerms) {
    m_templates = PresetTemplates(u"同分母分数加减法");
    ASSERT_FALSE(m_templates.empty());
    frmTraining& form = Open();
    const TrainingControls ui = Ui(form);
    QTest::mouseClick(ui.optAnswerModes[1], Qt::LeftButton);
    Key(Qt::Key_S);
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("cmdPoint"))->text(),
              QStringLiteral("/"));
    // The first answer doubled over its denominator: the same number, not in lowest terms.
    const QString right = SameDenominatorAnswer(*Label(0));
    const qsizetype bar = right.indexOf(u'/');
    const QString unreduced = bar < 0 ? QStringLiteral("%1/2").arg(2 * right.toInt())
                                      : QStringLiteral("%1/%2")
                                            .arg(2 * right.left(bar).toInt())
                                            .arg(2 * right.mid(bar + 1).toInt());
    TypeAnswers(form, unreduced, 1);
    EXPECT_EQ(Label(2)->BackColor(), kRed);
    EXPECT_EQ(ShownPieces(*Label(2)).join(u'/'), right) << "the right answer shown stacked";
    TypeAnswers(form, right, 1);
    for (int slot = 1; slot < frmTraining::kSlotCount; ++slot) {
        TypeAnswers(form, SameDenominatorAnswer(*Label(3 * slot)), 1);
        EXPECT_EQ(Label(3 * slot + 1)->BackColor(), kGreen) << slot;
    }
    Key(Qt::Key_F);
    EXPECT_EQ(ui.lblWrong->text(), QStringLiteral("错误：1"));
}

} // namespace
} // namespace kelvo::test
