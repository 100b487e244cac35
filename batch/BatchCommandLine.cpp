#include "batch/BatchCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>
#include <vector>

namespace batch {

namespace {

// One option of the command line: its names, the name of its value (empty
// for a switch) and its line in the help. An option whose value may be
// left out takes its default when given bare ("--deskew").
struct CommandOption {
    QStringList names;
    QString valueName;
    QString description;
    QString defaultValue = {};
};

QString text(const char* source) {
    return QCoreApplication::translate("BatchCommandLine", source);
}

const std::vector<CommandOption>& commandOptions() {
    static const std::vector<CommandOption> options = {
        {{"direction"},
         "right|down|left|up|none",
         "見開きを分ける向き (読む順に 1 ページ目、2 ページ目)。none は分けない。既定は left"},
        {{"centre"}, "N", "分け目の左右 (上下) それぞれ N ピクセルを除く。既定は除かない"},
        {{"margins"}, "T[,K]", "しきい値 T (0-255) で余白を除き、K ピクセル (既定 0) を残す"},
        {{"rotate"}, "L|R", "分けたページを 90 度回す (L は左回り、R は右回り)"},
        {{"cut"},
         "centre|gutter",
         text("Where to cut a spread: at its centre (the default), or at the gutter searched "
              "for in the middle 35-65 % from the fold's shadow and the columns without print "
              "(at the centre, the image named, when none is found). Centre removal and the "
              "margins work from the cut")},
        {{"deskew"},
         "MAX",
         text("Straighten each page of a cut image before its margins: its skew is measured "
              "on its rows or columns of text and turned back when it lies from 0.05 to MAX "
              "degrees (default 5); blank pages, pictures and pages measured without "
              "confidence are kept as they are and named. With --dry-run, each image's cut and "
              "each page's angle are printed"),
         QString::number(split::SplitOptions{}.deskewCap)},
        {{"format"}, "jpg|bmp", "保存形式。既定は jpg"},
        {{"quality"}, "Q", "JPEG の品質 (0-100)。既定は 80"},
        {{"select"},
         "all|none|WxH[+-T]",
         "分ける画像: すべて、なし、または W x H ピクセルから ±T (既定 10) の大きさの画像。"
         "既定は all"},
        {{"unselected"},
         "skip|copy|resave",
         "選ばれなかった画像を飛ばす、そのままコピーする、または新規保存する。既定は copy"},
        {{"subfolder"}, "", "保存先に元フォルダと同じ名前のフォルダを作ってそこへ書く (既定)"},
        {{"no-subfolder"}, "", "保存先フォルダへ直接書く"},
        {{"jobs"}, "N", "同時に処理する画像の数。既定はプロセッサのコア数"},
        {{"shard"},
         "K/N",
         "K 番目から N 枚おきの画像だけを処理する (1 <= K <= N)。K を 1 から N まで変えた "
         "N 回の実行で、どの画像もちょうど一度処理される"},
        {{"dry-run"}, "", "書き出すはずのファイルを表示し、何も書かない"},
        {{"quiet"}, "", "進み具合と結果の行を表示しない (失敗は表示する)"},
        {{"h", "help"}, "", "このヘルプを表示して終わる"},
        {{"version"}, "", "版を表示して終わる"},
    };
    return options;
}

// Why an option's value was refused.
struct Refusal {
    QString message;
};

QString invalidValue(const QString& option, const QString& value) {
    return QStringLiteral("--%1 の値 \"%2\" は使えません").arg(option, value);
}

std::optional<int> wholeNumber(const QString& text, int lowest, int highest) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch()) {
        return std::nullopt;
    }
    const int number = text.toInt();
    if (number < lowest || number > highest) {
        return std::nullopt;
    }
    return number;
}

// Reads every option into `request`; the first wrong value gives a refusal.
std::optional<Refusal> readOptions(const QCommandLineParser& parser, int cores,
                                   BatchRequest& request) {
    split::SplitOptions& options = request.options;
    const auto refuse = [&parser](const QString& option) {
        return Refusal{invalidValue(option, parser.value(option))};
    };

    if (parser.isSet("direction")) {
        static const QStringList directions = {"right", "down", "left", "up", "none"};
        const auto index = directions.indexOf(parser.value("direction"));
        if (index < 0) {
            return refuse("direction");
        }
        options.direction = static_cast<split::SplitDirection>(index);
    }
    if (parser.isSet("centre")) {
        const auto width = wholeNumber(parser.value("centre"), 0, 9999);
        if (!width) {
            return refuse("centre");
        }
        options.removeCentre = true;
        options.centreWidth = *width;
    }
    if (parser.isSet("margins")) {
        static const QRegularExpression form(QStringLiteral("^([0-9]+)(?:,([0-9]+))?$"));
        const auto match = form.match(parser.value("margins"));
        const auto threshold =
            match.hasMatch() ? wholeNumber(match.captured(1), 0, 255) : std::nullopt;
        const auto kept = match.hasMatch() && match.hasCaptured(2)
                              ? wholeNumber(match.captured(2), 0, 9999)
                              : std::optional<int>(0);
        if (!threshold || !kept) {
            return refuse("margins");
        }
        options.removeMargins = true;
        options.marginThreshold = *threshold;
        options.keptMargin = *kept;
    }
    if (parser.isSet("rotate")) {
        const QString turn = parser.value("rotate").toUpper();
        if (turn != "L" && turn != "R") {
            return refuse("rotate");
        }
        options.turn = true;
        options.turnDirection =
            turn == "L" ? split::TurnDirection::Left : split::TurnDirection::Right;
    }
    if (parser.isSet("cut")) {
        const QString cut = parser.value("cut");
        if (cut != "centre" && cut != "gutter") {
            return refuse("cut");
        }
        options.cutPlacement =
            cut == "gutter" ? split::CutPlacement::Gutter : split::CutPlacement::Centre;
    }
    if (parser.isSet("deskew")) {
        static const QRegularExpression form(QStringLiteral("^[0-9]{1,2}(\\.[0-9]{1,2})?$"));
        const QString cap = parser.value("deskew");
        const double degrees = cap.toDouble();
        if (!form.match(cap).hasMatch() || degrees <= split::kLeastDeskew ||
            degrees > split::kLargestDeskewCap) {
            return refuse("deskew");
        }
        options.deskew = true;
        options.deskewCap = degrees;
    }
    if (parser.isSet("format")) {
        const QString format = parser.value("format");
        if (format != "jpg" && format != "bmp") {
            return refuse("format");
        }
        options.format = format == "bmp" ? split::OutputFormat::Bmp : split::OutputFormat::Jpeg;
    }
    if (parser.isSet("quality")) {
        const auto quality = wholeNumber(parser.value("quality"), 0, 100);
        if (!quality) {
            return refuse("quality");
        }
        options.jpegQuality = *quality;
    }
    if (parser.isSet("select")) {
        const QString select = parser.value("select");
        static const QRegularExpression sample(
            QStringLiteral("^([0-9]+)x([0-9]+)(?:\\+-([0-9]+))?$"));
        const auto match = sample.match(select);
        if (select == "all") {
            request.selection = SelectionRule::All;
        } else if (select == "none") {
            request.selection = SelectionRule::None;
        } else if (match.hasMatch()) {
            const auto width = wholeNumber(match.captured(1), 1, 1'000'000);
            const auto height = wholeNumber(match.captured(2), 1, 1'000'000);
            const auto tolerance = match.hasCaptured(3)
                                       ? wholeNumber(match.captured(3), 0, 1'000'000)
                                       : std::optional<int>(10);
            if (!width || !height || !tolerance) {
                return refuse("select");
            }
            request.selection = SelectionRule::BySampleSize;
            request.sampleSize = QSize(*width, *height);
            request.tolerance = *tolerance;
        } else {
            return refuse("select");
        }
    }
    if (parser.isSet("unselected")) {
        const QString unselected = parser.value("unselected");
        if (unselected != "skip" && unselected != "copy" && unselected != "resave") {
            return refuse("unselected");
        }
        options.copyUnselected = unselected == "copy";
        options.resaveUnselected = unselected == "resave";
    }
    if (parser.isSet("subfolder") && parser.isSet("no-subfolder")) {
        return Refusal{QStringLiteral("--subfolder と --no-subfolder は一緒に使えません")};
    }
    options.sourceNamedSubfolder = !parser.isSet("no-subfolder");
    request.jobs = cores;
    if (parser.isSet("jobs")) {
        const auto jobs = wholeNumber(parser.value("jobs"), 1, 1024);
        if (!jobs) {
            return refuse("jobs");
        }
        request.jobs = *jobs;
    }
    if (parser.isSet("shard")) {
        static const QRegularExpression form(QStringLiteral("^([0-9]+)/([0-9]+)$"));
        const auto match = form.match(parser.value("shard"));
        const auto count =
            match.hasMatch() ? wholeNumber(match.captured(2), 1, 1'000'000) : std::nullopt;
        const auto index = count ? wholeNumber(match.captured(1), 1, *count) : std::nullopt;
        if (!index) {
            return refuse("shard");
        }
        request.shard = Shard{*index, *count};
    }
    request.dryRun = parser.isSet("dry-run");
    request.quiet = parser.isSet("quiet");
    return std::nullopt;
}

}  // namespace

QString helpText() {
    QString text = QStringLiteral(
        "使い方: quillfold-batch [オプション] 元フォルダ 保存先フォルダ\n"
        "元フォルダの JPEG と BMP の画像 (名前の自然な順) を、見開きからページに分けて"
        "保存先フォルダへ書き出す。\n"
        "元のファイルを書き換えることはない。どのファイルも一時ファイルに書いてから名前を"
        "変える。書き出す名前にシンボリックリンクがあれば、リンク先には書かず、リンクを"
        "置き換える。\n"
        "出力の一行には一つの名前しか書かない。名前の中の改行などの制御文字と \\ は "
        "\\n、\\t、\\x01、\\\\ のように書く。\n\n"
        "オプション:\n");
    for (const CommandOption& option : commandOptions()) {
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
        text += line + "\n      " + option.description + "\n";
    }
    text += QStringLiteral(
        "\n終了状態:\n"
        "  0    失敗なし\n"
        "  1    読めなかったか処理できなかった画像、または書けなかったファイルがある "
        "(標準エラーに一件ずつ)\n"
        "  2    引数の誤り、または元フォルダか保存先フォルダがない\n"
        "  130  Ctrl+C か SIGTERM で中断した (書きかけのファイルは残さない)\n");
    return text;
}

namespace {

// The arguments with each bare option whose value may be left out given
// its default ("--deskew" becomes "--deskew=5").
QStringList withDefaults(QStringList arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--")) {
            break;
        }
        for (const CommandOption& option : commandOptions()) {
            if (!option.defaultValue.isEmpty() && arguments[i] == "--" + option.names.first()) {
                arguments[i] += "=" + option.defaultValue;
            }
        }
    }
    return arguments;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments, int cores) {
    QCommandLineParser parser;
    for (const CommandOption& option : commandOptions()) {
        parser.addOption(QCommandLineOption(option.names, option.description, option.valueName));
    }

    CommandLine result;
    if (!parser.parse(withDefaults(arguments))) {
        const QStringList unknown = parser.unknownOptionNames();
        result.text = unknown.isEmpty()
                          ? QStringLiteral("引数を読めません: %1").arg(parser.errorText())
                          : QStringLiteral("知らないオプションです: %1").arg(unknown.join(", "));
        return result;
    }
    if (parser.isSet("help")) {
        result.action = CommandLine::Action::ShowHelp;
        result.text = helpText();
        return result;
    }
    if (parser.isSet("version")) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = QStringLiteral("quillfold-batch (Quillfold) %1\n")
                          .arg(QStringLiteral(QUILLFOLD_VERSION));
        return result;
    }
    if (const auto refusal = readOptions(parser, cores, result.request)) {
        result.text = refusal->message;
        return result;
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 2) {
        result.text = QStringLiteral("元フォルダと保存先フォルダを一つずつ指定してください");
        return result;
    }
    result.request.sourceFolder = folders[0];
    result.request.options.destination = folders[1];
    result.action = CommandLine::Action::Run;
    return result;
}

}  // namespace batch
