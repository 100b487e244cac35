#include "imaging/ReplacementFile.h"

#include "imaging/FileNames.h"
#include "imaging/ImagingErrors.h"

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

// Once this much has been written since the last writeback began, the
// next one begins.
constexpr qint64 kWritebackStep = 8 << 20;

core::Error writeFailure(const QString& path) {
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
        return errors::folderMissing();
    }
    return errors::writeFailed();
}

core::Error failureFromErrno(const QString& path, int error) {
    return error == ENOSPC || error == EDQUOT ? errors::diskFull() : writeFailure(path);
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

// Gives the file at `descriptor` the permissions of a regular file at
// `target`, so that replacing it keeps them.
void takePermissionsOf(int descriptor, const QByteArray& target) {
    struct stat existing {};
    if (::lstat(target.constData(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(descriptor, existing.st_mode & 07777);
    }
}

// Some file systems report a full disk or an I/O error only at the sync.
// A file system that cannot sync is no failure.
bool synced(int descriptor) {
    return ::fdatasync(descriptor) == 0 || errno == EINVAL || errno == EROFS;
}

}  // namespace

ReplacementFile::ReplacementFile(const QString& path)
    : path_(path), target_(QFile::encodeName(path)) {}

ReplacementFile::~ReplacementFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    if (!temporary_.isEmpty()) {
        ::unlink(temporary_.constData());
    }
}

core::Status ReplacementFile::open() {
    const QByteArray folder = QFile::encodeName(QFileInfo(path_).absolutePath());
    descriptor_ = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (descriptor_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        openNamed();
    }
    if (descriptor_ < 0) {
        return failureFromErrno(path_, errno);
    }
    takePermissionsOf(descriptor_, target_);
    return core::success();
}

core::Status ReplacementFile::write(const char* data, qint64 length) {
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
        written_ += written;
    }
    if (written_ - writebackStart_ >= kWritebackStep) {
        startWriteback();
    }
    return core::success();
}

void ReplacementFile::startWriteback() {
    ::sync_file_range(descriptor_, writebackStart_, written_ - writebackStart_,
                      SYNC_FILE_RANGE_WRITE);
    writebackStart_ = written_;
}

core::Status ReplacementFile::commit() {
    if (!synced(descriptor_)) {
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

void ReplacementFile::openNamed() {
    for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
        temporary_ = temporaryName(path_);
        descriptor_ = ::open(temporary_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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
bool ReplacementFile::giveName() {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(descriptor_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = temporaryName(path_);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) ==
                0 ||
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

QString temporaryNameBeside(const QString& target) {
    return QFile::decodeName(temporaryName(target));
}

core::Status replaceWith(const QString& temporary, const QString& target) {
    const QByteArray from = QFile::encodeName(temporary);
    const int descriptor = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    bool done = descriptor >= 0;
    int failure = done ? 0 : errno;
    if (done) {
        takePermissionsOf(descriptor, QFile::encodeName(target));
        done = synced(descriptor);
        failure = done ? 0 : errno;
        ::close(descriptor);
    }
    if (done && std::rename(from.constData(), QFile::encodeName(target).constData()) != 0) {
        done = false;
        failure = errno;
    }
    if (!done) {
        ::unlink(from.constData());
        return failureFromErrno(target, failure);
    }
    return core::success();
}

}  // namespace imaging
