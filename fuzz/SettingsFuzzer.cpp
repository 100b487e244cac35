// The settings file: whatever it holds, a record read from it and written
// again reads back as the same record, except that a text the file cannot
// keep exactly is written as an empty line; the file always has its 26
// lines. Checked for records read from the input as a file, and for records
// whose texts are built from the input as UTF-16 (any character, line breaks
// and unpaired surrogates included).

#include "core/Cp932.h"
#include "fuzz/FuzzCheck.h"
#include "model/SettingsRecord.h"

#include <cstring>

using fuzzing::require;

namespace {

// A text the file can hold: CP932 has its characters, reading them back
// gives the same text, and it has no line break of its own.
bool fileCanHold(const QString& text) {
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'))) {
        return false;
    }
    const std::optional<QByteArray> bytes = encodeCp932(text);
    return bytes && decodeCp932(*bytes) == text;
}

void requireRoundTrip(const SettingsRecord& record) {
    const QByteArray bytes = formatSettings(record);
    require(bytes.count("\r\n") == 26 && bytes.endsWith("\r\n") && bytes.count('\n') == 26,
            "the settings file has 26 lines ended by CR LF");
    const SettingsParse parsed = parseSettings(bytes);
    require(parsed.complete(), "a written settings file reads completely");
    require(std::equal(parsed.numbers.begin(), parsed.numbers.end(), record.numbers.begin(),
                       record.numbers.end()),
            "every number reads back as written");
    for (int i = 0; i < SettingsRecord::kTextCount; ++i) {
        const QString& text = record.texts[static_cast<size_t>(i)];
        const QString expected = fileCanHold(text) ? text : QString();
        require(parsed.texts[static_cast<size_t>(i)] == expected,
                "a text reads back as written, or empty when the file cannot hold it");
    }
}

// The record of a file that reads completely.
std::optional<SettingsRecord> recordFromFile(const QByteArray& bytes) {
    const SettingsParse parsed = parseSettings(bytes);
    if (!parsed.complete()) {
        require(parsed.badLine >= 1 && parsed.badLine <= SettingsRecord::kNumberCount &&
                    parsed.numbers.size() == static_cast<size_t>(*parsed.badLine - 1),
                "reading stops at the bad number's line with the numbers before it");
        return std::nullopt;
    }
    require(parsed.numbers.size() == SettingsRecord::kNumberCount,
            "a complete read has every number");
    SettingsRecord record;
    std::copy(parsed.numbers.begin(), parsed.numbers.end(), record.numbers.begin());
    record.texts = parsed.texts;
    return record;
}

// Numbers from the first bytes, then each text as a length byte followed by
// that many UTF-16 code units.
SettingsRecord recordFromBytes(const uint8_t* data, size_t size) {
    SettingsRecord record;
    size_t at = 0;
    for (int32_t& number : record.numbers) {
        if (size - at >= sizeof number) {
            std::memcpy(&number, data + at, sizeof number);
            at += sizeof number;
        }
    }
    for (QString& text : record.texts) {
        if (at == size) {
            break;
        }
        const size_t wanted = data[at++];
        const size_t units = std::min(wanted, (size - at) / 2);
        for (size_t i = 0; i < units; ++i, at += 2) {
            text += QChar(static_cast<char16_t>(data[at] | (data[at + 1] << 8)));
        }
    }
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (const std::optional<SettingsRecord> record = recordFromFile(fuzzing::bytesOf(data, size))) {
        requireRoundTrip(*record);
    }
    requireRoundTrip(recordFromBytes(data, size));
    return 0;
}
