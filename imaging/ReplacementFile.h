#pragma once

#include "core/Error.h"

#include <QByteArray>
#include <QString>

namespace imaging {

// The new contents of a file, written piece by piece into a file of the
// target's folder that has no name yet (O_TMPFILE; a hidden temporary name
// where the file system cannot do that) and renamed over the target once
// complete and on the disk. The rename replaces whatever has the target's
// name, a symbolic link included, as a name: nothing is ever written
// through a link, so an output lands at its own name and nowhere else.
// Until commit() the target stays as it was; an object that goes without
// a commit leaves nothing behind. An existing regular file's permissions
// carry over to the new one. Messages are for the user.
//
// For outputs too large to hold in memory (a whole book); commitFile()
// writes a file already in memory the same way.
class ReplacementFile {
public:
    explicit ReplacementFile(const QString& path);
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile();

    core::Status open();
    // Appends `length` bytes; a full disk gives its own message.
    core::Status write(const char* data, qint64 length);
    // The bytes written so far.
    qint64 written() const { return written_; }
    // Puts the data on the disk, then renames the file into place.
    core::Status commit();

private:
    void openNamed();
    bool giveName();
    // Asks the kernel to start writing out what has been written, so the
    // disk works while more is written and commit() waits for little.
    void startWriteback();

    const QString path_;
    const QByteArray target_;
    int descriptor_ = -1;
    qint64 written_ = 0;
    qint64 writebackStart_ = 0;
    // The temporary name while the file has one.
    QByteArray temporary_;
};

// The same for a library that writes a file by its name itself (libzip):
// it writes at temporaryNameBeside(target), then replaceWith() puts that
// file on the disk, gives it the permissions of a regular file at the
// target, and renames it over the target as a name. On failure the
// temporary file is removed and the target stays as it was.
QString temporaryNameBeside(const QString& target);
core::Status replaceWith(const QString& temporary, const QString& target);

}  // namespace imaging
