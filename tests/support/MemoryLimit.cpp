#include "tests/support/MemoryLimit.h"

#include "imaging/PictureIo.h"
#include "tests/support/TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <fstream>
#include <string>

namespace testing_support {
namespace {

// Bytes the process maps now, from the kernel's own account.
qint64 mappedBytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmSize:") {
            qint64 kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

}  // namespace

bool canCapAddressSpace() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || \
    __has_feature(memory_sanitizer)
    return false;
#else
    return true;
#endif
#else
    return true;
#endif
}

bool capAddressSpace(qint64 headroom) {
    const qint64 mapped = mappedBytes();
    if (!canCapAddressSpace() || mapped < 0) {
        return false;
    }
    const rlimit cap{static_cast<rlim_t>(mapped + headroom),
                     static_cast<rlim_t>(mapped + headroom)};
    return setrlimit(RLIMIT_AS, &cap) == 0;
}

void writeSparseBmp(const QString& path, int width, int height) {
    // The header of a 1 x 1 picture, given the size wanted; the rows are
    // padded to 4 bytes.
    QByteArray header = imaging::encodeBmp(patternImage(1, 1)).value().left(54);
    const qint64 pixelBytes = (qint64{width} * 3 + 3) / 4 * 4 * height;
    const auto put = [&header](int at, quint32 value) {
        for (int i = 0; i < 4; ++i) {
            header[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
        }
    };
    put(2, static_cast<quint32>(54 + pixelBytes));
    put(18, static_cast<quint32>(width));
    put(22, static_cast<quint32>(height));
    put(34, static_cast<quint32>(pixelBytes));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(header), header.size());
    ASSERT_TRUE(file.resize(54 + pixelBytes));
}

}  // namespace testing_support
