#include "core/ConsoleText.h"

#include <algorithm>
#include <cmath>

namespace core {

namespace {

constexpr int kBarWidth = 30;
const QString kClearLine = QStringLiteral("\r\x1b[K");

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

QString progressBar(int done, int total, double seconds, const QString& rateText) {
    const int filled =
        total > 0 ? static_cast<int>(static_cast<long long>(done) * kBarWidth / total) : kBarWidth;
    QString line = QStringLiteral("[%1%2]  %3/%4")
                       .arg(QString(filled, QLatin1Char('#')))
                       .arg(QString(kBarWidth - filled, QLatin1Char('.')))
                       .arg(done)
                       .arg(total);
    if (done > 0 && seconds > 0) {
        const double perSecond = done / seconds;
        line +=
            rateText.arg(perSecond, 0, 'f', 1).arg(minutesAndSeconds((total - done) / perSecond));
    }
    return line;
}

void ProgressLine::write(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

void ProgressLine::show(const QString& bar, const QString& line) {
    if (terminal_) {
        write(stream_, kClearLine + bar);
        shown_ = true;
    } else {
        write(stream_, line + QLatin1Char('\n'));
    }
}

void ProgressLine::clear() {
    if (shown_) {
        write(stream_, kClearLine);
        shown_ = false;
    }
}

}  // namespace core
