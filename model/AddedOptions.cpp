#include "model/AddedOptions.h"

#include "imaging/FileCommit.h"
#include "imaging/RegularFile.h"

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
        }
    }
    return options;
}

QByteArray formatAddedOptions(const AddedOptions& options) {
    return QByteArray("lossless=") + (options.lossless ? "1" : "0") + '\n';
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
