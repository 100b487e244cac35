#include "book/BindBook.h"
#include "book/BookCommandLine.h"
#include "book/BookConsole.h"
#include "core/CommandOptions.h"
#include "core/Language.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>

#include <unistd.h>
#include <atomic>
#include <csignal>
#include <cstdio>

namespace {

enum ExitStatus : int {
    kAllBound = 0,
    kSomeFailed = 1,
    kBadArguments = 2,
    kInterrupted = 130,  // as a shell reports a run ended by Ctrl+C
};

std::atomic<bool> interrupted{false};

extern "C" void interrupt(int) {
    interrupted.store(true);
}

bool isMissingFolder(const core::Error& error) {
    return error.kind == core::ErrorKind::FolderMissing;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // Read once for the language, then again in it.
    const auto language = book::parseCommandLine(application.arguments()).language;
    core::useLanguage(language.value_or(core::languageOf(QLocale::system().uiLanguages())));
    const book::CommandLine commandLine = book::parseCommandLine(application.arguments());
    if (const auto answered = core::answerBeforeRunning(
            commandLine, QStringLiteral("quillfold-book"), kBadArguments)) {
        return *answered;
    }
    // Ctrl+C and SIGTERM stop at the next page; the temporary file goes.
    std::signal(SIGINT, interrupt);
    std::signal(SIGTERM, interrupt);
    book::BookConsole console(stdout, stderr, isatty(STDERR_FILENO) != 0, commandLine.quiet);
    QElapsedTimer clock;
    clock.start();
    const book::BindResult result = book::bindBook(
        commandLine.request,
        [&](int done, int total, const QString& fileName) {
            console.progress(done, total, clock.elapsed() / 1000.0, fileName);
        },
        interrupted);
    for (const book::PageProblem& page : result.badPages) {
        console.badPage(page.name, page.reason);
    }
    if (result.cancelled) {
        console.error(result.status.error().message);
        return kInterrupted;
    }
    if (!result.status) {
        console.error(result.status.error().message);
        const bool missing = isMissingFolder(result.status.error()) && result.badPages.empty();
        return missing ? kBadArguments : kSomeFailed;
    }
    console.summary({result.pagesBound, result.bookBytes, clock.elapsed() / 1000.0});
    return result.badPages.empty() ? kAllBound : kSomeFailed;
}
