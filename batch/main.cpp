#include "batch/BatchCommandLine.h"
#include "batch/BatchConsole.h"
#include "batch/BatchRun.h"
#include "core/CommandOptions.h"
#include "core/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QThread>
#include <QThreadPool>

#include <unistd.h>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<bool> interrupted{false};

extern "C" void interrupt(int) {
    interrupted.store(true);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // Read once for the language, then again in it.
    const auto language = batch::parseCommandLine(application.arguments(), 1).language;
    core::useLanguage(language.value_or(core::languageOf(QLocale::system().uiLanguages())));
    const batch::CommandLine commandLine =
        batch::parseCommandLine(application.arguments(), QThread::idealThreadCount());
    if (const auto answered = core::answerBeforeRunning(
            commandLine, QStringLiteral("quillfold-batch"), batch::kBadArguments)) {
        return *answered;
    }
    // Ctrl+C and SIGTERM let the images in work go and end after the file
    // being written, so no output is left half-done.
    std::signal(SIGINT, interrupt);
    std::signal(SIGTERM, interrupt);
    batch::BatchConsole console(stdout, stderr, isatty(STDERR_FILENO) != 0,
                                commandLine.request.quiet);
    QThreadPool workers;
    const int status = batch::runBatch(commandLine.request, console, interrupted, workers);
    if (status == batch::kInterrupted) {
        // A worker may be in the middle of a large image. Its work only
        // ever goes to memory, so the process ends without waiting for it.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
