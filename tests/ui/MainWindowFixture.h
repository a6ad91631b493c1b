#pragma once

#include "ScriptedDialogs.h"
#include "question/QuestionTemplates.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kelvo {

// A real main window on a settings file in a temporary folder, with the user's
// dialogs played by the test: messages and opened addresses recorded.
class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { window = MakeWindow(); }

    QString SettingsPath() const { return m_folder.filePath(QStringLiteral("Kelvo.ini")); }
    QString HistoryPath() const { return m_folder.filePath(QStringLiteral("KelvoHistory.sqlite")); }

    std::unique_ptr<frmMain> MakeWindow() {
        auto made = std::make_unique<frmMain>(SettingsPath(), HistoryPath());
        made->SetDialogs(dialogs);
        return made;
    }

    template <class W>
    W* Find(const QString& name) const {
        W* control = window->findChild<W*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    template <class W>
    W* Find(const char* group, int index) const {
        return Find<W>(QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index));
    }
    QCheckBox* Check(const char* group, int index) const { return Find<QCheckBox>(group, index); }
    CNumberBox* Box(const char* group, int index) const { return Find<CNumberBox>(group, index); }

    void SelectQuestionType(const char16_t* title) const {
        auto* list = Find<QComboBox>(QStringLiteral("cboQuestionType"));
        const int index = list->findText(QString::fromUtf16(title));
        ASSERT_GE(index, 0);
        list->setCurrentIndex(index);
    }
    void SelectOperandCount(int count) const {
        Find<QComboBox>(QStringLiteral("cboOperandCount"))->setCurrentIndex(count - 2);
    }
    // Types into a number box as the user does and leaves it.
    static void EnterText(QLineEdit* box, const QString& text) {
        box->setText(text);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &focusOut);
    }
    void SetGapOperators(int gap, const char* ticks) const {
        for (int p = 0; p < 4; ++p) {
            Check("chkOperators", 4 * gap + p)->setChecked(ticks[p] == 'x');
        }
    }
    // The templates of the kind the panel shows, as Create makes them.
    TemplateList PanelTemplates(std::u16string& error) const {
        return QuestionTemplates(*window->OperandController().QuestionData(), error);
    }
    QString Output() const {
        return Find<QPlainTextEdit>(QStringLiteral("txtOutput"))->toPlainText();
    }

    QTemporaryDir m_folder;
    CScriptedDialogs dialogs;
    std::vector<QString>& messages = dialogs.told;
    std::vector<QUrl>& openedUrls = dialogs.openedUrls;
    std::unique_ptr<frmMain> window;
};

} // namespace kelvo
