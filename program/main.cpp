#include "catalogue/TForm1.h"
#include "program/Program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Quillfold"));
    // The program ends when its main window closes, whatever else is open.
    application.setQuitOnLastWindowClosed(false);

    Program program;
    QObject::connect(program.windows.Form1, &TForm1::closed, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    program.windows.Form1->show();
    return application.exec();
}
