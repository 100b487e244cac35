#include "catalogue/MainWindow.h"
#include "program/CommandLine.h"
#include "program/Program.h"
#include "program/StartFolder.h"

#include <QApplication>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

int main(int argc, char** argv) {
    const QString version = QStringLiteral(QUILLFOLD_VERSION);
    // Help and version answer before anything touches the window system,
    // so they work without a display (help2man reads them while building).
    const program::CommandLine request = program::readCommandLine(argumentsOf(argc, argv), version);
    if (request.action == program::StartAction::PrintHelp ||
        request.action == program::StartAction::PrintVersion) {
        print(stdout, request.text);
        return 0;
    }
    // The settings file lives in the folder the program runs in.
    if (request.inConfigFolder) {
        const QString folder = program::configFolderPath();
        if (!program::enterFolder(folder)) {
            print(stderr, QStringLiteral("quillfold: 設定フォルダ %1 を作れないか開けません / "
                                         "cannot make or enter the configuration folder %1\n")
                              .arg(folder));
            return 1;
        }
    }

    QApplication application(argc, argv);
    // QApplication has taken its own options: anything left must be ours.
    const program::CommandLine remaining =
        program::readCommandLine(QCoreApplication::arguments(), version);
    if (remaining.action == program::StartAction::RefuseArguments) {
        print(stderr, remaining.text);
        return 2;
    }
    application.setApplicationName(QStringLiteral("Quillfold"));
    application.setApplicationVersion(version);
    // Desktops match the windows to the menu entry and its icon by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillfold.Quillfold"));
    // The program ends when its main window closes, whatever else is open.
    application.setQuitOnLastWindowClosed(false);

    Program program;
    QObject::connect(&program.mainWindow(), &MainWindow::closed, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    program.mainWindow().show();
    return application.exec();
}
