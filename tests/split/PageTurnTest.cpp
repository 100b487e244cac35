#include "split/PageTurn.h"

#include "split/Rotation.h"
#include "tests/split/PixelChecks.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace split {
namespace {

using split_tests::firstDifference;
using testing_support::patternImage;

const QRgb kPaper = qRgb(236, 231, 215);

// Bilinear turn by `degrees` computed plainly in double precision, as the
// header describes it (without the 1/128 steps): the reference the turn is
// held to.
QImage referenceTurn(const QImage& page, double degrees, QRgb background) {
    const double radians = degrees * std::numbers::pi / 180;
    const double cosine = std::cos(radians);
    const double sine = std::sin(radians);
    const double cx = (page.width() - 1) / 2.0;
    const double cy = (page.height() - 1) / 2.0;
    const auto channel = [&](int x, int y, int c) -> double {
        if (x < 0 || y < 0 || x >= page.width() || y >= page.height()) {
            const QRgb rgb = background;
            return c == 0 ? qRed(rgb) : c == 1 ? qGreen(rgb) : qBlue(rgb);
        }
        return page.constScanLine(y)[3 * x + c];
    };
    QImage turned(page.size(), QImage::Format_RGB888);
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const double sx = cx + cosine * (x - cx) + sine * (y - cy);
            const double sy = cy - sine * (x - cx) + cosine * (y - cy);
            const int x0 = static_cast<int>(std::floor(sx));
            const int y0 = static_cast<int>(std::floor(sy));
            const double fx = sx - x0;
            const double fy = sy - y0;
            for (int c = 0; c < 3; ++c) {
                const double top = channel(x0, y0, c) * (1 - fx) + channel(x0 + 1, y0, c) * fx;
                const double bottom =
                    channel(x0, y0 + 1, c) * (1 - fx) + channel(x0 + 1, y0 + 1, c) * fx;
                turned.scanLine(y)[3 * x + c] =
                    static_cast<uchar>(std::lround(top * (1 - fy) + bottom * fy));
            }
        }
    }
    return turned;
}

// The largest difference of one channel between two pictures of one size.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int i = 0; i < 3 * a.width(); ++i) {
            largest = std::max(largest, std::abs(a.constScanLine(y)[i] - b.constScanLine(y)[i]));
        }
    }
    return largest;
}

// Smooth colours with a soft grid, as print and paper are: no neighbours
// further apart than a few levels except across the grid lines.
QImage smoothPage(int width, int height) {
    QImage page(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool line = x % 23 < 2 || y % 17 < 2;
            page.setPixel(x, y, qRgb(40 + x * 180 / width, 30 + y * 200 / height, line ? 60 : 220));
        }
    }
    return page;
}

// A point that falls on a pixel takes it unchanged: no turn at all is the
// page itself, and the quarter and half turns of square pages, whether
// their centre is a pixel (odd sides) or a pixel corner (even sides), are
// the quarter turn's exactly, into a kept buffer as well.
TEST(PageTurn, IsExactWhereThePointsFallOnPixels) {
    const QImage page = patternImage(37, 23);
    const QImage same = turnPage(page, 0.0, kPaper);
    EXPECT_EQ(same.constBits(), page.constBits());

    imaging::PixelBuffer buffer;
    for (const int side : {37, 36, 300}) {
        SCOPED_TRACE(side);
        const QImage square = patternImage(side, side);
        const QImage right = turnQuarter(square, TurnDirection::Right);
        const QImage left = turnQuarter(square, TurnDirection::Left);
        EXPECT_EQ(firstDifference(turnPage(square, 90.0, kPaper), right), "");
        EXPECT_EQ(firstDifference(turnPage(square, -90.0, kPaper), left), "");
        EXPECT_EQ(firstDifference(turnPage(square, 180.0, kPaper),
                                  turnQuarter(right, TurnDirection::Right)),
                  "");
        EXPECT_EQ(firstDifference(turnPage(square, 90.0, kPaper, buffer), right), "");
        EXPECT_TRUE(buffer.holds(turnPage(square, 270.0, kPaper, buffer).constBits()));
    }
}

// Small turns, as the deskew makes them, on pages wide and narrow, odd and
// even: within two levels of the plain double-precision bilinear turn
// everywhere (the turn places each point to 1/256 of a pixel, which across
// the grid's steps of 160 levels is most of one level, and rounds twice),
// the edges blending into the paper and the corners turned in
// taking its colour; positive turns clockwise; other formats are read as
// RGB888.
TEST(PageTurn, SmallTurnsMatchThePlainBilinearTurnAndBringInThePaper) {
    for (const QSize size : {QSize(201, 143), QSize(90, 311), QSize(1024, 64)}) {
        const QImage page = smoothPage(size.width(), size.height());
        for (const double degrees : {0.37, -2.9, 4.99, -0.05}) {
            SCOPED_TRACE(QStringLiteral("%1x%2 by %3")
                             .arg(size.width())
                             .arg(size.height())
                             .arg(degrees)
                             .toStdString());
            const QImage turned = turnPage(page, degrees, kPaper);
            ASSERT_EQ(turned.size(), page.size());
            EXPECT_LE(largestDifference(turned, referenceTurn(page, degrees, kPaper)), 2);
            // Corners of pages not much longer than wide come from outside.
            if (std::abs(degrees) >= 1 && size.width() < 3 * size.height() &&
                size.height() < 4 * size.width()) {
                EXPECT_EQ(turned.pixel(0, 0), kPaper);
                EXPECT_EQ(turned.pixel(size.width() - 1, size.height() - 1), kPaper);
            }
        }
    }

    // A dark row through the middle turned clockwise runs down to the right.
    QImage ruled(400, 200, QImage::Format_RGB888);
    ruled.fill(Qt::white);
    QPainter(&ruled).fillRect(0, 99, 400, 2, Qt::black);
    const QImage clockwise = turnPage(ruled, 3.0, qRgb(255, 255, 255));
    const auto darkestRow = [&](int x) {
        int darkest = 0;
        for (int y = 0; y < clockwise.height(); ++y) {
            if (qGray(clockwise.pixel(x, y)) < qGray(clockwise.pixel(x, darkest))) {
                darkest = y;
            }
        }
        return darkest;
    };
    EXPECT_LT(darkestRow(20), 95);
    EXPECT_GT(darkestRow(380), 105);

    const QImage argb = smoothPage(120, 80).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(firstDifference(turnPage(argb, 1.5, kPaper),
                              turnPage(argb.convertToFormat(QImage::Format_RGB888), 1.5, kPaper)),
              "");
    EXPECT_TRUE(turnPage(QImage(), 2.0, kPaper).isNull());
    // Pages too narrow for any inner pixel are all edge.
    for (const QSize tiny : {QSize(1, 1), QSize(2, 3), QSize(3, 1)}) {
        const QImage page = patternImage(tiny.width(), tiny.height());
        EXPECT_LE(largestDifference(turnPage(page, 3.0, kPaper), referenceTurn(page, 3.0, kPaper)),
                  2);
    }
}

}  // namespace
}  // namespace split
