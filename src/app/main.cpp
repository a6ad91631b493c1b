// app/ is the program (kelvo): it names the program, answers --help and
// --version before any window system starts, puts Qt's texts into Chinese and
// opens the main window frmMain, which makes everything else of the run.
#include "ui/frmMain.h"
#include "widgets/QtTranslation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTranslator>

namespace {

// The name and version that --version prints, that the user's folders are
// named after and that ties the windows to the menu entry.
void NameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("kelvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kelvo.kelvo"));
}

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QString::fromUtf16(u"小学口算：生成口算试题，打印试题，口算训练。"));
    parser.addHelpOption();
    parser.addVersionOption();
}

// --help and --version answer before the window system starts, so that they
// work on a terminal without a display. Any other argument waits for the
// application, which first takes out Qt's own options (-platform, -session …).
void AnswerHelpOrVersion(int& argc, char* argv[], QTranslator& qtTexts) {
    QCoreApplication application(argc, argv);
    QCoreApplication::installTranslator(&qtTexts);
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    if (parser.isSet(QStringLiteral("help"))) {
        parser.showHelp();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    NameProgram();
    QTranslator qtTexts;
    kelvo::LoadQtTranslation(qtTexts);
    AnswerHelpOrVersion(argc, argv, qtTexts);

    QApplication application(argc, argv);
    QCoreApplication::installTranslator(&qtTexts);
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.process(application);

    kelvo::frmMain window;
    window.show();
    return QApplication::exec();
}
