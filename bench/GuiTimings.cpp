// Times the main window (start-up, Create) and renders it, the training window
// (choosing, and typing with the keypad at 12 and 28 pt, also with remainders),
// the mistake book and score history over a week of drills, the 听算 window and
// the font dialog to PNG files for a visual check.
// Usage: kelvo_gui_timings [folder for the PNG files]
#include "dialogs/frmFont.h"
#include "listeningui/frmListening.h"
#include "number/OperatorCodes.h"
#include "printing/CPagePreview.h"
#include "store/CDrillHistory.h"
#include "store/PlanFiles.h"
#include "training/CClickLabel.h"
#include "training/CtrlsTraining.h"
#include "training/frmMistakeBook.h"
#include "training/frmScoreHistory.h"
#include "training/frmTraining.h"
#include "ui/frmMain.h"
#include "ui/frmPageOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <utility>

namespace {

// The machine may be shared; processor time shows the cost apart from waiting.
double ProcessorMilliseconds() {
    return std::clock() * 1000.0 / CLOCKS_PER_SEC;
}

void Save(QWidget& window, const QString& folder, const char* name) {
    if (!folder.isEmpty()) {
        window.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
    }
}

// A week of evening drills of two kinds, each with a few misses.
void SeedWeek(const QString& path) {
    QDateTime now;
    kelvo::CDrillHistory history(path, [&now] { return now; });
    const std::array<std::u16string, 2> kinds{u"20以内的加法", u"乘法口诀"};
    kelvo::CValueLimit limit;
    limit.Init(0, 100, 1, 1);
    for (int day = 0; day < 7; ++day) {
        for (int k = 0; k < 2; ++k) {
            now = QDateTime(QDate::currentDate().addDays(day - 8), QTime(18 + k, 5 * day));
            const int wrong = (7 - day + 3 * k) % 6;
            kelvo::CDrillRecord record{{kinds[k], 2, 60, 40 + day, 30 - wrong, wrong,
                                        (30 - wrong) * 100 / 30, kelvo::GradeName(wrong), 1,
                                        (40 + day) * 1000, 8},
                                       {},
                                       {},
                                       {}};
            for (int m = 0; m < wrong; ++m) {
                auto question = std::make_shared<kelvo::CExprValue>();
                const int a = 2 + (day + m) % 8;
                const int op = k == 0 ? kelvo::Op::Plus : kelvo::Op::Times;
                const std::array<kelvo::CExprValue::OperandValue, 2> operands{
                    {{kelvo::Op::None, a}, {op, 7}}};
                question->CreateFrom(operands, k == 0 ? a + 7 : a * 7);
                record.missed.push_back({{kinds[k], question, limit}, std::nullopt});
            }
            history.Record(record);
        }
    }
}

// The history windows of the training window, as its buttons open them.
void SaveHistoryWindows(kelvo::frmTraining& training, const QString& folder) {
    training.findChild<QPushButton*>(QStringLiteral("cmdScoreHistory"))->click();
    auto* scores = training.findChild<kelvo::frmScoreHistory*>();
    QApplication::processEvents();
    Save(*scores, folder, "kelvo-score-history.png");
    scores->close();
    training.findChild<QPushButton*>(QStringLiteral("cmdMistakeBook"))->click();
    auto* book = training.findChild<kelvo::frmMistakeBook*>();
    QApplication::processEvents();
    Save(*book, folder, "kelvo-mistake-book.png");
    book->close();
}

// A new drill in typing mode, its questions at the given size.
void StartTypedDrill(kelvo::frmTraining& training, int32_t size) {
    auto font = *training.QuestionFont();
    font.SetSize(size);
    training.ApplyQuestionFont(font);
    training.findChild<QRadioButton*>(QStringLiteral("optAnswerModes_1"))->click();
    training.findChild<QPushButton*>(QStringLiteral("cmdCreate"))->click();
    training.findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
}

// A typing drill at the given size: ten answers typed on the keypad, every
// third one wrong, the last wrong one waiting to be retyped; then graded.
void SaveTypedTraining(kelvo::frmTraining& training, const QString& folder, int32_t size) {
    StartTypedDrill(training, size);
    const auto press = [&](const QString& name) {
        training.findChild<QPushButton*>(name)->click();
    };
    for (int slot = 0; slot < 10; ++slot) {
        const QStringList parts =
            training
                .findChild<kelvo::CClickLabel*>(QStringLiteral("lblQuestions_%1").arg(3 * slot))
                ->text()
                .chopped(1)
                .split(u'＋');
        const int sum = parts.value(0).toInt() + parts.value(1).toInt() + (slot % 3 == 2 ? 1 : 0);
        for (const QChar digit : QString::number(sum)) {
            press(QStringLiteral("cmdKeys_%1").arg(digit.digitValue()));
        }
        press(QStringLiteral("cmdEnter"));
        if (slot % 3 == 2 && slot < 8) {
            for (const QChar digit : QString::number(sum - 1)) {
                press(QStringLiteral("cmdKeys_%1").arg(digit.digitValue()));
            }
            press(QStringLiteral("cmdEnter"));
        }
    }
    QApplication::processEvents();
    Save(training, folder,
         QStringLiteral("kelvo-training-typed-%1pt.png").arg(size).toLatin1().constData());
    press(QStringLiteral("cmdFinish"));
    QApplication::processEvents();
    Save(training, folder,
         QStringLiteral("kelvo-training-typed-graded-%1pt.png").arg(size).toLatin1().constData());
}

// A typing drill of division with remainders at the given size: the first
// answer right, the second without its remainder and shown right, its retyping
// stopped after "余".
void SaveRemainderTraining(kelvo::frmTraining& training, const QString& folder, int32_t size) {
    StartTypedDrill(training, size);
    const auto press = [&](const QString& name) {
        training.findChild<QPushButton*>(name)->click();
    };
    const auto typeNumber = [&](int value) {
        for (const QChar digit : QString::number(value)) {
            press(QStringLiteral("cmdKeys_%1").arg(digit.digitValue()));
        }
    };
    const auto operands = [&](int slot) {
        const QStringList parts =
            training
                .findChild<kelvo::CClickLabel*>(QStringLiteral("lblQuestions_%1").arg(3 * slot))
                ->text()
                .chopped(1)
                .split(u'÷');
        return std::pair(parts.value(0).toInt(), std::max(parts.value(1).toInt(), 1));
    };
    const auto [dividend0, divisor0] = operands(0);
    typeNumber(dividend0 / divisor0);
    press(QStringLiteral("cmdRemainder"));
    typeNumber(dividend0 % divisor0);
    press(QStringLiteral("cmdEnter"));
    const auto [dividend1, divisor1] = operands(1);
    typeNumber(dividend1 / divisor1);
    press(QStringLiteral("cmdEnter"));
    typeNumber(dividend1 / divisor1);
    press(QStringLiteral("cmdRemainder"));
    QApplication::processEvents();
    Save(training, folder,
         QStringLiteral("kelvo-training-remainder-%1pt.png").arg(size).toLatin1().constData());
    press(QStringLiteral("cmdFinish"));
}

// A typing drill of fractions: the first answer typed up to its bar, then
// graded, so that the right answers stand beside the questions.
void SaveFractionTraining(kelvo::frmTraining& training, const QString& folder) {
    StartTypedDrill(training, 16);
    training.findChild<QPushButton*>(QStringLiteral("cmdKeys_1"))->click();
    training.findChild<QPushButton*>(QStringLiteral("cmdPoint"))->click();
    QApplication::processEvents();
    Save(training, folder, "kelvo-training-fractions.png");
    training.findChild<QPushButton*>(QStringLiteral("cmdFinish"))->click();
    QApplication::processEvents();
    Save(training, folder, "kelvo-training-fractions-graded.png");
}

// A drill of the main window's kind of question, before and after grading
// with a few answers clicked.
void SaveTraining(kelvo::frmMain& window, const QString& folder) {
    window.findChild<QPushButton*>(QStringLiteral("cmdTraining"))->click();
    kelvo::frmTraining& training = *window.TrainingWindow();
    QApplication::processEvents();
    Save(training, folder, "kelvo-training.png");
    training.findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    for (int slot = 0; slot < kelvo::frmTraining::kSlotCount; slot += 3) {
        emit training
            .findChild<kelvo::CClickLabel*>(
                QStringLiteral("lblQuestions_%1").arg(3 * slot + 1 + slot % 2))
            ->clicked();
    }
    training.findChild<QPushButton*>(QStringLiteral("cmdFinish"))->click();
    Save(training, folder, "kelvo-training-graded.png");
    SaveHistoryWindows(training, folder);
    SaveTypedTraining(training, folder, 12);
    SaveTypedTraining(training, folder, 28);
    training.close();
    // The closed window goes, so that the button opens a new one.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    auto* types = window.findChild<QComboBox*>(QStringLiteral("cboQuestionType"));
    const int kind = types->currentIndex();
    types->setCurrentIndex(types->findText(QStringLiteral("有余数的除法（表内）")));
    window.findChild<QPushButton*>(QStringLiteral("cmdTraining"))->click();
    kelvo::frmTraining& remainders = *window.TrainingWindow();
    SaveRemainderTraining(remainders, folder, 12);
    SaveRemainderTraining(remainders, folder, 28);
    remainders.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    types->setCurrentIndex(types->findText(QString::fromUtf16(u"异分母分数加减法")));
    window.findChild<QPushButton*>(QStringLiteral("cmdTraining"))->click();
    kelvo::frmTraining& fractions = *window.TrainingWindow();
    SaveFractionTraining(fractions, folder);
    fractions.close();
    types->setCurrentIndex(kind);
}

// The system's dialogs, except that messages are not waited for and the
// preview (at the window's size) and the page options are photographed
// rather than run.
class CPhotographedDialogs : public kelvo::CSystemDialogs {
public:
    CPhotographedDialogs(QWidget* window, QString folder)
        : CSystemDialogs(window), m_window(window), m_folder(std::move(folder)) {}

    void Tell(const QString&) override {}
    void RunPreview(kelvo::CPagePreview& preview) override {
        preview.Dialog().resize(m_window->size());
        preview.Dialog().show();
        QApplication::processEvents();
        previewShown = clock.nsecsElapsed() / 1e6;
        Save(preview.Dialog(), m_folder, "kelvo-preview.png");
    }
    bool RunPageOptions(kelvo::frmPageOptions& dialog) override {
        dialog.show();
        QApplication::processEvents();
        Save(dialog, m_folder, "kelvo-page-options.png");
        return false;
    }

    // From a start the caller makes to the preview's first pages on screen.
    QElapsedTimer clock;
    double previewShown = 0;

private:
    QWidget* m_window;
    QString m_folder;
};

// The preview of the largest sheet of five columns with its key.
void TimeLargestPreview(kelvo::frmMain& window, CPhotographedDialogs& dialogs) {
    window.findChild<kelvo::CNumberBox*>(QStringLiteral("txtSettings_0"))->SetValue(5000);
    window.findChild<kelvo::CNumberBox*>(QStringLiteral("txtSettings_1"))->SetValue(5);
    window.findChild<QPushButton*>(QStringLiteral("cmdCreate"))->click();
    dialogs.clock.start();
    window.findChild<QPushButton*>(QStringLiteral("cmdPreview"))->click();
    std::printf("Preview of 5000 x 5 with its key, first pages shown: %.1f ms\n",
                dialogs.previewShown);
}

// The preview of the created sheet and the page options.
void SavePages(kelvo::frmMain& window) {
    window.findChild<QPushButton*>(QStringLiteral("cmdPreview"))->click();
    window.findChild<QPushButton*>(QStringLiteral("cmdPageOptions"))->click();
}

// The 听算 window of the created sheet, as its button opens it.
void SaveListening(kelvo::frmMain& window, const QString& folder) {
    window.findChild<QPushButton*>(QStringLiteral("cmdListening"))->click();
    kelvo::frmListening& listening = *window.ListeningWindow();
    QApplication::processEvents();
    Save(listening, folder, "kelvo-listening.png");
    listening.close();
}

// 1～99 four times with every operator, as the slowest kind to count.
std::shared_ptr<const kelvo::CQuestionData> FourOperandKind() {
    auto kind = std::make_shared<kelvo::CQuestionData>();
    kind->SetTitle(u"四个数的加减乘除");
    for (int k = 0; k < 4; ++k) {
        auto limit = std::make_shared<kelvo::CValueLimit>();
        limit->Init(1, 99, 1, 1);
        kind->AddLimit(limit);
        if (k > 0) {
            kind->AddOperator(u"＋－×÷");
        }
    }
    auto result = std::make_shared<kelvo::CValueLimit>();
    result->Init(0, 10000, 1, 1);
    kind->SetResultLimit(result);
    return kind;
}

// Start-up with a plan of four-operand sections and a kinds file of as many
// kinds as given, their counts worked out after the window shows.
void TimeStartupWithLargeFiles(size_t sections, qsizetype kinds) {
    QTemporaryDir folder;
    kelvo::CSheetPlan plan;
    for (size_t k = 0; k < sections; ++k) {
        plan.Add(FourOperandKind(), 20);
    }
    QString message;
    kelvo::WritePlanFile(folder.filePath(QStringLiteral("KelvoPlan.json")), plan, message);
    kelvo::CSavedKinds one;
    one.Put(FourOperandKind());
    QJsonObject document = QJsonDocument::fromJson(kelvo::KindsFileBytes(one)).object();
    QJsonArray list;
    for (qsizetype k = 0; k < kinds; ++k) {
        QJsonObject kind = document.value(QStringLiteral("kinds")).toArray().first().toObject();
        kind.insert(QStringLiteral("title"), QStringLiteral("题型%1").arg(k));
        list.append(kind);
    }
    document.insert(QStringLiteral("kinds"), list);
    QFile file(folder.filePath(QStringLiteral("KelvoKinds.json")));
    file.open(QIODevice::WriteOnly);
    file.write(QJsonDocument(document).toJson());
    file.close();

    QElapsedTimer clock;
    clock.start();
    kelvo::frmMain window(folder.filePath(QStringLiteral("Kelvo.ini")),
                          folder.filePath(QStringLiteral("KelvoHistory.sqlite")));
    window.show();
    QApplication::processEvents();
    std::printf("start-up to a shown window, a plan of %zu four-operand sections and %lld kinds: "
                "%.1f ms\n",
                sections, static_cast<long long>(kinds), clock.nsecsElapsed() / 1e6);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QTemporaryDir settings;
    if (!folder.isEmpty()) {
        SeedWeek(settings.filePath(QStringLiteral("KelvoHistory.sqlite")));
    }
    auto window =
        std::make_unique<kelvo::frmMain>(settings.filePath(QStringLiteral("Kelvo.ini")),
                                         settings.filePath(QStringLiteral("KelvoHistory.sqlite")));
    CPhotographedDialogs dialogs(window.get(), folder);
    window->SetDialogs(dialogs);
    window->show();
    QApplication::processEvents();
    std::printf("application start to a shown window: %.1f ms\n", clock.nsecsElapsed() / 1e6);
    Save(*window, folder, "kelvo-startup.png");

    auto* operandCount = window->findChild<QComboBox*>(QStringLiteral("cboOperandCount"));
    operandCount->setCurrentIndex(1);
    Save(*window, folder, "kelvo-three-operands.png");
    operandCount->setCurrentIndex(2);
    Save(*window, folder, "kelvo-four-operands.png");
    if (!folder.isEmpty()) {
        auto* panel = window->findChild<QWidget*>(QStringLiteral("operandArea"));
        panel->grab()
            .scaled(panel->size() * 2)
            .save(QDir(folder).filePath(QStringLiteral("kelvo-panel-zoomed.png")));
    }

    operandCount->setCurrentIndex(0);
    auto* create = window->findChild<QPushButton*>(QStringLiteral("cmdCreate"));
    clock.restart();
    create->click();
    std::printf("Create 10 x 5 (custom type): %.2f ms\n", clock.nsecsElapsed() / 1e6);
    Save(*window, folder, "kelvo-created.png");
    SavePages(*window);
    SaveListening(*window, folder);

    window->findChild<QCheckBox*>(QStringLiteral("chkShowAnswer"))->setChecked(true);
    window->findChild<QCheckBox*>(QStringLiteral("chkFillQuestion"))->setChecked(true);
    Save(*window, folder, "kelvo-fill-answers.png");
    window->findChild<QCheckBox*>(QStringLiteral("chkShowAnswer"))->setChecked(false);
    window->findChild<QCheckBox*>(QStringLiteral("chkFillQuestion"))->setChecked(false);

    auto* types = window->findChild<QComboBox*>(QStringLiteral("cboQuestionType"));
    const int customType = types->currentIndex();
    types->setCurrentIndex(types->findText(QString::fromUtf16(u"异分母分数加减法")));
    create->click();
    Save(*window, folder, "kelvo-fractions.png");
    types->setCurrentIndex(customType);
    window->findChild<kelvo::CNumberBox*>(QStringLiteral("txtSettings_0"))->SetValue(5000);
    window->findChild<kelvo::CNumberBox*>(QStringLiteral("txtSettings_1"))->SetValue(20);
    double slowest = 0;
    double slowestProcessor = 0;
    QString slowestTitle;
    bool progressSaved = false;
    for (int i = 0; i < types->count(); ++i) {
        if (types->itemText(i).startsWith(u'-')) {
            continue;
        }
        types->setCurrentIndex(i);
        if (!progressSaved && types->itemText(i) == QString::fromUtf16(u"100以内的加法")) {
            // The first yield of the job paints the progress frame.
            QTimer::singleShot(0, window.get(),
                               [&] { Save(*window, folder, "kelvo-progress.png"); });
            progressSaved = true;
        }
        const double processorStart = ProcessorMilliseconds();
        clock.restart();
        create->click();
        const double elapsed = clock.nsecsElapsed() / 1e6;
        if (elapsed > slowest) {
            slowest = elapsed;
            slowestProcessor = ProcessorMilliseconds() - processorStart;
            slowestTitle = types->itemText(i);
        }
    }
    std::printf("Create 5000 x 20, slowest preset: %.1f ms (processor %.1f ms, %s)\n", slowest,
                slowestProcessor, slowestTitle.toUtf8().constData());
    TimeLargestPreview(*window, dialogs);

    window->findChild<kelvo::CNumberBox*>(QStringLiteral("txtSettings_0"))->SetValue(10);
    window->findChild<kelvo::CNumberBox*>(QStringLiteral("txtSettings_1"))->SetValue(5);
    auto* sectionCount = window->findChild<kelvo::CNumberBox*>(QStringLiteral("txtSectionCount"));
    auto* addSection = window->findChild<QPushButton*>(QStringLiteral("cmdAddSection"));
    for (const auto& [title, count] :
         {std::pair{u"20以内的进位加法", 20}, std::pair{u"20以内的借位减法", 20},
          std::pair{u"9加几", 15}}) {
        types->setCurrentIndex(types->findText(QString::fromUtf16(title)));
        sectionCount->SetValue(count);
        addSection->click();
    }
    clock.restart();
    create->click();
    std::printf("Create a plan of three sections: %.2f ms\n", clock.nsecsElapsed() / 1e6);
    TimeStartupWithLargeFiles(kelvo::MaxPlanSections, kelvo::MaxSavedKinds);
    TimeStartupWithLargeFiles(1000, 100000);
    Save(*window, folder, "kelvo-plan.png");
    window->findChild<QPushButton*>(QStringLiteral("cmdClearPlan"))->click();

    if (!folder.isEmpty()) {
        types->setCurrentIndex(types->findText(QString::fromUtf16(u"20以内的加法")));
        SaveTraining(*window, folder);
        kelvo::frmFont fontDialog(window.get());
        fontDialog.SetChoice(
            {QStringLiteral("Noto Sans Mono CJK SC"), 12, 700, true, true, false, 0x0000c0});
        fontDialog.show();
        QApplication::processEvents();
        Save(fontDialog, folder, "kelvo-font-dialog.png");
    }
    return 0;
}
