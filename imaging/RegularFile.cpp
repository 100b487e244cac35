#include "imaging/RegularFile.h"

#include "imaging/ImagingErrors.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <utility>

namespace imaging {

core::Expected<RegularFile> RegularFile::open(const QString& path) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
    // writer. It is taken off again before the first read.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        switch (errno) {
            case ENOENT:
            case ENOTDIR:
                return errors::fileMissing();
            default:
                return errors::cannotOpen();
        }
    }
    RegularFile file(descriptor, 0);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return errors::cannotOpen();
    }
    if (S_ISDIR(status.st_mode)) {
        return errors::cannotOpen();
    }
    if (!S_ISREG(status.st_mode)) {
        return errors::notRegularFile();
    }
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return errors::cannotOpen();
    }
    file.size_ = status.st_size;
    return file;
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), size_(other.size_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
        descriptor_ = std::exchange(other.descriptor_, -1);
        size_ = other.size_;
    }
    return *this;
}

RegularFile::~RegularFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

qint64 RegularFile::read(char* into, qint64 length) {
    qint64 total = 0;
    while (total < length) {
        const ssize_t count =
            ::read(descriptor_, into + total, static_cast<size_t>(length - total));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return -1;
        }
        if (count == 0) {
            break;
        }
        total += count;
    }
    return total;
}

std::FILE* RegularFile::releaseAsStream() && {
    const int descriptor = std::exchange(descriptor_, -1);
    std::FILE* stream = ::fdopen(descriptor, "rb");
    if (stream == nullptr) {
        ::close(descriptor);
    }
    return stream;
}

}  // namespace imaging
