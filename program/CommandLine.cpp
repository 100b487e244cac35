#include "program/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace program {

QString helpText(const QString& version) {
    // "Usage:" and "Options:" stay English: help2man finds the synopsis
    // and the option list by them.
    return QStringLiteral(
               "Usage: quillfold [options]\n"
               "Quillfold %1: 自炊した本のスキャン画像 (JPEG/BMP) を見開きからページに分け、\n"
               "余白を取り、トリミングし、名前を付け替えます。\n"
               "Splits the two-page spreads of your own book scans (JPEG/BMP) into pages,\n"
               "trims their margins, crops and renames them.\n"
               "\n"
               "Options:\n"
               "  -h, --help            このヘルプを表示して終了します。\n"
               "                        Show this help and exit.\n"
               "  -v, --version         バージョンを表示して終了します。\n"
               "                        Show the version and exit.\n"
               "  --in-config-folder    設定フォルダ $XDG_CONFIG_HOME/quillfold (既定は\n"
               "                        ~/.config/quillfold) を無ければ作り、そこで起動します。\n"
               "                        デスクトップのメニューからはこの起動になります。\n"
               "                        Start in the configuration folder\n"
               "                        $XDG_CONFIG_HOME/quillfold (by default\n"
               "                        ~/.config/quillfold), made when missing. The desktop\n"
               "                        menu starts Quillfold this way.\n"
               "\n"
               "設定ファイル Quillfold.ini は起動したフォルダに置かれます。\n"
               "Qt の標準オプション (-platform, -style など) も使えます。\n"
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
    parser.addOptions({help, showVersion, inConfigFolder});
    const bool understood = parser.parse(arguments);

    CommandLine result;
    result.inConfigFolder = parser.isSet(inConfigFolder);
    if (parser.isSet(help)) {
        result.action = StartAction::PrintHelp;
        result.text = helpText(version);
    } else if (parser.isSet(showVersion)) {
        result.action = StartAction::PrintVersion;
        result.text = QStringLiteral("quillfold (Quillfold) %1\n").arg(version);
    } else if (!understood || !parser.positionalArguments().isEmpty()) {
        const QString reason =
            understood ? QStringLiteral("引数 %1 は使えません / unexpected argument %1")
                             .arg(parser.positionalArguments().constFirst())
                       : QStringLiteral("オプション %1 は使えません / %2")
                             .arg(parser.unknownOptionNames().value(0), parser.errorText());
        result.action = StartAction::RefuseArguments;
        result.text = QStringLiteral(
                          "quillfold: %1\n"
                          "quillfold --help で使い方を表示します / "
                          "see quillfold --help\n")
                          .arg(reason);
    }
    return result;
}

}  // namespace program
