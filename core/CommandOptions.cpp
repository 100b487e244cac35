#include "core/CommandOptions.h"

#include <QCoreApplication>

namespace core {

QString optionsHelp(const std::vector<CommandOption>& options, const char* context) {
    QString text;
    for (const CommandOption& option : options) {
        QStringList names;
        for (const QString& name : option.names) {
            names << (name.size() == 1 ? "-" : "--") + name;
        }
        QString line = "  " + names.join(", ");
        if (!option.defaultValue.isEmpty()) {
            line += "[=" + option.valueName + "]";
        } else if (!option.valueName.isEmpty()) {
            line += " " + option.valueName;
        }
        text += line + "\n      " + QCoreApplication::translate(context, option.description) + "\n";
    }
    return text;
}

QString helpHint(const QString& program) {
    return QCoreApplication::translate("commandline", "%1 --help shows how to use it").arg(program);
}

CommandStart startCommandLine(QCommandLineParser& parser, const std::vector<CommandOption>& options,
                              const QStringList& arguments, QString& why) {
    for (const CommandOption& option : options) {
        parser.addOption(QCommandLineOption(option.names, QString(), option.valueName));
    }
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        why = unknown.isEmpty()
                  ? QCoreApplication::translate("commandline", "The arguments cannot be read: %1")
                        .arg(parser.errorText())
                  : QCoreApplication::translate("commandline", "Unknown option: %1")
                        .arg(unknown.join(", "));
        return CommandStart::Refused;
    }
    if (parser.isSet("help")) {
        return CommandStart::Help;
    }
    if (parser.isSet("version")) {
        return CommandStart::Version;
    }
    return CommandStart::Parsed;
}

}  // namespace core
