#include "model/SettingsRecord.h"

#include "core/Cp932.h"
#include "model/SettingsTable.h"

namespace {

// Reads a settings file the way its lines were meant to be read: numbers as
// white-space separated tokens, texts as whole lines.
class LineReader {
public:
    explicit LineReader(const QByteArray& bytes) : bytes_(bytes) {}

    // nullopt when the token is not a decimal integer.
    std::optional<int32_t> readNumber() {
        while (pos_ < bytes_.size() && static_cast<unsigned char>(bytes_[pos_]) <= ' ')
            ++pos_;
        const qsizetype start = pos_;
        while (pos_ < bytes_.size() && static_cast<unsigned char>(bytes_[pos_]) > ' ')
            ++pos_;
        const QByteArray token = bytes_.mid(start, pos_ - start);
        skipRestOfLine();
        if (token.isEmpty())
            return 0;  // past the end of the file
        return decimal(token);
    }

    QByteArray readLine() {
        const qsizetype start = pos_;
        while (pos_ < bytes_.size() && bytes_[pos_] != '\r' && bytes_[pos_] != '\n')
            ++pos_;
        const QByteArray line = bytes_.mid(start, pos_ - start);
        skipLineEnd();
        return line;
    }

private:
    void skipRestOfLine() {
        while (pos_ < bytes_.size() && bytes_[pos_] != '\r' && bytes_[pos_] != '\n')
            ++pos_;
        skipLineEnd();
    }

    void skipLineEnd() {
        if (pos_ < bytes_.size() && bytes_[pos_] == '\r')
            ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
            ++pos_;
    }

    static std::optional<int32_t> decimal(const QByteArray& token) {
        qsizetype i = 0;
        bool negative = false;
        if (token[0] == '-' || token[0] == '+') {
            negative = token[0] == '-';
            ++i;
        }
        if (i == token.size())
            return std::nullopt;
        const int64_t limit = negative ? 2147483648LL : 2147483647LL;
        int64_t magnitude = 0;
        for (; i < token.size(); ++i) {
            if (token[i] < '0' || token[i] > '9')
                return std::nullopt;
            magnitude = magnitude * 10 + (token[i] - '0');
            if (magnitude > limit)
                return std::nullopt;
        }
        return static_cast<int32_t>(negative ? -magnitude : magnitude);
    }

    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

// The bytes a text is kept as, or nothing when reading them back would not
// give the same text: a character CP932 lacks or holds only as a look-alike
// (〜 comes back as ～, ¥ as \), or a line break, which would move every
// later value to the wrong line.
std::optional<QByteArray> storedText(const QString& text) {
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return std::nullopt;
    std::optional<QByteArray> bytes = encodeCp932(text);
    if (!bytes || decodeCp932(*bytes) != text)
        return std::nullopt;
    return bytes;
}

}  // namespace

SettingsParse parseSettings(const QByteArray& bytes) {
    SettingsParse result;
    LineReader reader(bytes);
    for (int line = 1; line <= SettingsRecord::kNumberCount; ++line) {
        const std::optional<int32_t> number = reader.readNumber();
        if (!number) {
            result.badLine = line;
            return result;
        }
        result.numbers.push_back(*number);
    }
    for (QString& text : result.texts)
        text = decodeCp932(reader.readLine());
    return result;
}

QByteArray formatSettings(const SettingsRecord& record) {
    QByteArray out;
    for (const int32_t number : record.numbers) {
        out += QByteArray::number(number);
        out += "\r\n";
    }
    for (const QString& text : record.texts) {
        out += storedText(text).value_or(QByteArray());
        out += "\r\n";
    }
    return out;
}

SettingsRecord designedSettings() {
    return model::recordOf(model::Settings{});
}
