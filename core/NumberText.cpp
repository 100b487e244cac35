#include "core/NumberText.h"

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

NumberParse failAt(qsizetype index) {
    return {0, static_cast<int32_t>(index + 1)};
}

}  // namespace

NumberParse parseNumber(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return failAt(i);

    if (hex) {
        uint32_t magnitude = 0;
        int digits = 0;
        for (; i < n; ++i) {
            const int d = hexDigit(text[i]);
            if (d < 0 || digits == 8)
                return failAt(i);
            magnitude = magnitude * 16 + static_cast<uint32_t>(d);
            ++digits;
        }
        const auto value = static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
        return {value, 0};
    }

    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    int64_t magnitude = 0;
    for (; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < u'0' || u > u'9')
            return failAt(i);
        magnitude = magnitude * 10 + (u - u'0');
        if (magnitude > limit)
            return failAt(i);
    }
    return {static_cast<int32_t>(negative ? -magnitude : magnitude), 0};
}

std::optional<QString> correctedNumberText(const QString& text, int32_t upperBound) {
    const NumberParse parsed = parseNumber(text);
    if (!parsed.ok()) {
        if (text.isEmpty())
            return std::nullopt;
        return QString();
    }
    if (parsed.value > upperBound)
        return QString::number(upperBound);
    if (parsed.value < 0)
        return QStringLiteral("0");
    return std::nullopt;
}

std::optional<QString> steppedNumberText(const QString& text, const QString& emptyAs,
                                         StepDirection direction, int32_t limit) {
    const NumberParse parsed = parseNumber(text.isEmpty() ? emptyAs : text);
    if (!parsed.ok())
        return std::nullopt;
    const int64_t value = parsed.value;
    if (direction == StepDirection::Up) {
        if (value < limit)
            return QString::number(value + 10);
    } else {
        if (value > limit)
            return QString::number(value - 10);
    }
    return std::nullopt;
}
