#include "model/AddedOptions.h"

#include "imaging/FileCommit.h"
#include "imaging/RegularFile.h"
#include "model/SplitOptions.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace model {

namespace {

// Far larger than any file the program writes; a larger one is not read.
constexpr qint64 kLargestFile = 64 * 1024;

std::optional<bool> switchValue(const QByteArray& value) {
    if (value == "1")
        return true;
    if (value == "0")
        return false;
    return std::nullopt;
}

}  // namespace

AddedOptions parseAddedOptions(const QByteArray& bytes) {
    AddedOptions options;
    for (const QByteArray& line : bytes.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray name = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (name == "lossless") {
            options.lossless = switchValue(value).value_or(options.lossless);
        } else if (name == "deskew") {
            options.deskew = switchValue(value).value_or(options.deskew);
        } else if (name == "deskewCap") {
            bool number = false;
            const int cap = value.toInt(&number);
            if (number && cap >= 1 && cap <= split::kLargestDeskewCap)
                options.deskewCap = cap;
        } else if (name == "cut") {
            if (value == "centre" || value == "gutter")
                options.cutAtGutter = value == "gutter";
        }
    }
    return options;
}

QByteArray formatAddedOptions(const AddedOptions& options) {
    const auto line = [](const char* name, const QByteArray& value) {
        return QByteArray(name) + '=' + value + '\n';
    };
    const auto onOff = [](bool on) { return QByteArray(on ? "1" : "0"); };
    return line("lossless", onOff(options.lossless)) + line("deskew", onOff(options.deskew)) +
           line("deskewCap", QByteArray::number(options.deskewCap)) +
           line("cut", options.cutAtGutter ? "gutter" : "centre");
}

AddedOptionsReading readAddedOptions(const QString& path) {
    AddedOptionsReading reading;
    const QFileInfo entry(path);
    if (!entry.exists() && !entry.isSymLink())
        return reading;
    core::Expected<imaging::RegularFile> opened = imaging::RegularFile::open(path);
    if (!opened || opened->size() > kLargestFile) {
        reading.found = AddedOptionsFound::Unreadable;
        reading.reason = opened ? QCoreApplication::translate("settings", "The file is too large")
                                : opened.error().message;
        return reading;
    }
    imaging::RegularFile& file = opened.value();
    QByteArray bytes(file.size(), Qt::Uninitialized);
    const qint64 read = file.read(bytes.data(), bytes.size());
    bytes.truncate(std::max<qint64>(read, 0));
    reading.found = AddedOptionsFound::Read;
    reading.options = parseAddedOptions(bytes);
    return reading;
}

core::Status saveAddedOptions(const QString& path, const AddedOptions& options,
                              AddedOptionsFound foundAtStart) {
    const bool write = foundAtStart == AddedOptionsFound::Read ||
                       (foundAtStart == AddedOptionsFound::Nothing && options != AddedOptions{});
    if (!write)
        return core::success();
    return imaging::commitFile(path, formatAddedOptions(options));
}

}  // namespace model
