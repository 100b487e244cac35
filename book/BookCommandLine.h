#pragma once

#include "book/BindBook.h"
#include "core/Language.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace book {

// What the command line of quillfold-book asks for.
struct CommandLine {
    enum class Action {
        Run,          // request holds the book
        ShowHelp,     // text holds the help
        ShowVersion,  // text holds the version line
        Refuse,       // text holds why the arguments are wrong
    };
    Action action = Action::Refuse;
    BindRequest request;
    // --language ja|en: the messages' language instead of the locale's.
    std::optional<core::Language> language;
    bool quiet = false;
    QString text;
};

// Reads `arguments` (the program name first, as in argv). Only the form
// of the arguments is checked here, not whether the folder exists.
CommandLine parseCommandLine(const QStringList& arguments);

// The help text, also the source of the manual page.
QString helpText();

}  // namespace book
