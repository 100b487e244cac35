#pragma once

#include <QImage>

#include <memory>

namespace imaging {

// Pixel memory a thread keeps from one picture to the next, so that a long
// run of large pictures touches fresh memory (and pays the kernel's page
// faults for it) once instead of for every picture. It grows to the
// largest picture asked of it and never shrinks; it is freed with the
// buffer.
class PixelBuffer {
public:
    // A width x height RGB888 picture whose pixels live in this buffer, rows
    // padded to four bytes as QImage pads them. The pixels are whatever the
    // buffer held before (the last picture's, or nothing meaningful): the
    // caller writes every one. The picture, and every copy or view of it,
    // is valid only until the next call or the buffer's end, so it must
    // not leave the code that owns the buffer. Null when the size is not
    // positive or memory runs out (the buffer is then empty); nothing is
    // thrown. The size must be within the picture limits of PictureIo.h.
    QImage picture(int width, int height);

    // Whether `bytes` points into this buffer's memory.
    bool holds(const uchar* bytes) const;

    qsizetype capacity() const { return capacity_; }

private:
    struct FreePixels {
        void operator()(uchar* bytes) const;
    };
    std::unique_ptr<uchar, FreePixels> bytes_;
    qsizetype capacity_ = 0;
};

}  // namespace imaging
