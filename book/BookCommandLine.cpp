#include "book/BookCommandLine.h"

#include "core/CommandOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

namespace book {

namespace {

// The range of --dpi.
constexpr int kLeastDpi = 1;
constexpr int kMostDpi = 9600;

using core::CommandOption;

const std::vector<CommandOption>& commandOptions() {
    static const std::vector<CommandOption> options = {
        {{"format"},
         "pdf|cbz",
         QT_TRANSLATE_NOOP("book",
                           "The kind of book: PDF or comic book archive. Default: from the "
                           "output file's suffix (.pdf or .cbz)")},
        {{"direction"},
         "ltr|rtl",
         QT_TRANSLATE_NOOP("book",
                           "The reading direction. A right-to-left book opens from the right "
                           "(a PDF two pages at a time, starting on the right). Default: ltr")},
        {{"dpi"},
         "N",
         QT_TRANSLATE_NOOP("book",
                           "The pixels per inch of every page, for the PDF's page size. Default: "
                           "each page's own density, 300 for a page without one")},
        {{"title"}, "TEXT", QT_TRANSLATE_NOOP("book", "The book's title")},
        {{"author"}, "TEXT", QT_TRANSLATE_NOOP("book", "The book's author")},
        {{"skip-bad"},
         "",
         QT_TRANSLATE_NOOP("book",
                           "Leave out the pages that cannot be read (each named) instead of "
                           "writing no book")},
        {{"quiet"},
         "",
         QT_TRANSLATE_NOOP("book", "No progress and no summary line (problems are still shown)")},
        {{"language"},
         "ja|en",
         QT_TRANSLATE_NOOP("book",
                           "Messages in Japanese or English. Default: Japanese when the locale "
                           "is Japanese, English otherwise")},
        {{"h", "help"}, "", QT_TRANSLATE_NOOP("book", "Show this help and exit")},
        {{"version"}, "", QT_TRANSLATE_NOOP("book", "Show the version and exit")},
    };
    return options;
}

QString invalidValue(const QString& option, const QString& value) {
    return QCoreApplication::translate("book", "The value \"%2\" of --%1 cannot be used")
        .arg(option, value);
}

// Reads the options into `result`; the first wrong value gives its message.
std::optional<QString> readOptions(const QCommandLineParser& parser, CommandLine& result) {
    BindRequest& request = result.request;
    const auto refuse = [&parser](const QString& option) {
        return invalidValue(option, parser.value(option));
    };
    if (parser.isSet("format")) {
        const QString format = parser.value("format").toLower();
        if (format != "pdf" && format != "cbz") {
            return refuse("format");
        }
        request.format = format == "pdf" ? Format::Pdf : Format::Cbz;
    } else if (const auto fromName = formatFromSuffix(request.outputFile)) {
        request.format = *fromName;
    } else {
        return QCoreApplication::translate(
            "book", "The output file ends neither in .pdf nor in .cbz: give --format");
    }
    if (parser.isSet("direction")) {
        const QString direction = parser.value("direction");
        if (direction != "ltr" && direction != "rtl") {
            return refuse("direction");
        }
        request.direction = direction == "rtl" ? Direction::RightToLeft : Direction::LeftToRight;
    }
    if (parser.isSet("dpi")) {
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
        const QString text = parser.value("dpi");
        const int dpi = text.toInt();
        if (!digits.match(text).hasMatch() || dpi < kLeastDpi || dpi > kMostDpi) {
            return refuse("dpi");
        }
        request.dpi = dpi;
    }
    if (parser.isSet("language") && !core::languageNamed(parser.value("language"))) {
        return refuse("language");
    }
    request.title = parser.value("title");
    request.author = parser.value("author");
    request.skipBad = parser.isSet("skip-bad");
    result.quiet = parser.isSet("quiet");
    return std::nullopt;
}

}  // namespace

QString helpText() {
    QString text = QCoreApplication::translate(
        "book",
        "Usage: quillfold-book [options] PAGES_FOLDER OUTPUT_FILE\n"
        "Binds the JPEG and BMP pages of the folder, in the natural order of their names, "
        "into one PDF or comic book archive (CBZ).\n"
        "JPEG pages go into the book as they are, never encoded again; BMP pages are "
        "compressed without loss in a PDF. The book is written to a temporary file and then "
        "renamed; the pages folder is never changed.\n\n"
        "Options:\n");
    text += core::optionsHelp(commandOptions(), "book");
    text += QCoreApplication::translate(
        "book",
        "\nExit status:\n"
        "  0    every page was bound\n"
        "  1    some page could not be read (each named on standard error), or the book "
        "could not be written\n"
        "  2    wrong arguments, or a missing pages folder\n"
        "  130  ended by Ctrl+C or SIGTERM (no book and no temporary file is left)\n");
    return text;
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    CommandLine result;
    const core::CommandStart start =
        core::startCommandLine(parser, commandOptions(), arguments, result.text);
    if (!core::readOn(start, result, &helpText,
                      QStringLiteral("quillfold-book (Quillfold) " QUILLFOLD_VERSION "\n"))) {
        return result;
    }
    result.language = core::languageNamed(parser.value("language"));
    const QStringList places = parser.positionalArguments();
    if (places.size() != 2) {
        result.text =
            QCoreApplication::translate("book", "Give one pages folder and one output file");
        return result;
    }
    result.request.pagesFolder = places[0];
    result.request.outputFile = places[1];
    if (const auto refusal = readOptions(parser, result)) {
        result.text = *refusal;
        return result;
    }
    result.action = CommandLine::Action::Run;
    return result;
}

}  // namespace book
