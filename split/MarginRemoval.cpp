#include "split/MarginRemoval.h"

#include "split/SharedCrop.h"

#include <algorithm>

namespace split {

namespace {

using imaging::PixelRect;

// Decides content on the byte sum r + g + b instead of the grey level:
// floor(sum / 3) < bg - T  <=>  sum < 3 * (bg - T), and
// floor(sum / 3) > bg + T  <=>  sum >= 3 * (bg + T + 1).
// So the test needs no division and no table.
class ContentTest {
public:
    ContentTest(int background, int threshold)
        : below_(3 * (background - threshold)),
          above_(3 * (background + threshold + 1)),
          lowByte_(static_cast<uchar>(std::clamp(background - threshold, 0, 255))),
          byteSpan_(static_cast<uchar>(std::clamp(background + threshold, 0, 255) - lowByte_)) {}

    bool operator()(const uchar* pixel) const {
        const int sum = pixel[0] + pixel[1] + pixel[2];
        return sum < below_ || sum >= above_;
    }

    // True when no byte sum at all counts as content.
    bool nothingIsContent() const { return below_ <= 0 && above_ > 3 * 255; }

    // True when every byte of the block lies within bg - T .. bg + T, which
    // makes every pixel of it margin. A plain byte loop the compiler turns
    // into vector code; it lets margins be skipped a block at a time.
    bool surelyMargin(const uchar* bytes) const {
        uchar outside = 0;
        for (int i = 0; i < kBlockBytes; ++i) {
            outside |= static_cast<uchar>(static_cast<uchar>(bytes[i] - lowByte_) > byteSpan_);
        }
        return outside == 0;
    }

    static constexpr int kBlockPixels = 16;
    static constexpr int kBlockBytes = 3 * kBlockPixels;

private:
    int below_;
    int above_;
    uchar lowByte_;
    uchar byteSpan_;
};

// The first x in [from, to) whose pixel is content, or -1.
int firstContent(const uchar* row, int from, int to, const ContentTest& isContent) {
    int x = from;
    for (; x + ContentTest::kBlockPixels <= to; x += ContentTest::kBlockPixels) {
        if (!isContent.surelyMargin(row + 3 * x)) {
            break;
        }
    }
    for (; x < to; ++x) {
        if (isContent(row + 3 * x)) {
            return x;
        }
    }
    return -1;
}

// The last x in [from, to) whose pixel is content, or -1.
int lastContent(const uchar* row, int from, int to, const ContentTest& isContent) {
    int end = to;
    for (; end - ContentTest::kBlockPixels >= from; end -= ContentTest::kBlockPixels) {
        if (!isContent.surelyMargin(row + 3 * (end - ContentTest::kBlockPixels))) {
            break;
        }
    }
    for (int x = end - 1; x >= from; --x) {
        if (isContent(row + 3 * x)) {
            return x;
        }
    }
    return -1;
}

PixelRect widenAndClamp(PixelRect box, int keep, int width, int height) {
    const int k = std::max(keep, 0);
    box.left = std::max(box.left - k, 0);
    box.top = std::max(box.top - k, 0);
    box.right = std::min(box.right + k, width);
    box.bottom = std::min(box.bottom + k, height);
    return box;
}

// The bounding box of the content pixels, or the whole image when
// there are none. Reads the rows above the first and below the last content
// row whole, and of the rows between only the parts outside the box found
// so far.
PixelRect contentBox(const QImage& rgb, int threshold) {
    const int width = rgb.width();
    const int height = rgb.height();
    const PixelRect whole{0, 0, width, height};
    if (threshold < 0) {
        return whole;  // every pixel differs from the background by more than T
    }
    const uchar* corner = rgb.constScanLine(0);
    const int background = (corner[0] + corner[1] + corner[2]) / 3;
    const ContentTest isContent(background, std::min(threshold, 256));
    if (isContent.nothingIsContent()) {
        return whole;
    }

    PixelRect box;
    int y = 0;
    for (; y < height; ++y) {
        const int x = firstContent(rgb.constScanLine(y), 0, width, isContent);
        if (x >= 0) {
            box = PixelRect{x, y, x + 1, y + 1};
            break;
        }
    }
    if (y == height) {
        return whole;  // all background: the crop stays the whole image
    }
    for (int bottomRow = height - 1; bottomRow >= box.top; --bottomRow) {
        const int x = lastContent(rgb.constScanLine(bottomRow), 0, width, isContent);
        if (x >= 0) {
            box.bottom = bottomRow + 1;
            box.right = std::max(box.right, x + 1);
            break;
        }
    }
    for (int row = box.top; row < box.bottom; ++row) {
        if (box.left == 0 && box.right == width) {
            break;
        }
        const uchar* line = rgb.constScanLine(row);
        const int left = firstContent(line, 0, box.left, isContent);
        if (left >= 0) {
            box.left = left;
        }
        const int right = lastContent(line, box.right, width, isContent);
        if (right >= 0) {
            box.right = right + 1;
        }
    }
    return box;
}

}  // namespace

PixelRect marginBox(const QImage& picture, int threshold, int keep) {
    if (picture.isNull() || picture.width() < 1 || picture.height() < 1) {
        return PixelRect{};
    }
    const QImage rgb = picture.format() == QImage::Format_RGB888
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        return PixelRect{0, 0, picture.width(), picture.height()};
    }
    return widenAndClamp(contentBox(rgb, threshold), keep, rgb.width(), rgb.height());
}

QImage removeMargins(const QImage& picture, int threshold, int keep) {
    if (picture.isNull()) {
        return picture;
    }
    const QImage rgb = picture.format() == QImage::Format_RGB888
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        return rgb;
    }
    return sharedCrop(rgb, marginBox(rgb, threshold, keep));
}

}  // namespace split
