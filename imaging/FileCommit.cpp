#include "imaging/FileCommit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

namespace imaging {
namespace {

ImageError missingFile() {
    return ImageError{QStringLiteral("ファイルが見当たりません")};
}

ImageError writeFailure(const QString& path) {
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
        return ImageError{QStringLiteral("保存先のフォルダが見当たりません")};
    }
    return ImageError{QStringLiteral("ファイルを書き込めません")};
}

ImageError diskFull() {
    return ImageError{QStringLiteral("保存先の空き容量が足りません")};
}

// Removes the temporary file and says why the write failed.
ImageError abandon(QSaveFile& file, const QString& path, bool noSpace) {
    file.cancelWriting();
    return noSpace ? diskFull() : writeFailure(path);
}

// A QSaveFile writes into a temporary file beside the target and renames it
// over the target on commit; without a commit it removes the temporary.
// Writing straight into the target when no temporary can be made would
// defeat that, so that fallback stays off. Qt would keep up to 16 KB in its
// own buffer and write it out in commit() without looking at the result,
// renaming a short or empty file over the target when the disk is full:
// unbuffered, every write reports its own failure.
bool openSaveFile(QSaveFile& file) {
    file.setDirectWriteFallback(false);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

// A short write is followed by another, so that the one that fails tells
// why (Qt names a full disk a resource error).
Status writeAll(QSaveFile& file, const QString& path, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 written = file.write(data, left);
        if (written <= 0) {
            return abandon(file, path, file.error() == QFileDevice::ResourceError);
        }
        data += written;
        left -= written;
    }
    return success();
}

// Puts the data on the disk before the rename: some file systems report a
// full disk or an I/O error only here, and Qt's commit() ignores what its
// own sync says. A file system that cannot sync is no failure.
Status syncThenCommit(QSaveFile& file, const QString& path) {
    if (::fdatasync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        return abandon(file, path, errno == ENOSPC || errno == EDQUOT);
    }
    if (!file.commit()) {
        return writeFailure(path);
    }
    return success();
}

bool sameFolder(const QString& a, const QString& b) {
    return QFileInfo(a).absolutePath() == QFileInfo(b).absolutePath();
}

// After renameat2 cannot say "no replace": a hard link fails on an existing
// name just as atomically. Only where the file system has no hard links
// either is the check made apart from the rename.
Status linkThenUnlink(const QByteArray& from, const QByteArray& to) {
    if (::link(from.constData(), to.constData()) == 0) {
        if (::unlink(from.constData()) != 0) {
            ::unlink(to.constData());  // leave things as they were
            return ImageError{QStringLiteral("名前を変更できません")};
        }
        return success();
    }
    if (errno == EEXIST) {
        return ImageError{QStringLiteral("同名ファイルがあります")};
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) {
        return ImageError{QStringLiteral("名前を変更できません")};
    }
    struct stat info;
    if (::lstat(to.constData(), &info) == 0) {
        return ImageError{QStringLiteral("同名ファイルがあります")};
    }
    if (std::rename(from.constData(), to.constData()) != 0) {
        return ImageError{QStringLiteral("名前を変更できません")};
    }
    return success();
}

}  // namespace

Status commitFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!openSaveFile(file)) {
        return writeFailure(path);
    }
    if (const auto written = writeAll(file, path, bytes); !written) {
        return written;
    }
    return syncThenCommit(file, path);
}

Status copyFileReplacing(const QString& source, const QString& target) {
    QFile input(source);
    if (!QFileInfo(source).isFile()) {
        return missingFile();
    }
    if (isSameFile(source, target)) {
        return ImageError{QStringLiteral("同じファイルにはコピーできません")};
    }
    if (!input.open(QIODevice::ReadOnly)) {
        return ImageError{QStringLiteral("ファイルを開けません")};
    }
    QSaveFile output(target);
    if (!openSaveFile(output)) {
        return writeFailure(target);
    }
    constexpr qint64 kChunk = 1 << 20;
    while (!input.atEnd()) {
        const QByteArray chunk = input.read(kChunk);
        if (input.error() != QFileDevice::NoError) {
            output.cancelWriting();
            return ImageError{QStringLiteral("ファイルを読めません")};
        }
        if (const auto written = writeAll(output, target, chunk); !written) {
            return written;
        }
    }
    return syncThenCommit(output, target);
}

Status renameNoReplace(const QString& from, const QString& to) {
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
            return ImageError{QStringLiteral("名前を変更できません")};
        }
        return success();
    }
    if (::renameat2(AT_FDCWD, fromName.constData(), AT_FDCWD, toName.constData(),
                    RENAME_NOREPLACE) == 0) {
        return success();
    }
    switch (errno) {
        case EEXIST:
            return ImageError{QStringLiteral("同名ファイルがあります")};
        case EINVAL:
        case ENOSYS:
        case EOPNOTSUPP:
            return linkThenUnlink(fromName, toName);
        default:
            return ImageError{QStringLiteral("名前を変更できません")};
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
