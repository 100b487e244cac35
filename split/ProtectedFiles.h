#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <set>
#include <utility>

namespace split {

// The source files of the open catalogue, which no output may replace.
// Built once per batch from the source paths; a target is protected when
// its cleaned absolute path or its canonical path (links resolved) equals
// that of a source, or when it is the same file as a source (same device
// and inode: hard links, case-insensitive mounts). Read-only after
// construction, so it may be shared between threads.
class ProtectedFiles {
public:
    ProtectedFiles() = default;
    explicit ProtectedFiles(const QStringList& sourcePaths);

    bool protects(const QString& path) const;
    bool isEmpty() const { return paths_.isEmpty(); }

private:
    using FileId = std::pair<std::uint64_t, std::uint64_t>;  // device, inode

    QSet<QString> paths_;
    std::set<FileId> files_;
};

}  // namespace split
