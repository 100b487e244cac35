#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>
#include <vector>

namespace core {

// The options of a command-line program, as its parser takes them and its
// help lists them.
struct CommandOption {
    QStringList names;
    QString valueName;
    const char* description;  // for translation in the program's context
    // A value the option may be given without ("--deskew" for
    // "--deskew=5"), listed as "--name[=VALUE]"; none for most.
    QString defaultValue = {};
};

// The options part of a help text: each option's names and value, then its
// description translated in `context`, on a line of its own.
QString optionsHelp(const std::vector<CommandOption>& options, const char* context);

// What the first reading of a command line found.
enum class CommandStart {
    Parsed,   // go on reading the options' values
    Refused,  // the arguments cannot be read; the text says why
    Help,     // --help
    Version,  // --version
};

// Gives `parser` the options and parses `arguments`; for Refused `why`
// holds the message for the user. --help and --version win over the rest.
CommandStart startCommandLine(QCommandLineParser& parser, const std::vector<CommandOption>& options,
                              const QStringList& arguments, QString& why);

// After startCommandLine: whether the options are to be read on. For help
// and version `commandLine` (a program's own CommandLine, with an Action of
// ShowHelp and ShowVersion and a text) gets its action and text; a refusal
// already has its text.
template <typename CommandLine>
bool readOn(CommandStart start, CommandLine& commandLine, QString (*help)(),
            const QString& versionLine) {
    using Action = typename CommandLine::Action;
    switch (start) {
        case CommandStart::Parsed:
            return true;
        case CommandStart::Refused:
            return false;
        case CommandStart::Help:
            commandLine.action = Action::ShowHelp;
            commandLine.text = help();
            return false;
        case CommandStart::Version:
            commandLine.action = Action::ShowVersion;
            commandLine.text = versionLine;
            return false;
    }
    return false;
}

// The hint after a refusal: "quillfold-book --help shows how to use it".
QString helpHint(const QString& program);

// What a program does before running: help and version go to standard
// output (exit status 0), a refusal to standard error with the hint
// (`badArguments`). Nothing for a command line to run.
template <typename CommandLine>
std::optional<int> answerBeforeRunning(const CommandLine& commandLine, const QString& program,
                                       int badArguments) {
    using Action = typename CommandLine::Action;
    switch (commandLine.action) {
        case Action::ShowHelp:
        case Action::ShowVersion:
            std::fputs(commandLine.text.toUtf8().constData(), stdout);
            return 0;
        case Action::Refuse:
            std::fprintf(stderr, "%s: %s\n%s\n", program.toUtf8().constData(),
                         commandLine.text.toUtf8().constData(),
                         helpHint(program).toUtf8().constData());
            return badArguments;
        case Action::Run:
            break;
    }
    return std::nullopt;
}

}  // namespace core
