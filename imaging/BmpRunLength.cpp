#include "imaging/BmpRunLength.h"

#include <QIODevice>

#include <algorithm>
#include <array>
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

    // Passes over `count` bytes; false when the data end first.
    bool skip(int count) {
        while (count > 0) {
            if (at_ == end_ && !refill()) {
                return false;
            }
            const int step = std::min(count, end_ - at_);
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

}  // namespace

RunLengthVerdict walkRunLengthStream(QIODevice& stream, const BmpHeader& header) {
    const bool fourBits = header.compression == kBiRle4;
    const qint64 width = header.width;
    const qint64 height = header.height;
    ByteCursor bytes(stream);
    qint64 x = 0;  // pixels written in the current row
    qint64 y = 0;  // rows completed, the first stored one first
    bool endMarker = false;
    while (y < height && !endMarker) {
        const std::optional<uchar> count = bytes.next();
        if (!count) {
            break;
        }
        if (*count != 0) {
            // A run: `count` pixels of one colour (of two alternating for RLE4).
            if (x + *count > width) {
                return RunLengthVerdict::Damaged;
            }
            if (!bytes.next()) {
                return RunLengthVerdict::CutOff;
            }
            x += *count;
            continue;
        }
        const std::optional<uchar> escape = bytes.next();
        if (!escape) {
            break;
        }
        switch (*escape) {
            case kEndOfLine:
                if (x != width) {
                    return RunLengthVerdict::Damaged;
                }
                x = 0;
                ++y;
                break;
            case kEndOfBitmap:
                endMarker = true;
                break;
            case kDelta:
                return RunLengthVerdict::Damaged;
            default: {
                // Absolute mode: `escape` pixels stored one by one (two a
                // byte for RLE4), padded to a whole number of 16-bit words.
                const int pixels = *escape;
                if (x + pixels > width) {
                    return RunLengthVerdict::Damaged;
                }
                const int dataBytes = fourBits ? (pixels + 1) / 2 : pixels;
                if (!bytes.skip(dataBytes)) {
                    return RunLengthVerdict::CutOff;
                }
                // The padding byte: its absence shows only if more should follow.
                (void)bytes.skip(dataBytes % 2);
                x += pixels;
                break;
            }
        }
    }
    const bool everyPixel = y == height || (y == height - 1 && x == width);
    if (everyPixel) {
        return RunLengthVerdict::Complete;
    }
    return endMarker ? RunLengthVerdict::Damaged : RunLengthVerdict::CutOff;
}

}  // namespace imaging::detail
