#pragma once

#include "batch/BatchRequest.h"
#include "core/Language.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace batch {

// What the command line asks for.
struct CommandLine {
    enum class Action {
        Run,          // request holds the batch
        ShowHelp,     // text holds the help
        ShowVersion,  // text holds the version line
        Refuse,       // text holds why the arguments are wrong
    };
    Action action = Action::Refuse;
    BatchRequest request;
    // --language ja|en: the messages' language instead of the locale's.
    std::optional<core::Language> language;
    QString text;
};

// Reads `arguments` (the program name first, as in argv). `cores` is the
// default for --jobs. Only the form of the arguments is checked here, not
// whether the folders exist.
CommandLine parseCommandLine(const QStringList& arguments, int cores);

// The help text, also the source of the manual page.
QString helpText();

}  // namespace batch
