#pragma once

#include "core/Error.h"

#include <QByteArray>
#include <QString>

namespace imaging {

// File operations that never leave a half-written file behind: the data go
// to a temporary file in the target's folder, are flushed, and the
// temporary file is renamed over the target. On any failure the target
// stays as it was and the temporary file is removed. Messages are for the
// user.
//
// A write lands at its own name and nowhere else: whatever has the
// target's name, a symbolic link included, is replaced as a name, never
// written through. A file is only read when it is a regular file (see
// RegularFile).

// Writes `bytes` to `path`, replacing an existing file.
core::Status commitFile(const QString& path, const QByteArray& bytes);

// Copies `source` to `target`, replacing an existing target. A copy of a
// file onto itself is refused.
core::Status copyFileReplacing(const QString& source, const QString& target);

// Renames `from` to `to` but never replaces an existing `to`, even one that
// appears at the last moment (renameat2 with RENAME_NOREPLACE, falling back
// to link + unlink where the file system lacks it).
core::Status renameNoReplace(const QString& from, const QString& to);

// True when both paths name the same existing file (same device and inode).
bool isSameFile(const QString& a, const QString& b);

}  // namespace imaging
