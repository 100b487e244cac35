#pragma once

#include "core/Language.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace program {

// What a start of quillfold asks for.
enum class StartAction {
    OpenWindows,
    PrintHelp,
    PrintVersion,
    // An option or argument the program does not know: print `text` (the
    // reason) and end with a usage error.
    RefuseArguments,
};

struct CommandLine {
    StartAction action = StartAction::OpenWindows;
    // --in-config-folder: start in the configuration folder (see
    // StartFolder.h) instead of the current one; the desktop entry's way.
    bool inConfigFolder = false;
    // --language ja|en: the interface's language instead of the locale's.
    std::optional<core::Language> language;
    // FOLDER: a folder of scans to open at start; empty for none.
    QString folder;
    // The help, the version line or the refusal, ready to print, in the
    // language installed when the line was read.
    QString text;
};

// Reads the program's `arguments` (its own path first). Help and version
// win over anything unknown beside them, so that they answer before
// QApplication has taken away its own options (-platform, -style, ...);
// read again after that, anything left over is refused.
CommandLine readCommandLine(const QStringList& arguments, const QString& version);

// The text of --help. help2man builds the manual page from it.
QString helpText(const QString& version);

}  // namespace program
