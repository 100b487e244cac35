#include "catalogue/MainWindow.h"
#include "program/Program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Quillfold"));
    // The program ends when its main window closes, whatever else is open.
    application.setQuitOnLastWindowClosed(false);

    Program program;
    QObject::connect(program.windows.mainWindow, &MainWindow::closed, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    program.windows.mainWindow->show();
    return application.exec();
}
