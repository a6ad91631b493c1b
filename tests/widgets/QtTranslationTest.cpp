#include "widgets/QtTranslation.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace kelvo {
namespace {

TEST(QtTranslationTest, MessageBoxAndTextBoxMenuSpeakChinese) {
    QTranslator translator;
    ASSERT_TRUE(LoadQtTranslation(translator)) << "qt6-translations-l10n is missing";
    QCoreApplication::installTranslator(&translator);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kelvo"), QStringLiteral("?"),
                    QMessageBox::Ok);
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QString::fromUtf16(u"确定"));
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text().section(u'\t', 0, 0);
        }
    }
    EXPECT_EQ(texts.mid(0, 5).join(u' ').toStdU16String(),
              u"撤消(&U) 重做(&R) 剪切(&T) 复制(&C) 粘贴(&P)");
}

} // namespace
} // namespace kelvo
