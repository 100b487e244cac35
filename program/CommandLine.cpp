#include "program/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace program {

QString helpText(const QString& version) {
    // "Usage:" and "Options:" stay as they are in every language: help2man
    // finds the synopsis and the option list by them.
    return QCoreApplication::translate(
               "program",
               "Usage: quillfold [options] [FOLDER]\n"
               "Quillfold %1: splits the two-page spreads of your own book scans (JPEG/BMP)\n"
               "into pages, trims their margins, crops and renames them.\n"
               "\n"
               "Options:\n"
               "  -h, --help            Show this help and exit.\n"
               "  -v, --version         Show the version and exit.\n"
               "  --language ja|en      The interface in Japanese or English. By default\n"
               "                        Japanese when the locale (LANGUAGE, LC_ALL,\n"
               "                        LC_MESSAGES, LANG) is Japanese, English otherwise.\n"
               "  --in-config-folder    Start in the configuration folder\n"
               "                        $XDG_CONFIG_HOME/quillfold (by default\n"
               "                        ~/.config/quillfold), made when missing. The desktop\n"
               "                        menu starts Quillfold this way.\n"
               "\n"
               "FOLDER: a folder of scans, opened at start.\n"
               "Quillfold keeps its settings file Quillfold.ini in the folder it is started\n"
               "from. Qt's standard options (-platform, -style, ...) work too.\n")
        .arg(version);
}

CommandLine readCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform, -reverse): read
    // as letters, -reverse would hold a -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")},
                                         QString());
    const QCommandLineOption inConfigFolder(QStringLiteral("in-config-folder"), QString());
    const QCommandLineOption language(QStringLiteral("language"), QString(),
                                      QStringLiteral("ja|en"));
    parser.addOptions({help, showVersion, inConfigFolder, language});
    const bool understood = parser.parse(arguments);

    CommandLine result;
    result.inConfigFolder = parser.isSet(inConfigFolder);
    result.language = core::languageNamed(parser.value(language));
    const QStringList folders = parser.positionalArguments();
    result.folder = folders.value(0);
    const auto refuse = [&result](const QString& reason) {
        result.action = StartAction::RefuseArguments;
        result.text =
            QCoreApplication::translate("program", "quillfold: %1\nsee quillfold --help\n")
                .arg(reason);
    };
    if (parser.isSet(help)) {
        result.action = StartAction::PrintHelp;
        result.text = helpText(version);
    } else if (parser.isSet(showVersion)) {
        result.action = StartAction::PrintVersion;
        result.text = QStringLiteral("quillfold (Quillfold) %1\n").arg(version);
    } else if (!understood) {
        refuse(QCoreApplication::translate("program", "the option %1 cannot be used: %2")
                   .arg(parser.unknownOptionNames().value(0), parser.errorText()));
    } else if (parser.isSet(language) && !result.language) {
        refuse(QCoreApplication::translate("program", "the language %1 is not ja or en")
                   .arg(parser.value(language)));
    } else if (folders.size() > 1) {
        refuse(QCoreApplication::translate("program", "unexpected argument %1").arg(folders[1]));
    }
    return result;
}

}  // namespace program
