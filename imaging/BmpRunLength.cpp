#include "imaging/BmpRunLength.h"

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>

namespace imaging::detail {
namespace {

// Bytes of a device in order, read a block at a time.
class ByteCursor {
public:
    explicit ByteCursor(QIODevice& device) : device_(device) {}

    // The next byte, or nothing at the end of the data.
    std::optional<uchar> next() {
        if (at_ == end_ && !refill()) {
            return std::nullopt;
        }
        return static_cast<uchar>(block_[static_cast<size_t>(at_++)]);
    }

    // Passes over `count` bytes, appending them to `into` when given;
    // false when the data end first.
    bool skip(int count, QByteArray* into = nullptr) {
        while (count > 0) {
            if (at_ == end_ && !refill()) {
                return false;
            }
            const int step = std::min(count, end_ - at_);
            if (into != nullptr) {
                into->append(block_.data() + at_, step);
            }
            at_ += step;
            count -= step;
        }
        return true;
    }

private:
    bool refill() {
        const qint64 got = device_.read(block_.data(), static_cast<qint64>(block_.size()));
        if (got <= 0) {
            return false;
        }
        at_ = 0;
        end_ = static_cast<int>(got);
        return true;
    }

    QIODevice& device_;
    std::array<char, 16 * 1024> block_{};
    int at_ = 0;
    int end_ = 0;
};

constexpr uchar kEndOfLine = 0;
constexpr uchar kEndOfBitmap = 1;
constexpr uchar kDelta = 2;

// The pixels a row may be coded with: its width, padded as an
// uncompressed row of that depth is, to whole 32-bit words.
qint64 paddedWidth(qint64 width, bool fourBits) {
    const qint64 pixelsPerWord = fourBits ? 8 : 4;
    return (width + pixelsPerWord - 1) / pixelsPerWord * pixelsPerWord;
}

// Writes the clipped stream: each token as it stands, or with the pixels
// past the row's width left out.
class ClippedStream {
public:
    ClippedStream(QByteArray* out, bool fourBits) : out_(out), fourBits_(fourBits) {}

    void escape(uchar code) { put({0, static_cast<char>(code)}); }
    // A run of `count` pixels of which `kept` lie inside the row.
    void run(int count, uchar colour, int kept) {
        if (kept > 0) {
            put({static_cast<char>(std::min(count, kept)), static_cast<char>(colour)});
        }
    }
    // Stored pixels whose bytes are `data`, of which `kept` lie inside the
    // row. Fewer than three cannot be stored (0 to 2 are escapes): those
    // become runs of one.
    void stored(const QByteArray& data, int kept) {
        if (out_ == nullptr || kept <= 0) {
            return;
        }
        if (kept < 3) {
            for (int pixel = 0; pixel < kept; ++pixel) {
                const uchar byte = static_cast<uchar>(data[fourBits_ ? pixel / 2 : pixel]);
                const uchar value = fourBits_ ? ((pixel % 2 == 0 ? byte >> 4 : byte) & 0x0f) : byte;
                put({1, static_cast<char>(fourBits_ ? value << 4 : value)});
            }
            return;
        }
        const int bytes = fourBits_ ? (kept + 1) / 2 : kept;
        put({0, static_cast<char>(kept)});
        out_->append(data.constData(), bytes);
        if (bytes % 2 != 0) {
            out_->append('\0');
        }
    }

private:
    void put(std::initializer_list<char> bytes) {
        if (out_ != nullptr) {
            out_->append(bytes.begin(), static_cast<qsizetype>(bytes.size()));
        }
    }

    QByteArray* out_;
    bool fourBits_;
};

}  // namespace

RunLengthVerdict walkRunLengthStream(QIODevice& stream, const BmpHeader& header,
                                     QByteArray* clipped) {
    const bool fourBits = header.compression == kBiRle4;
    const qint64 width = header.width;
    const qint64 height = header.height;
    const qint64 codedWidth = paddedWidth(width, fourBits);
    ByteCursor bytes(stream);
    ClippedStream out(clipped, fourBits);
    qint64 x = 0;  // pixels coded in the current row
    qint64 y = 0;  // rows completed, the first stored one first
    bool endMarker = false;
    bool padded = false;
    QByteArray data;
    while (y < height && !endMarker) {
        const std::optional<uchar> count = bytes.next();
        if (!count) {
            break;
        }
        if (*count != 0) {
            // A run: `count` pixels of one colour (of two alternating for RLE4).
            if (x + *count > codedWidth) {
                return RunLengthVerdict::Damaged;
            }
            const std::optional<uchar> colour = bytes.next();
            if (!colour) {
                return RunLengthVerdict::CutOff;
            }
            out.run(*count, *colour, static_cast<int>(width - x));
            padded = padded || x + *count > width;
            x += *count;
            continue;
        }
        const std::optional<uchar> escape = bytes.next();
        if (!escape) {
            break;
        }
        switch (*escape) {
            case kEndOfLine:
                if (x < width) {
                    return RunLengthVerdict::Damaged;
                }
                out.escape(kEndOfLine);
                x = 0;
                ++y;
                break;
            case kEndOfBitmap:
                out.escape(kEndOfBitmap);
                endMarker = true;
                break;
            case kDelta:
                return RunLengthVerdict::Damaged;
            default: {
                // Absolute mode: `escape` pixels stored one by one (two a
                // byte for RLE4), padded to a whole number of 16-bit words.
                const int pixels = *escape;
                if (x + pixels > codedWidth) {
                    return RunLengthVerdict::Damaged;
                }
                const int dataBytes = fourBits ? (pixels + 1) / 2 : pixels;
                data.clear();
                if (!bytes.skip(dataBytes, clipped != nullptr ? &data : nullptr)) {
                    return RunLengthVerdict::CutOff;
                }
                // The padding byte: its absence shows only if more should follow.
                (void)bytes.skip(dataBytes % 2);
                out.stored(data, static_cast<int>(std::min<qint64>(pixels, width - x)));
                padded = padded || x + pixels > width;
                x += pixels;
                break;
            }
        }
    }
    const bool everyPixel = y == height || (y == height - 1 && x >= width);
    if (everyPixel) {
        return padded ? RunLengthVerdict::Padded : RunLengthVerdict::Complete;
    }
    return endMarker ? RunLengthVerdict::Damaged : RunLengthVerdict::CutOff;
}

}  // namespace imaging::detail
