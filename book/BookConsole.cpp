#include "book/BookConsole.h"

#include <QCoreApplication>

namespace book {

QString byteSize(qint64 bytes) {
    constexpr double kKilo = 1000.0;
    const double kilobytes = bytes / kKilo;
    if (kilobytes < kKilo) {
        return QStringLiteral("%1 KB").arg(kilobytes, 0, 'f', 0);
    }
    if (kilobytes < kKilo * kKilo) {
        return QStringLiteral("%1 MB").arg(kilobytes / kKilo, 0, 'f', 1);
    }
    return QStringLiteral("%1 GB").arg(kilobytes / (kKilo * kKilo), 0, 'f', 1);
}

QString summaryLine(const BookSummary& summary) {
    return QCoreApplication::translate("book", "Pages %1, %2, %3 s")
        .arg(summary.pages)
        .arg(byteSize(summary.bytes))
        .arg(summary.seconds, 0, 'f', 1);
}

BookConsole::BookConsole(std::FILE* out, std::FILE* err, bool terminal, bool quiet)
    : out_(out), err_(err), bar_(err, terminal), quiet_(quiet) {}

void BookConsole::progress(int done, int total, double seconds, const QString& fileName) {
    if (quiet_) {
        return;
    }
    bar_.show(core::progressBar(done, total, seconds,
                                QCoreApplication::translate("book", "  %1 pages/s  %2 left")),
              QStringLiteral("%1/%2 %3").arg(done).arg(total).arg(core::oneLine(fileName)));
}

void BookConsole::badPage(const QString& fileName, const QString& reason) {
    bar_.clear();
    core::ProgressLine::write(err_,
                              QStringLiteral("%1: %2\n").arg(core::oneLine(fileName), reason));
}

void BookConsole::error(const QString& message) {
    bar_.clear();
    core::ProgressLine::write(err_, QStringLiteral("quillfold-book: %1\n").arg(message));
}

void BookConsole::summary(const BookSummary& summary) {
    bar_.clear();
    if (!quiet_) {
        core::ProgressLine::write(out_, summaryLine(summary) + QLatin1Char('\n'));
    }
}

}  // namespace book
