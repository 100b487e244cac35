#include "trimming/ViewRenderer.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace trimming {

namespace {

// Averages blocks of factor x factor pixels of an RGB888 picture into a new
// RGB32 image of ceil(W / factor) x ceil(H / factor); blocks at the right and
// bottom edges average the pixels they have. One pass over the source and
// no full-size intermediate copy, which is what makes large scans quick.
QImage boxReduce(const QImage& picture, int factor) {
    const int width = picture.width();
    const int height = picture.height();
    const int outWidth = (width + factor - 1) / factor;
    const int outHeight = (height + factor - 1) / factor;
    QImage reduced(outWidth, outHeight, QImage::Format_RGB32);
    if (reduced.isNull()) {
        return reduced;
    }
    std::vector<uint32_t> sums(static_cast<size_t>(outWidth) * 3);
    for (int outY = 0; outY < outHeight; ++outY) {
        std::fill(sums.begin(), sums.end(), 0u);
        const int firstRow = outY * factor;
        const int rows = std::min(factor, height - firstRow);
        for (int y = firstRow; y < firstRow + rows; ++y) {
            const uchar* source = picture.constScanLine(y);
            for (int x = 0; x < width; ++x) {
                uint32_t* sum = &sums[static_cast<size_t>(x / factor) * 3];
                sum[0] += source[3 * x];
                sum[1] += source[3 * x + 1];
                sum[2] += source[3 * x + 2];
            }
        }
        auto* target = reinterpret_cast<QRgb*>(reduced.scanLine(outY));
        for (int outX = 0; outX < outWidth; ++outX) {
            const uint32_t columns = static_cast<uint32_t>(std::min(factor, width - outX * factor));
            const uint32_t count = columns * static_cast<uint32_t>(rows);
            const uint32_t* sum = &sums[static_cast<size_t>(outX) * 3];
            target[outX] = qRgb(static_cast<int>((sum[0] + count / 2) / count),
                                static_cast<int>((sum[1] + count / 2) / count),
                                static_cast<int>((sum[2] + count / 2) / count));
        }
    }
    return reduced;
}

// The picture resized to width x height with area averaging. Large
// reductions first average whole blocks (the bulk of the work, cheap), then
// Qt's smooth scale, itself area averaging when shrinking, makes the exact
// size from a picture at most twice as large.
QImage smoothResize(const QImage& picture, int width, int height) {
    const int factor = std::min(picture.width() / width, picture.height() / height);
    QImage source = picture;
    // Sums of up to factor^2 bytes fit in 32 bits for any factor below 4096.
    if (factor >= 2 && factor < 4096) {
        if (source.format() != QImage::Format_RGB888) {
            source = source.convertToFormat(QImage::Format_RGB888);
        }
        source = boxReduce(source, factor);
        if (source.isNull()) {
            return source;
        }
    }
    return source.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QImage renderView(const QImage& picture, int viewWidth, int viewHeight, const ViewFit& fit) {
    if (viewWidth <= 0 || viewHeight <= 0) {
        return {};
    }
    QImage view(viewWidth, viewHeight, QImage::Format_RGB32);
    if (view.isNull()) {
        return view;
    }
    view.fill(Qt::black);
    if (picture.isNull() || fit.width <= 0 || fit.height <= 0) {
        return view;
    }
    QPainter painter(&view);
    if (!fit.scaled) {
        painter.drawImage(fit.left, fit.top, picture);
        return view;
    }
    painter.drawImage(fit.left, fit.top, smoothResize(picture, fit.width, fit.height));
    return view;
}

}  // namespace trimming
