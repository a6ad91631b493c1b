// Times the main window (start-up, Create) and renders it to PNG files for a
// visual check. Usage: kelvo_gui_timings [folder for the PNG files]
#include "ui/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

void Save(QWidget& window, const QString& folder, const char* name) {
    if (!folder.isEmpty()) {
        window.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QTemporaryDir settings;

    QElapsedTimer clock;
    clock.start();
    auto window = std::make_unique<kelvo::frmMain>(settings.filePath(QStringLiteral("Kelvo.ini")));
    window->show();
    QApplication::processEvents();
    std::printf("start-up to a shown window: %.1f ms\n", clock.nsecsElapsed() / 1e6);
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
    return 0;
}
