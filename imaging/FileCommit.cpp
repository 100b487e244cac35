#include "imaging/FileCommit.h"

#include "imaging/FileNames.h"
#include "imaging/ImagingErrors.h"
#include "imaging/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

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

core::Error writeFailure(const QString& path) {
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
        return errors::folderMissing();
    }
    return errors::writeFailed();
}

core::Error diskFull() {
    return errors::diskFull();
}

core::Error failureFromErrno(const QString& path, int error) {
    return error == ENOSPC || error == EDQUOT ? diskFull() : writeFailure(path);
}

// A name for a temporary file beside the target: hidden, and unlikely to
// meet another; taken only when free (O_EXCL, link and rename checks).
QByteArray temporaryName(const QString& path) {
    const QFileInfo target(path);
    const QString name =
        QStringLiteral(".%1.%2.tmp")
            .arg(target.fileName())
            .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
    return QFile::encodeName(joinPath(target.absolutePath(), name));
}

// The new contents of a file, written into a file of the target's folder
// that has no name yet (O_TMPFILE; a hidden temporary name where the file
// system cannot do that) and renamed over the target once complete and on
// the disk. The rename replaces whatever has the target's name, a
// symbolic link included, as a name: nothing is ever written through a
// link, so an output lands at its own name and nowhere else. Until then
// the target stays as it was; without a commit nothing is left behind.
// An existing regular file's permissions carry over to the new one.
class Replacement {
public:
    explicit Replacement(const QString& path) : path_(path), target_(QFile::encodeName(path)) {}
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;
    ~Replacement() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
        if (!temporary_.isEmpty()) {
            ::unlink(temporary_.constData());
        }
    }

    core::Status open() {
        const QByteArray folder = QFile::encodeName(QFileInfo(path_).absolutePath());
        descriptor_ = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (descriptor_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
            openNamed();
        }
        if (descriptor_ < 0) {
            return failureFromErrno(path_, errno);
        }
        struct stat existing {};
        if (::lstat(target_.constData(), &existing) == 0 && S_ISREG(existing.st_mode)) {
            ::fchmod(descriptor_, existing.st_mode & 07777);
        }
        return core::success();
    }

    core::Status write(const char* data, qint64 length) {
        while (length > 0) {
            const ssize_t written = ::write(descriptor_, data, static_cast<size_t>(length));
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return failureFromErrno(path_, written < 0 ? errno : ENOSPC);
            }
            data += written;
            length -= written;
        }
        return core::success();
    }

    // Puts the data on the disk before the rename: some file systems
    // report a full disk or an I/O error only here. A file system that
    // cannot sync is no failure.
    core::Status commit() {
        if (::fdatasync(descriptor_) != 0 && errno != EINVAL && errno != EROFS) {
            return failureFromErrno(path_, errno);
        }
        if (temporary_.isEmpty() && !giveName()) {
            return failureFromErrno(path_, errno);
        }
        ::close(std::exchange(descriptor_, -1));
        if (std::rename(temporary_.constData(), target_.constData()) != 0) {
            return failureFromErrno(path_, errno);
        }
        temporary_.clear();
        return core::success();
    }

private:
    void openNamed() {
        for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
            temporary_ = temporaryName(path_);
            descriptor_ =
                ::open(temporary_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descriptor_ < 0 && errno != EEXIST) {
                break;
            }
        }
        if (descriptor_ < 0) {
            temporary_.clear();
        }
    }

    // Links the unnamed file into the folder under a temporary name, from
    // which it is renamed.
    bool giveName() {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(descriptor_);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = temporaryName(path_);
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(),
                         AT_SYMLINK_FOLLOW) == 0 ||
                ::linkat(descriptor_, "", AT_FDCWD, name.constData(), AT_EMPTY_PATH) == 0) {
                temporary_ = name;
                return true;
            }
            if (errno != EEXIST) {
                return false;
            }
        }
        return false;
    }

    const QString path_;
    const QByteArray target_;
    int descriptor_ = -1;
    // The temporary name while the file has one.
    QByteArray temporary_;
};

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
    Replacement file(path);
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
    Replacement output(target);
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
