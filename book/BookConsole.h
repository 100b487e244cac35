#pragma once

#include "core/ConsoleText.h"

#include <QString>

#include <cstdio>

namespace book {

// What a finished binding did, for its last line.
struct BookSummary {
    int pages = 0;
    qint64 bytes = 0;
    double seconds = 0;
};

// "Pages 600, 1.8 GB, 12.3 s"
QString summaryLine(const BookSummary& summary);

// A length in bytes as people read it: "812 KB", "45.3 MB", "1.8 GB".
QString byteSize(qint64 bytes);

// Where quillfold-book reports: progress on `err` (a bar redrawn in place
// on a terminal, one line per page otherwise), each page that cannot be
// read and every error on `err`, the summary on `out`. Names go through
// core::oneLine.
class BookConsole {
public:
    BookConsole(std::FILE* out, std::FILE* err, bool terminal, bool quiet);
    BookConsole(const BookConsole&) = delete;
    BookConsole& operator=(const BookConsole&) = delete;

    void progress(int done, int total, double seconds, const QString& fileName);
    void badPage(const QString& fileName, const QString& reason);
    void error(const QString& message);
    void summary(const BookSummary& summary);

private:
    std::FILE* out_;
    std::FILE* err_;
    core::ProgressLine bar_;
    const bool quiet_;
};

}  // namespace book
