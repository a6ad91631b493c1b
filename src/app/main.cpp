#include "ui/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kelvo::frmMain window;
    window.show();
    return QApplication::exec();
}
