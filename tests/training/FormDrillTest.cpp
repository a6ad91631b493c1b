#include "TrainingFixture.h"

#include "training/frmMistakeBook.h"

#include <QRegularExpression>
#include <QTreeWidget>

namespace kelvo::test {
namespace {

using FormDrillTest = TrainingWindowTest;

// The right answer to a question of a+b as the drill writes it: "8＋5 ○ 12",
// "8 ○ 5 = 13" or "49＋32≈".
QString RightAnswer(const QString& question) {
    static const QRegularExpression numbers(QStringLiteral("\\d+"));
    std::vector<int> values;
    for (const auto& match : numbers.globalMatch(question)) {
        values.push_back(match.captured().toInt());
    }
    if (question.endsWith(u'≈')) {
        return QString::number((values.at(0) + 5) / 10 * 10 + (values.at(1) + 5) / 10 * 10);
    }
    if (question.contains(u'=')) {
        return QStringLiteral("＋");
    }
    const int sum = values.at(0) + values.at(1);
    return sum > values.at(2)   ? QStringLiteral("＞")
           : sum < values.at(2) ? QStringLiteral("＜")
                                : QStringLiteral("＝");
}

// A wrong answer of the same kind as the right one.
QString WrongAnswer(const QString& right) {
    if (right == QStringLiteral("＞") || right == QStringLiteral("＋")) {
        return right == QStringLiteral("＞") ? QStringLiteral("＜") : QStringLiteral("－");
    }
    return right.at(0).isDigit() ? QString::number(right.toInt() + 10) : QStringLiteral("＞");
}

TEST_F(FormDrillTest, EachFormIsAskedAnsweredGradedRecordedAndReviewedInItsForm) {
    struct Case {
        QuestionForm form;
        std::shared_ptr<CExpression> kind;
        QString questionPattern;
        int signKeys;
    };
    const Case cases[] = {
        {QuestionForm::Compare, AdditionTemplate(1, 9, 1, 9, 0, 18),
         QStringLiteral("^\\d＋\\d ○ \\d+$"), 3},
        {QuestionForm::FillOperator, AdditionTemplate(1, 9, 1, 9, 0, 18),
         QStringLiteral("^\\d ○ \\d = \\d+$"), 4},
        {QuestionForm::EstimateTens, AdditionTemplate(11, 94, 11, 94, 0, 200),
         QStringLiteral("^\\d+＋\\d+≈$"), 0},
    };
    // Keys type the signs as the keyboard does; numbers digit by digit, then Enter.
    const auto typeOnKeys = [this](const QString& answer) {
        static const QString signs = QStringLiteral("＞＜＝＋－×÷");
        static const QString keys = QStringLiteral("><=+-*/");
        for (const QChar c : answer) {
            QTest::keyClick(m_form.data(),
                            c.isDigit() ? c.toLatin1() : keys.at(signs.indexOf(c)).toLatin1());
        }
        if (answer.at(0).isDigit()) {
            Key(Qt::Key_Return);
        }
    };
    const auto typeOnKeypad = [this](const QString& answer) {
        const TrainingControls ui = Ui(*m_form);
        for (const QChar c : answer) {
            if (c.isDigit()) {
                QTest::mouseClick(ui.cmdKeys[c.digitValue()], Qt::LeftButton);
                continue;
            }
            for (QPushButton* sign : m_form->findChildren<QPushButton*>(
                     QRegularExpression(QStringLiteral("^cmdSigns_")))) {
                if (sign->text() == c && sign->isVisible()) {
                    QTest::mouseClick(sign, Qt::LeftButton);
                }
            }
        }
        if (answer.at(0).isDigit()) {
            QTest::mouseClick(ui.cmdEnter, Qt::LeftButton);
        }
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.form));
        c.kind->SetForm(c.form);
        m_templates = {c.kind};
        frmTraining& form = Open();
        const TrainingControls ui = Ui(form);
        for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
            const QString question = Label(3 * slot)->text();
            EXPECT_TRUE(QRegularExpression(c.questionPattern).match(question).hasMatch())
                << question.toStdString();
            const QString right = RightAnswer(question);
            const QString first = Label(3 * slot + 1)->text();
            const QString second = Label(3 * slot + 2)->text();
            EXPECT_TRUE((first == right) != (second == right)) << "one right choice of two";
            EXPECT_EQ(first.at(0).isDigit(), right.at(0).isDigit()) << "both of the right kind";
        }

        QTest::mouseClick(ui.optAnswerModes[1], Qt::LeftButton);
        const auto shownSigns =
            form.findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^cmdSigns_")));
        EXPECT_EQ(std::ranges::count_if(shownSigns, [](auto* key) { return key->isVisible(); }),
                  c.signKeys);
        Key(Qt::Key_S);
        const QString missed = Label(0)->text();
        typeOnKeys(WrongAnswer(RightAnswer(missed)));
        EXPECT_EQ(Label(2)->text(), RightAnswer(missed)) << "the right answer shown";
        EXPECT_EQ(Label(2)->BackColor(), kRed);
        typeOnKeypad(RightAnswer(missed));
        EXPECT_EQ(Label(1)->text(), RightAnswer(missed)) << "retyped before going on";
        for (int slot = 1; slot < frmTraining::kSlotCount; ++slot) {
            const QString right = RightAnswer(Label(3 * slot)->text());
            slot % 2 == 0 ? typeOnKeys(right) : typeOnKeypad(right);
            EXPECT_EQ(Label(3 * slot + 1)->BackColor(), kGreen) << slot;
        }
        Key(Qt::Key_F);
        EXPECT_EQ(ui.lblWrong->text(), QStringLiteral("错误：1"));

        const std::vector<CBookEntry> book = m_history->MistakeBook();
        ASSERT_EQ(book.size(), 1u);
        EXPECT_EQ(book.front().kept.question->Form(), c.form);
        ui.cmdMistakeBook->click();
        auto* bookWindow = form.findChild<frmMistakeBook*>();
        ASSERT_NE(bookWindow, nullptr);
        const QTreeWidgetItem* entry = bookWindow->treMistakes->topLevelItem(0)->child(0);
        EXPECT_EQ(entry->text(0), missed);
        EXPECT_EQ(entry->text(1), RightAnswer(missed));
        bookWindow->cmdReview->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Label(0)->text(), missed) << "asked in its form again";
        Key(Qt::Key_S);
        for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
            typeOnKeys(RightAnswer(missed));
        }
        Key(Qt::Key_F);
        EXPECT_EQ(ui.lblWrong->text(), QStringLiteral("错误：0"));
        CloseWindow();
        m_history = std::make_unique<CDrillHistory>(
            m_dir.filePath(QStringLiteral("KelvoHistory%1.sqlite").arg(static_cast<int>(c.form))),
            [this] { return m_now; });
    }
}

} // namespace
} // namespace kelvo::test
