#pragma once

#include "core/Error.h"

#include <QString>

#include <cstdio>

namespace imaging {

// A file opened for reading, and only when it is a regular file (a link to
// one counts). A FIFO, socket or device named like a picture would block
// the first read, or never end: the name is opened without waiting and the
// kind of what was opened is checked before anything is read, so the
// check and the read concern the same file even when the name is swapped
// meanwhile. Closed when the object goes.
class RegularFile {
public:
    // The errors are for the user: "ファイルが見当たりません" (nothing at the
    // name, or a link that leads nowhere), "通常のファイルではありません"
    // (a FIFO, socket or device), "ファイルを開けません" (a folder, no
    // permission and the rest).
    static core::Expected<RegularFile> open(const QString& path);

    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    ~RegularFile();

    int handle() const { return descriptor_; }
    // The length when it was opened.
    qint64 size() const { return size_; }

    // Reads up to `length` bytes at the current position, again after an
    // interruption; the count read (short only at the end), or -1.
    qint64 read(char* into, qint64 length);

    // The file as a stdio stream, which then owns it; null when stdio
    // cannot take it (the file is closed then too).
    std::FILE* releaseAsStream() &&;

private:
    RegularFile(int descriptor, qint64 size) : descriptor_(descriptor), size_(size) {}

    int descriptor_ = -1;
    qint64 size_ = 0;
};

}  // namespace imaging
