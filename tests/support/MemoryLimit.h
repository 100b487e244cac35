#pragma once

#include <QByteArray>
#include <QString>

namespace testing_support {

// Whether capAddressSpace() can work in this build: not under a sanitizer,
// which reserves the address space for itself.
bool canCapAddressSpace();

// For tests of running out of memory, in a child process of its own (a
// death test): caps the process's address space at what it maps now plus
// `headroom` bytes, so that a larger allocation fails as it does on a
// machine whose memory is used up. False when the cap cannot be set.
bool capAddressSpace(qint64 headroom);

// Writes a 24-bit BMP of `width` x `height` whose pixel data are a hole in
// the file: as long as a real scan of that size, made at once and taking
// no room on the disk.
void writeSparseBmp(const QString& path, int width, int height);

}  // namespace testing_support
