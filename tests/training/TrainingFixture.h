#pragma once

#include "foundation/RandomSource.h"
#include "generation/CExpression.h"
#include "number/OperatorCodes.h"
#include "question/CConfig.h"
#include "store/CDrillHistory.h"
#include "training/CClickLabel.h"
#include "training/CtrlsTraining.h"
#include "training/TrainingControls.h"
#include "training/frmTraining.h"
#include "widgets/CNumberBox.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

namespace kelvo::test {

// a + b with a, b and the result inside the given ranges.
inline std::shared_ptr<CExpression> AdditionTemplate(int32_t aLow, int32_t aHigh, int32_t bLow,
                                                     int32_t bHigh, int32_t rLow, int32_t rHigh) {
    auto a = std::make_shared<COperand>();
    a->InitLimits(aLow, aHigh, 1);
    auto b = std::make_shared<COperand>();
    b->InitLimits(bLow, bHigh, 1);
    b->SetLeftOperator(Op::Plus);
    auto result = std::make_shared<COperand>();
    result->InitLimits(rLow, rHigh, 1);
    auto expression = std::make_shared<CExpression>();
    expression->Init({a, b}, result);
    return expression;
}

// "9加几": ten distinct questions, 9＋1= to 9＋10=.
inline TemplateList NineAddTemplates() {
    return {AdditionTemplate(9, 9, 1, 10, 0, 19)};
}

class TrainingWindowTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(20240611); }

    void TearDown() override {
        delete m_form.data();
        UseClockForRandomReseed();
    }

    frmTraining& Open() {
        m_form = new frmTraining(
            nullptr,
            [this](int32_t wanted) {
                if (m_sourceFailure) {
                    std::exchange(m_sourceFailure, nullptr)();
                }
                CQuestionSet questionSet{m_templates, {}, {}, {}, m_title};
                questionSet.questions = GenerateQuestions(
                    m_templates, wanted, &questionSet.generatedCount, nullptr, &questionSet.end);
                return questionSet;
            },
            [this](CQuestionSet questions, std::u16string title) {
                m_taken = std::move(questions);
                m_takenTitle = std::move(title);
            },
            *m_config, *m_history);
        m_form->show();
        return *m_form;
    }

    // Closes the window as the user does and lets it go.
    void CloseWindow() {
        m_form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmTraining& Form() { return *m_form; }
    CClickLabel* Label(int index) {
        return m_form->findChild<CClickLabel*>(QStringLiteral("lblQuestions_%1").arg(index));
    }
    void Click(int index) { QTest::mouseClick(Label(index), Qt::LeftButton); }
    void Key(Qt::Key key) { QTest::keyClick(m_form.data(), key); }
    void Tick() { m_form->Controller().DoTimered(); }

    // The label of slot k that holds the sum of its question "a＋b=".
    int RightLabel(int slot) {
        const QString question = Label(3 * slot)->text();
        const QStringList parts = question.chopped(1).split(u'＋');
        const int sum = parts.at(0).toInt() + parts.at(1).toInt();
        for (int choice = 1; choice <= 2; ++choice) {
            if (Label(3 * slot + choice)->text().toInt() == sum) {
                return 3 * slot + choice;
            }
        }
        ADD_FAILURE() << "no right answer in slot " << slot;
        return 3 * slot + 1;
    }
    int WrongLabel(int slot) {
        const int right = RightLabel(slot);
        return right % 3 == 1 ? right + 1 : right - 1;
    }

    // 30 right but the first `wrong` slots.
    void Answer(int wrong) {
        for (int slot = 0; slot < frmTraining::kSlotCount; ++slot) {
            Click(slot < wrong ? WrongLabel(slot) : RightLabel(slot));
        }
    }

    QColor Window() const { return m_form->palette().color(QPalette::Window); }

    QTemporaryDir m_dir;
    std::unique_ptr<CConfig> m_config =
        std::make_unique<CConfig>(std::filesystem::path(m_dir.filePath("Kelvo.ini").toStdString()));
    QDateTime m_now{QDate(2024, 6, 3), QTime(18, 30)};
    std::unique_ptr<CDrillHistory> m_history = std::make_unique<CDrillHistory>(
        m_dir.filePath(QStringLiteral("KelvoHistory.sqlite")), [this] { return m_now; });
    TemplateList m_templates = NineAddTemplates();
    std::u16string m_title = u"9加几";
    // Thrown from the next question request, once.
    std::function<void()> m_sourceFailure;
    QPointer<frmTraining> m_form;
    // The last weak-spot sheet the window handed on.
    CQuestionSet m_taken;
    std::u16string m_takenTitle;
};

inline const QColor kGreen(0, 255, 0);
inline const QColor kRed(255, 0, 0);

} // namespace kelvo::test
