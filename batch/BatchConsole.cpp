#include "batch/BatchConsole.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace batch {

namespace {

constexpr int kBarWidth = 30;

QString minutesAndSeconds(double seconds) {
    const auto whole = static_cast<long long>(std::llround(std::max(seconds, 0.0)));
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString oneLine(const QString& text) {
    QString line;
    line.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'\\':
                line += QStringLiteral("\\\\");
                break;
            case u'\n':
                line += QStringLiteral("\\n");
                break;
            case u'\r':
                line += QStringLiteral("\\r");
                break;
            case u'\t':
                line += QStringLiteral("\\t");
                break;
            default:
                if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                    c == QChar::ParagraphSeparator) {
                    line += c.unicode() > 0xff
                                ? QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'))
                                : QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
                } else {
                    line += c;
                }
        }
    }
    return line;
}

QString summaryLine(const BatchSummary& summary) {
    return QCoreApplication::translate("batch", "Images %1, files written %2, failures %3, %4 s")
        .arg(summary.images)
        .arg(summary.filesWritten)
        .arg(summary.failures)
        .arg(summary.seconds, 0, 'f', 1);
}

QStringList losslessLines(const split::LosslessTally& tally, bool dryRun) {
    QStringList lines;
    lines << (dryRun
                  ? QCoreApplication::translate("batch",
                                                "%1 of %2 JPEG pages would be written losslessly")
                  : QCoreApplication::translate("batch", "%1 of %2 JPEG pages written losslessly"))
                 .arg(tally.lossless)
                 .arg(tally.pages());
    for (const split::ReencodedPage& page : tally.reencoded)
        lines << split::notLosslessLine(oneLine(page.fileName), page.reason);
    return lines;
}

QString progressBar(int done, int total, double seconds) {
    const int filled =
        total > 0 ? static_cast<int>(static_cast<long long>(done) * kBarWidth / total) : kBarWidth;
    QString line = QStringLiteral("[%1%2]  %3/%4")
                       .arg(QString(filled, QLatin1Char('#')))
                       .arg(QString(kBarWidth - filled, QLatin1Char('.')))
                       .arg(done)
                       .arg(total);
    if (done > 0 && seconds > 0) {
        const double perSecond = done / seconds;
        line += QCoreApplication::translate("batch", "  %1 images/s  %2 left")
                    .arg(perSecond, 0, 'f', 1)
                    .arg(minutesAndSeconds((total - done) / perSecond));
    }
    return line;
}

BatchConsole::BatchConsole(std::FILE* out, std::FILE* err, bool terminal, bool quiet)
    : out_(out), err_(err), terminal_(terminal), quiet_(quiet) {}

void BatchConsole::write(std::FILE* stream, const QString& line) {
    std::fputs(line.toUtf8().constData(), stream);
    std::fflush(stream);
}

void BatchConsole::clearBar() {
    if (barShown_) {
        write(err_, QStringLiteral("\r\x1b[K"));
        barShown_ = false;
    }
}

void BatchConsole::progress(int done, int total, double seconds, const QString& fileName) {
    if (quiet_) {
        return;
    }
    if (terminal_) {
        write(err_, QStringLiteral("\r\x1b[K") + progressBar(done, total, seconds));
        barShown_ = true;
    } else {
        write(err_, QStringLiteral("%1/%2 %3\n").arg(done).arg(total).arg(oneLine(fileName)));
    }
}

void BatchConsole::failure(const QString& fileName, const QString& reason) {
    clearBar();
    write(err_, QStringLiteral("%1: %2\n").arg(oneLine(fileName), reason));
}

void BatchConsole::error(const QString& message) {
    clearBar();
    write(err_, QStringLiteral("quillfold-batch: %1\n").arg(message));
}

void BatchConsole::listed(const QString& path) {
    write(out_, oneLine(path) + QLatin1Char('\n'));
}

void BatchConsole::note(const QString& line) {
    if (quiet_) {
        return;
    }
    clearBar();
    write(err_, oneLine(line) + QLatin1Char('\n'));
}

void BatchConsole::summary(const BatchSummary& summary) {
    clearBar();
    if (quiet_) {
        return;
    }
    write(out_, summaryLine(summary) + QLatin1Char('\n'));
    if (summary.lossless) {
        for (const QString& line : losslessLines(*summary.lossless, false)) {
            write(out_, line + QLatin1Char('\n'));
        }
    }
}

void BatchConsole::plannedLossless(const split::LosslessTally& tally) {
    if (quiet_) {
        return;
    }
    for (const QString& line : losslessLines(tally, true)) {
        write(out_, line + QLatin1Char('\n'));
    }
}

}  // namespace batch
