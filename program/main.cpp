#include "catalogue/MainWindow.h"
#include "core/Language.h"
#include "program/CommandLine.h"
#include "program/Program.h"
#include "program/StartFolder.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

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

// The interface's language: the one asked for, or the locale's.
core::Language languageFor(const program::CommandLine& request) {
    return request.language.value_or(core::languageOf(QLocale::system().uiLanguages()));
}

}  // namespace

int main(int argc, char** argv) {
    const QString version = QStringLiteral(QUILLFOLD_VERSION);
    const program::CommandLine request = program::readCommandLine(argumentsOf(argc, argv), version);
    // Help and version answer before anything touches the window system,
    // so they work without a display (help2man reads them while building).
    if (request.action == program::StartAction::PrintHelp ||
        request.action == program::StartAction::PrintVersion) {
        QCoreApplication application(argc, argv);
        core::useLanguage(languageFor(request));
        print(stdout, program::readCommandLine(argumentsOf(argc, argv), version).text);
        return 0;
    }

    QApplication application(argc, argv);
    core::useLanguage(languageFor(request));
    // QApplication has taken its own options: anything left must be ours.
    const program::CommandLine remaining =
        program::readCommandLine(QCoreApplication::arguments(), version);
    if (remaining.action == program::StartAction::RefuseArguments) {
        print(stderr, remaining.text);
        return 2;
    }
    // A folder given relative to where the program was started.
    const QString folder =
        remaining.folder.isEmpty() ? QString() : QFileInfo(remaining.folder).absoluteFilePath();
    // The settings file lives in the folder the program runs in.
    if (request.inConfigFolder) {
        const QString configFolder = program::configFolderPath();
        if (!program::enterFolder(configFolder)) {
            print(stderr,
                  QCoreApplication::translate(
                      "program", "quillfold: cannot make or enter the configuration folder %1\n")
                      .arg(configFolder));
            return 1;
        }
    }
    application.setApplicationName(QStringLiteral("Quillfold"));
    application.setApplicationVersion(version);
    // Desktops match the windows to the menu entry and its icon by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillfold.Quillfold"));
    // The program ends when its main window closes, whatever else is open.
    application.setQuitOnLastWindowClosed(false);

    Program program;
    program.openAtStart(folder);
    QObject::connect(&program.mainWindow(), &MainWindow::closed, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    program.mainWindow().show();
    return application.exec();
}
