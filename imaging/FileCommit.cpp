#include "imaging/FileCommit.h"

#include "imaging/FileNames.h"
#include "imaging/ImagingErrors.h"
#include "imaging/RegularFile.h"
#include "imaging/ReplacementFile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace imaging {
namespace {

core::Error missingFile() {
    return errors::fileMissing();
}

bool sameFolder(const QString& a, const QString& b) {
    return QFileInfo(a).absolutePath() == QFileInfo(b).absolutePath();
}

// After renameat2 cannot say "no replace": a hard link fails on an existing
// name just as atomically. Only where the file system has no hard links
// either is the check made apart from the rename.
core::Status linkThenUnlink(const QByteArray& from, const QByteArray& to) {
    if (::link(from.constData(), to.constData()) == 0) {
        if (::unlink(from.constData()) != 0) {
            ::unlink(to.constData());  // leave things as they were
            return errors::cannotRename();
        }
        return core::success();
    }
    if (errno == EEXIST) {
        return errors::nameTaken();
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) {
        return errors::cannotRename();
    }
    struct stat info;
    if (::lstat(to.constData(), &info) == 0) {
        return errors::nameTaken();
    }
    if (std::rename(from.constData(), to.constData()) != 0) {
        return errors::cannotRename();
    }
    return core::success();
}

}  // namespace

core::Status commitFile(const QString& path, const QByteArray& bytes) {
    ReplacementFile file(path);
    if (const core::Status opened = file.open(); !opened) {
        return opened;
    }
    if (const core::Status written = file.write(bytes.constData(), bytes.size()); !written) {
        return written;
    }
    return file.commit();
}

core::Status copyFileReplacing(const QString& source, const QString& target) {
    auto input = RegularFile::open(source);
    if (!input) {
        return input.error();
    }
    if (isSameFile(source, target)) {
        return errors::copyOntoItself();
    }
    ReplacementFile output(target);
    if (const core::Status opened = output.open(); !opened) {
        return opened;
    }
    constexpr qint64 kChunk = 1 << 20;
    QByteArray chunk(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 read = input.value().read(chunk.data(), kChunk);
        if (read < 0) {
            return errors::cannotRead();
        }
        if (read == 0) {
            break;
        }
        if (const core::Status written = output.write(chunk.constData(), read); !written) {
            return written;
        }
    }
    return output.commit();
}

core::Status renameNoReplace(const QString& from, const QString& to) {
    const QByteArray fromName = QFile::encodeName(from);
    const QByteArray toName = QFile::encodeName(to);
    struct stat info;
    if (::lstat(fromName.constData(), &info) != 0) {
        return missingFile();
    }
    // On a case-insensitive file system "a.jpg" and "A.jpg" are one file;
    // changing only the case is a plain rename of it.
    if (from != to && sameFolder(from, to) &&
        QFileInfo(from).fileName().compare(QFileInfo(to).fileName(), Qt::CaseInsensitive) == 0 &&
        isSameFile(from, to)) {
        if (std::rename(fromName.constData(), toName.constData()) != 0) {
            return errors::cannotRename();
        }
        return core::success();
    }
    if (::renameat2(AT_FDCWD, fromName.constData(), AT_FDCWD, toName.constData(),
                    RENAME_NOREPLACE) == 0) {
        return core::success();
    }
    switch (errno) {
        case EEXIST:
            return errors::nameTaken();
        case EINVAL:
        case ENOSYS:
        case EOPNOTSUPP:
            return linkThenUnlink(fromName, toName);
        default:
            return errors::cannotRename();
    }
}

bool isSameFile(const QString& a, const QString& b) {
    struct stat first;
    struct stat second;
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace imaging
