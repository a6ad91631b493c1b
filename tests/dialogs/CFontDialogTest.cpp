#include "dialogs/CFontDialog.h"

#include "QStringPrinter.h"
#include "foundation/RuntimeError.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace kelvo {
namespace {

const QString kMono = QStringLiteral("Noto Sans Mono CJK SC");
const QString kSans = QStringLiteral("Noto Sans CJK SC");

// Shows the dialog and, once it is up, lets drive work its controls; drive ends by
// pressing a button, else the dialog is cancelled.
bool ShowAndDrive(CFontDialog& dialog, const std::function<void(QDialog&)>& drive) {
    QTimer::singleShot(0, [&drive] {
        auto* pForm = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (pForm == nullptr) {
            ADD_FAILURE() << "the font dialog is not shown";
            return;
        }
        drive(*pForm);
        if (pForm->isVisible())
            pForm->reject();
    });
    return dialog.Show(nullptr);
}

template <typename TWidget>
TWidget& Control(QDialog& form, const char* pName) {
    auto* pControl = form.findChild<TWidget*>(QString::fromLatin1(pName));
    if (pControl == nullptr)
        throw std::runtime_error(pName);
    return *pControl;
}

void Press(QDialog& form, const char* pButton) {
    Control<QPushButton>(form, pButton).click();
}

void ChangeEverything(QDialog& form) {
    auto& names = Control<QFontComboBox>(form, "cboFontName");
    names.setCurrentIndex(names.findText(kSans));
    Control<QSpinBox>(form, "spnFontSize").setValue(20);
    auto& weights = Control<QComboBox>(form, "cboFontWeight");
    weights.setCurrentIndex(weights.findText(QStringLiteral("常规")));
    Control<QCheckBox>(form, "chkItalic").setChecked(true);
    Control<QCheckBox>(form, "chkUnderline").setChecked(false);
    Control<QCheckBox>(form, "chkStrikethru").setChecked(true);
    auto& colors = Control<QComboBox>(form, "cboColor");
    colors.setCurrentIndex(colors.findText(QStringLiteral("红色")));
}

class CFontDialogTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QFontDatabase::families().contains(kMono) ||
            !QFontDatabase::families().contains(kSans))
            GTEST_SKIP() << "the Noto CJK fonts (Debian package fonts-noto-cjk) are missing";
        m_dialog.SetName(kMono);
        m_dialog.SetSize(12);
        m_dialog.SetWeight(700);
        m_dialog.SetUnderline(true);
        m_dialog.SetColor(0x102030);
        m_dialog.SetCharset(134);
    }

    void ExpectUnchanged() const {
        EXPECT_EQ(m_dialog.Name(), kMono);
        EXPECT_EQ(m_dialog.Size(), 12);
        EXPECT_EQ(m_dialog.Weight(), 700);
        EXPECT_FALSE(m_dialog.Italic());
        EXPECT_TRUE(m_dialog.Underline());
        EXPECT_FALSE(m_dialog.Strikethru());
        EXPECT_EQ(m_dialog.Color(), 0x102030);
        EXPECT_EQ(m_dialog.Charset(), 134);
    }

    CFontDialog m_dialog;
};

TEST_F(CFontDialogTest, IsPresetFromTheProperties) {
    ShowAndDrive(m_dialog, [](QDialog& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("字体"));
        EXPECT_EQ(Control<QPushButton>(form, "cmdOK").text(), QStringLiteral("确定"));
        EXPECT_EQ(Control<QPushButton>(form, "cmdCancel").text(), QStringLiteral("取消"));
        EXPECT_EQ(Control<QFontComboBox>(form, "cboFontName").currentText(), kMono);
        EXPECT_EQ(Control<QSpinBox>(form, "spnFontSize").value(), 12);
        EXPECT_EQ(Control<QComboBox>(form, "cboFontWeight").currentText(), QStringLiteral("粗体"));
        EXPECT_TRUE(Control<QCheckBox>(form, "chkUnderline").isChecked());
        EXPECT_FALSE(Control<QCheckBox>(form, "chkItalic").isChecked());
        EXPECT_EQ(Control<QComboBox>(form, "cboColor").currentText(), QStringLiteral("自定义"));
        const QLabel& sample = Control<QLabel>(form, "lblSample");
        EXPECT_EQ(sample.font().family(), kMono);
        EXPECT_TRUE(sample.font().bold());
        EXPECT_EQ(sample.palette().color(QPalette::WindowText), QColor(0x30, 0x20, 0x10));
    });
}

TEST_F(CFontDialogTest, CancelChangesNothing) {
    EXPECT_FALSE(ShowAndDrive(m_dialog, [](QDialog& form) {
        ChangeEverything(form);
        Press(form, "cmdCancel");
    }));
    ExpectUnchanged();
}

TEST_F(CFontDialogTest, OkTakesEveryChoiceAndKeepsTheCharacterSet) {
    EXPECT_TRUE(ShowAndDrive(m_dialog, [](QDialog& form) {
        ChangeEverything(form);
        EXPECT_TRUE(Control<QLabel>(form, "lblSample").font().italic());
        Press(form, "cmdOK");
    }));
    EXPECT_EQ(m_dialog.Name(), kSans);
    EXPECT_EQ(m_dialog.Size(), 20);
    EXPECT_EQ(m_dialog.Weight(), 400);
    EXPECT_TRUE(m_dialog.Italic());
    EXPECT_FALSE(m_dialog.Underline());
    EXPECT_TRUE(m_dialog.Strikethru());
    EXPECT_EQ(m_dialog.Color(), 0x0000FF);
    EXPECT_EQ(m_dialog.Charset(), 134);
}

TEST_F(CFontDialogTest, OkWithoutChangesKeepsValuesTheListsDoNotHold) {
    m_dialog.SetWeight(550);
    EXPECT_TRUE(ShowAndDrive(m_dialog, [](QDialog& form) { Press(form, "cmdOK"); }));
    EXPECT_EQ(m_dialog.Weight(), 550);
    EXPECT_EQ(m_dialog.Color(), 0x102030);
    EXPECT_EQ(m_dialog.Name(), kMono);
}

TEST_F(CFontDialogTest, OnlySizesFrom6To72CanBeChosen) {
    struct SizeCase {
        int32_t iPreset;
        int iTyped;
        int32_t iChosen;
    };
    for (const SizeCase& size : {SizeCase{0, 5, 6}, SizeCase{100, 73, 72}, SizeCase{6, 6, 6},
                                 SizeCase{72, 72, 72}, SizeCase{-3, 1000, 72}}) {
        m_dialog.SetSize(size.iPreset);
        EXPECT_TRUE(ShowAndDrive(m_dialog, [&size](QDialog& form) {
            auto& box = Control<QSpinBox>(form, "spnFontSize");
            EXPECT_GE(box.value(), 6);
            EXPECT_LE(box.value(), 72);
            box.setValue(size.iTyped);
            Press(form, "cmdOK");
        }));
        EXPECT_EQ(m_dialog.Size(), size.iChosen) << size.iPreset << " " << size.iTyped;
    }
}

TEST_F(CFontDialogTest, OnlyInstalledFacesCanBeChosen) {
    m_dialog.SetName(QStringLiteral("Kelvo Imaginary Face"));
    EXPECT_TRUE(ShowAndDrive(m_dialog, [](QDialog& form) {
        auto& names = Control<QFontComboBox>(form, "cboFontName");
        EXPECT_FALSE(names.isEditable());
        names.setCurrentText(QStringLiteral("Another Imaginary Face"));
        Press(form, "cmdOK");
    }));
    EXPECT_TRUE(QFontDatabase::families().contains(m_dialog.Name()))
        << m_dialog.Name().toStdString();
}

TEST_F(CFontDialogTest, ChineseFacesAreOffered) {
    ShowAndDrive(m_dialog, [](QDialog& form) {
        auto& names = Control<QFontComboBox>(form, "cboFontName");
        EXPECT_GE(names.findText(kSans), 0);
        EXPECT_GE(names.findText(QStringLiteral("Noto Serif CJK SC")), 0);
    });
}

TEST_F(CFontDialogTest, ChineseFacesShowAChineseSampleAndProportionalFacesANote) {
    struct Case {
        QString face;
        bool chineseSample;
        bool note;
    };
    const Case cases[] = {
        {kMono, true, false},
        {kSans, true, true},
        {QStringLiteral("DejaVu Sans Mono"), false, false},
        {QStringLiteral("DejaVu Sans"), false, true},
    };
    ShowAndDrive(m_dialog, [&cases](QDialog& form) {
        auto& names = Control<QFontComboBox>(form, "cboFontName");
        const QLabel& note = Control<QLabel>(form, "lblPitchNote");
        const QSize size = form.size();
        for (const Case& c : cases) {
            SCOPED_TRACE(c.face.toStdString());
            const int iIndex = names.findText(c.face);
            if (iIndex < 0)
                continue;
            names.setCurrentIndex(iIndex);
            EXPECT_EQ(names.sampleTextForFont(c.face),
                      c.chineseSample ? QStringLiteral("口算练习 12＋5=17") : QString());
            EXPECT_EQ(note.isVisible(), c.note);
            EXPECT_EQ(note.text(),
                      QStringLiteral("这不是等宽字体：用在输出框里，题目的各列会对不齐。"));
            EXPECT_EQ(form.size(), size);
        }
    });
}

TEST(CFontDialogCharsetTest, IsOneByte) {
    CFontDialog dialog;
    dialog.SetCharset(0);
    dialog.SetCharset(255);
    EXPECT_EQ(dialog.Charset(), 255);
    for (const int32_t iCharset : {-1, 256, 0x10086}) {
        try {
            dialog.SetCharset(iCharset);
            ADD_FAILURE() << iCharset << " was accepted";
        } catch (const CRuntimeError& error) {
            EXPECT_EQ(error.Number(), ErrorNumber::Overflow);
        }
    }
    EXPECT_EQ(dialog.Charset(), 255);
}

} // namespace
} // namespace kelvo
