#pragma once

#include <QString>

#include <cstdio>

// What the command-line programs write on a terminal or into a log.
namespace core {

// `text` on one line: a backslash and the control characters are written
// as C escapes ("\\", "\n", "\r", "\t", "\x7f" ...), so a file name never
// spans two lines of output and can be told apart from any other. Every
// name and path a command-line program writes goes through this.
QString oneLine(const QString& text);

// A progress bar: "[#####.....]  12/40", then, once something is done,
// `rateText` (translated by the caller) with %1 the items a second and %2
// the time left: "  3.1 images/s  0:09 left".
QString progressBar(int done, int total, double seconds, const QString& rateText);

// Progress on standard error: on a terminal one bar redrawn in place,
// which any other line first clears; otherwise one plain line per step.
class ProgressLine {
public:
    ProgressLine(std::FILE* stream, bool terminal) : stream_(stream), terminal_(terminal) {}
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    bool terminal() const { return terminal_; }
    // Draws `bar` on a terminal, writes `line` (one line, its newline
    // added) otherwise.
    void show(const QString& bar, const QString& line);
    // Takes the bar away, before another line is written to the stream.
    void clear();

    // Writes `text` as UTF-8 and flushes.
    static void write(std::FILE* stream, const QString& text);

private:
    std::FILE* stream_;
    const bool terminal_;
    bool shown_ = false;
};

}  // namespace core
