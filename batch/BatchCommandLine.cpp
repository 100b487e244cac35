#include "batch/BatchCommandLine.h"

#include "core/CommandOptions.h"

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
using core::CommandOption;

const std::vector<CommandOption>& commandOptions() {
    static const std::vector<CommandOption> options = {
        {{"direction"},
         "right|down|left|up|none",
         QT_TRANSLATE_NOOP("batch",
                           "Where to split the spreads (in reading order, page 1 then page 2). "
                           "none does not split. Default: left")},
        {{"centre"},
         "N",
         QT_TRANSLATE_NOOP("batch",
                           "Remove N pixels on each side of the cut. Default: remove nothing")},
        {{"margins"},
         "T[,K]",
         QT_TRANSLATE_NOOP("batch",
                           "Remove the margins at threshold T (0-255), keeping K pixels "
                           "(default 0)")},
        {{"rotate"},
         "L|R",
         QT_TRANSLATE_NOOP("batch",
                           "Turn the pages 90 degrees (L counter-clockwise, R clockwise)")},
        {{"cut"},
         "centre|gutter",
         QT_TRANSLATE_NOOP("batch",
                           "Where to cut a spread: at its centre (the default), or at the gutter "
                           "searched for in the middle 35-65 % from the fold's shadow and the "
                           "columns without print (at the centre, the image named, when none is "
                           "found). Centre removal and the margins work from the cut")},
        {{"deskew"},
         "MAX",
         QT_TRANSLATE_NOOP("batch",
                           "Straighten each page of a cut image before its margins: its skew is "
                           "measured on its rows or columns of text and turned back when it lies "
                           "from 0.05 to MAX degrees (default 5); blank pages, pictures and pages "
                           "measured without confidence are kept as they are and named. With "
                           "--dry-run, each image's cut and each page's angle are printed"),
         QString::number(split::SplitOptions{}.deskewCap)},
        {{"format"}, "jpg|bmp", QT_TRANSLATE_NOOP("batch", "The file format. Default: jpg")},
        {{"quality"}, "Q", QT_TRANSLATE_NOOP("batch", "The JPEG quality (0-100). Default: 80")},
        {{"lossless"},
         "",
         QT_TRANSLATE_NOOP(
             "batch",
             "Keep the compressed blocks of JPEG pages instead of encoding them again: cuts "
             "move to the JPEG's block grid (8 or 16 pixels), margins keep up to one block "
             "more. Pages that cannot keep them (a quarter turn where the page reaches the "
             "picture's edge off the grid, CMYK) are encoded at the quality and named in the "
             "summary. For JPEG sources written as JPEG")},
        {{"select"},
         "all|none|WxH[+-T]",
         QT_TRANSLATE_NOOP("batch",
                           "The images to split: all, none, or those within T pixels (default "
                           "10) of W x H. Default: all")},
        {{"unselected"},
         "skip|copy|resave",
         QT_TRANSLATE_NOOP("batch",
                           "Skip the images not selected, copy them as they are, or save them "
                           "anew. Default: copy")},
        {{"subfolder"},
         "",
         QT_TRANSLATE_NOOP("batch",
                           "Write into a folder of the source folder's name in the destination "
                           "(default)")},
        {{"no-subfolder"}, "", QT_TRANSLATE_NOOP("batch", "Write into the destination itself")},
        {{"jobs"},
         "N",
         QT_TRANSLATE_NOOP("batch",
                           "How many images are worked on at once. Default: the processor "
                           "cores")},
        {{"shard"},
         "K/N",
         QT_TRANSLATE_NOOP("batch",
                           "Work only on image K and every Nth image after it (1 <= K <= N). "
                           "N runs with K from 1 to N handle every image exactly once")},
        {{"dry-run"},
         "",
         QT_TRANSLATE_NOOP("batch", "Show the files that would be written, and write nothing")},
        {{"quiet"},
         "",
         QT_TRANSLATE_NOOP("batch", "No progress and no summary line (failures are still shown)")},
        {{"language"},
         "ja|en",
         QT_TRANSLATE_NOOP("batch",
                           "Messages in Japanese or English. Default: Japanese when the locale "
                           "is Japanese, English otherwise")},
        {{"h", "help"}, "", QT_TRANSLATE_NOOP("batch", "Show this help and exit")},
        {{"version"}, "", QT_TRANSLATE_NOOP("batch", "Show the version and exit")},
    };
    return options;
}

// Why an option's value was refused.
struct Refusal {
    QString message;
};

QString invalidValue(const QString& option, const QString& value) {
    return QCoreApplication::translate("batch", "The value \"%2\" of --%1 cannot be used")
        .arg(option, value);
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
        return Refusal{QCoreApplication::translate(
            "batch", "--subfolder and --no-subfolder cannot be used together")};
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
    if (parser.isSet("language") && !core::languageNamed(parser.value("language"))) {
        return refuse("language");
    }
    options.lossless = parser.isSet("lossless");
    request.dryRun = parser.isSet("dry-run");
    request.quiet = parser.isSet("quiet");
    return std::nullopt;
}

}  // namespace

QString helpText() {
    QString text = QCoreApplication::translate(
        "batch",
        "Usage: quillfold-batch [options] SOURCE_FOLDER DESTINATION_FOLDER\n"
        "Splits the spreads among the JPEG and BMP images of the source folder (in the "
        "natural order of their names) into pages written into the destination folder.\n"
        "No source file is ever replaced. Every file is written to a temporary file and "
        "then renamed; a symbolic link at an output's name is replaced, never written "
        "through.\n"
        "Each line of output names one file: control characters in a name (a newline, "
        "say) and \\ are written as \\n, \\t, \\x01, \\\\.\n\n"
        "Options:\n");
    text += core::optionsHelp(commandOptions(), "batch");
    text += QCoreApplication::translate(
        "batch",
        "\nExit status:\n"
        "  0    nothing failed\n"
        "  1    some image could not be read or worked on, or some file could not be "
        "written (each named on standard error)\n"
        "  2    wrong arguments, or a missing source or destination folder\n"
        "  130  ended by Ctrl+C or SIGTERM (no file is left half-written)\n");
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
    CommandLine result;
    const core::CommandStart start =
        core::startCommandLine(parser, commandOptions(), withDefaults(arguments), result.text);
    if (!core::readOn(start, result, &helpText,
                      QStringLiteral("quillfold-batch (Quillfold) " QUILLFOLD_VERSION "\n"))) {
        return result;
    }
    result.language = core::languageNamed(parser.value("language"));
    if (const auto refusal = readOptions(parser, cores, result.request)) {
        result.text = refusal->message;
        return result;
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 2) {
        result.text = QCoreApplication::translate(
            "batch", "Give one source folder and one destination folder");
        return result;
    }
    result.request.sourceFolder = folders[0];
    result.request.options.destination = folders[1];
    result.action = CommandLine::Action::Run;
    return result;
}

}  // namespace batch
