// Pages written from a JPEG's coefficients: what goes with every page
// besides its blocks, and files that cannot be read that way.
#include "imaging/LosslessJpeg.h"

#include "imaging/ImagingErrors.h"
#include "imaging/PictureIo.h"
#include "tests/imaging/JpegSamples.h"
#include "tests/support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace imaging {
namespace {

QImage noise(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB888);
    quint32 state = 12345;
    for (int y = 0; y < height; ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0; x < 3 * width; ++x) {
            state = state * 1664525u + 1013904223u;
            row[x] = static_cast<uchar>(state >> 24);
        }
    }
    return picture;
}

QByteArray jpegOf(const QImage& picture, int lumaH = 2, int lumaV = 2) {
    jpeg_samples::Recipe recipe;
    recipe.lumaH = lumaH;
    recipe.lumaV = lumaV;
    return jpeg_samples::encode(picture.width(), picture.height(), 3,
                                jpeg_samples::rgbSamples(picture), recipe);
}

// `jpeg` with a segment inserted right after its SOI marker.
QByteArray withSegment(const QByteArray& jpeg, unsigned char marker, const QByteArray& payload) {
    QByteArray segment;
    segment.append('\xff').append(static_cast<char>(marker));
    const int length = static_cast<int>(payload.size()) + 2;
    segment.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xff));
    segment.append(payload);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// The JFIF segment's density fields: unit, X, Y.
QByteArray jfifDensity(const QByteArray& jpeg) {
    const qsizetype at = jpeg.indexOf(QByteArray("JFIF\0", 5));
    return at < 0 ? QByteArray() : jpeg.mid(at + 7, 5);
}

TEST(LosslessJpeg, EveryPageCarriesTheFilesMarkersAndDensity) {
    QByteArray jpeg = jpegOf(noise(96, 64));
    // 300 x 150 dots per inch, so a turn must swap them.
    const qsizetype jfif = jpeg.indexOf(QByteArray("JFIF\0", 5));
    jpeg.replace(jfif + 7, 5, QByteArray("\x01\x01\x2c\x00\x96", 5));
    const QByteArray exif = QByteArray("Exif\0\0", 6) + QByteArray(40, 'e');
    const QByteArray icc = QByteArray("ICC_PROFILE\0\x01\x01", 14) + QByteArray(60, 'i');
    jpeg = withSegment(withSegment(jpeg, 0xe2, icc), 0xe1, exif);
    jpeg = withSegment(jpeg, 0xfe, "scanned by hand");

    CoefficientStore store;
    PixelBuffer pixels;
    const auto read = LosslessJpeg::read(jpeg, store, &pixels);
    ASSERT_TRUE(read.ok()) << read.error().message.toStdString();
    EXPECT_EQ(read->layout(), (JpegBlockLayout{QSize(96, 64), QSize(16, 16), true}));
    // The picture decoded on the way is the decoder's, pixel for pixel.
    const auto decoded = decodeJpeg(jpeg);
    ASSERT_TRUE(decoded.ok());
    EXPECT_TRUE(read->picture() == *decoded);

    for (const QuarterTurn turn : {QuarterTurn::None, QuarterTurn::Left, QuarterTurn::Right}) {
        QByteArray page;
        ASSERT_TRUE(read->writePage({16, 16, 64, 48}, turn, page).ok());
        EXPECT_TRUE(page.contains(exif));
        EXPECT_TRUE(page.contains(icc));
        EXPECT_TRUE(page.contains("scanned by hand"));
        EXPECT_EQ(page.count(QByteArray("JFIF\0", 5)), 1);
        EXPECT_EQ(jfifDensity(page), turn == QuarterTurn::None
                                         ? QByteArray("\x01\x01\x2c\x00\x96", 5)
                                         : QByteArray("\x01\x00\x96\x01\x2c", 5));
    }
}

TEST(LosslessJpeg, FilesItCannotReadGiveAMessageAndNoPage) {
    const QByteArray good = jpegOf(noise(96, 64));
    CoefficientStore store;

    // Cut off, damaged in the middle, a forged size, not a JPEG, empty.
    QByteArray damaged = good;
    for (qsizetype i = good.size() / 2; i < good.size() / 2 + 64; ++i) {
        damaged[i] = '\xff';
    }
    const struct {
        const char* name;
        QByteArray bytes;
        core::ErrorKind kind;
    } refused[] = {
        {"cut off", good.left(good.size() * 2 / 3), core::ErrorKind::CutOff},
        {"damaged", damaged, core::ErrorKind::Damaged},
        {"forged size", jpeg_samples::withDeclaredSize(good, 60000, 60000),
         core::ErrorKind::PictureTooLarge},
        {"not a JPEG", QByteArray("BM not a picture at all"), core::ErrorKind::NotThatKind},
        {"empty", QByteArray(), core::ErrorKind::FileEmpty},
    };
    PixelBuffer pixels;
    for (const auto& file : refused) {
        SCOPED_TRACE(file.name);
        // Read whole, read with the picture decoded, read while pages are
        // written: the same refusal each way.
        const auto read = LosslessJpeg::read(file.bytes, store);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.kind(), file.kind) << read.error().message.toStdString();
        EXPECT_FALSE(read.error().message.isEmpty());
        EXPECT_EQ(LosslessJpeg::read(file.bytes, store, &pixels).kind(), file.kind);
        QByteArray encoded;
        EXPECT_EQ(LosslessJpeg::writeCutPages(file.bytes, store, {{0, 0, 48, 64}, {48, 0, 96, 64}},
                                              encoded)
                      .kind(),
                  file.kind);
    }

    // CMYK: the header says its blocks are not kept, and reading refuses.
    jpeg_samples::Recipe cmyk;
    cmyk.stored = JCS_CMYK;
    const QByteArray cmykFile =
        jpeg_samples::encode(32, 16, 4, jpeg_samples::flatSamples(32, 16, {0, 0, 0, 255}), cmyk);
    const auto layout = readJpegBlockLayout(cmykFile);
    ASSERT_TRUE(layout.ok());
    EXPECT_FALSE(layout->blocksKept);
    EXPECT_EQ(LosslessJpeg::read(cmykFile, store).kind(), core::ErrorKind::Unsupported);

    // Pages off the grid or outside the picture, and a turn whose new top
    // or left edge is off the grid, are refused without bytes.
    const auto read = LosslessJpeg::read(good, store);
    ASSERT_TRUE(read.ok());
    QByteArray page = "left over";
    for (const auto& [rect, turn] : {std::pair{PixelRect{8, 0, 64, 64}, QuarterTurn::None},
                                     std::pair{PixelRect{0, 0, 97, 64}, QuarterTurn::None},
                                     std::pair{PixelRect{0, 0, 40, 64}, QuarterTurn::Left},
                                     std::pair{PixelRect{0, 0, 96, 40}, QuarterTurn::Right}}) {
        EXPECT_FALSE(read->writePage(rect, turn, page).ok());
        EXPECT_TRUE(page.isEmpty());
    }
    // The last file's store serves the next file: a second read of the same
    // file gives the same pages.
    ASSERT_TRUE(read->writePage({0, 0, 48, 64}, QuarterTurn::None, page).ok());
    const QByteArray first = page;
    const auto again = LosslessJpeg::read(good, store);
    ASSERT_TRUE(again.ok());
    ASSERT_TRUE(again->writePage({0, 0, 48, 64}, QuarterTurn::None, page).ok());
    EXPECT_TRUE(page == first);
}

}  // namespace
}  // namespace imaging
