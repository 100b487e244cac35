#include "imaging/PictureIo.h"
#include "tests/imaging/JpegSamples.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

using imaging::decodeJpeg;
using imaging::encodeJpeg;
using testing_support::patternImage;

namespace {

// A picture with gentle gradients, which JPEG keeps close to the original.
QImage smoothImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uchar>(x * 255 / width);
            row[3 * x + 1] = static_cast<uchar>(y * 255 / height);
            row[3 * x + 2] = static_cast<uchar>(128 + (x - y) / 4);
        }
    }
    return image;
}

int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* rowA = a.constScanLine(y);
        const uchar* rowB = b.constScanLine(y);
        for (int i = 0; i < 3 * a.width(); ++i) {
            largest = std::max(largest, std::abs(rowA[i] - rowB[i]));
        }
    }
    return largest;
}

QImage decoded(const QByteArray& bytes) {
    auto result = decodeJpeg(bytes);
    EXPECT_TRUE(result.ok()) << result.error().message.toStdString();
    return result.ok() ? result.value() : QImage();
}

QByteArray encoded(const QImage& picture, int quality) {
    auto result = encodeJpeg(picture, quality);
    EXPECT_TRUE(result.ok()) << result.error().message.toStdString();
    return result.ok() ? result.value() : QByteArray();
}

std::string messageOf(const core::Expected<QImage>& result) {
    return result.ok() ? std::string("(no error)") : result.error().message.toStdString();
}

}  // namespace

// --- Writer settings, read back from the written file ---

TEST(JpegWriter, WritesBaselineThreeComponentFilesWithStandardTablesAtEachQuality) {
    const QImage picture = patternImage(40, 24);
    for (const int quality : {1, 10, 49, 50, 51, 75, 90, 100}) {
        SCOPED_TRACE(quality);
        const auto facts = jpeg_samples::inspect(encoded(picture, quality));
        ASSERT_TRUE(facts.readable);
        EXPECT_EQ(facts.width, 40);
        EXPECT_EQ(facts.height, 24);
        EXPECT_EQ(facts.components, 3);
        EXPECT_EQ(facts.colourSpace, JCS_YCbCr);
        EXPECT_FALSE(facts.progressive);
        EXPECT_FALSE(facts.arithmetic);
        EXPECT_EQ(facts.quantTables[0], jpeg_samples::expectedTable(0, quality));
        EXPECT_EQ(facts.quantTables[1], jpeg_samples::expectedTable(1, quality));
    }
}

TEST(JpegWriter, ClampsQualityAndTreatsZeroAsOne) {
    const QImage picture = patternImage(16, 16);
    const auto tablesAt = [&](int quality) {
        return jpeg_samples::inspect(encoded(picture, quality)).quantTables;
    };
    EXPECT_EQ(tablesAt(0), tablesAt(1));
    EXPECT_EQ(tablesAt(-20), tablesAt(1));
    EXPECT_EQ(tablesAt(250), tablesAt(100));
    // Quality 1 saturates at the baseline limit, quality 100 is all ones.
    EXPECT_EQ(tablesAt(1)[0][0], 255u);
    const auto finest = tablesAt(100);
    for (const auto& table : finest) {
        for (const unsigned step : table) {
            EXPECT_EQ(step, 1u);
        }
    }
}

TEST(JpegWriter, UsesTheFloatingPointDct) {
    // Compared with libjpeg run in this same process, so both sides use the
    // same float code: equal to the float DCT output, unlike the integer one.
    const QImage picture = patternImage(64, 48);
    const QByteArray written = encoded(picture, 85);
    EXPECT_EQ(written, jpeg_samples::encodeLikeProgram(picture, 85, JDCT_FLOAT));
    EXPECT_NE(written, jpeg_samples::encodeLikeProgram(picture, 85, JDCT_ISLOW));
}

TEST(JpegWriter, RoundTripKeepsPixelsClose) {
    const QImage picture = smoothImage(123, 77);  // not a multiple of the block size
    const QImage back = decoded(encoded(picture, 95));
    ASSERT_EQ(back.size(), picture.size());
    EXPECT_EQ(back.format(), QImage::Format_RGB888);
    EXPECT_LE(largestDifference(back, picture), 8);
}

TEST(JpegWriter, AcceptsOtherPixelFormatsAndRefusesNullPictures) {
    const QImage picture = patternImage(20, 10);
    EXPECT_EQ(encoded(picture.convertToFormat(QImage::Format_ARGB32), 80), encoded(picture, 80));
    const auto none = encodeJpeg(QImage(), 80);
    ASSERT_FALSE(none.ok());
    EXPECT_FALSE(none.error().message.isEmpty());
}

// --- Decoding the variants other programs write ---

TEST(JpegReader, GreyscaleComesOutAsEqualRgb) {
    const QImage source = smoothImage(50, 40);
    jpeg_samples::Recipe recipe;
    recipe.stored = JCS_GRAYSCALE;
    recipe.quality = 100;
    const QImage picture =
        decoded(jpeg_samples::encode(50, 40, 1, jpeg_samples::greySamples(source), recipe));
    ASSERT_EQ(picture.size(), QSize(50, 40));
    for (int y = 0; y < 40; ++y) {
        const uchar* row = picture.constScanLine(y);
        const uchar* original = source.constScanLine(y);
        for (int x = 0; x < 50; ++x) {
            ASSERT_EQ(row[3 * x], row[3 * x + 1]);
            ASSERT_EQ(row[3 * x + 2], row[3 * x + 1]);
            ASSERT_NEAR(row[3 * x + 1], original[3 * x + 1], 2) << x << "," << y;
        }
    }
}

TEST(JpegReader, RgbStoredWithoutYcbcrDecodes) {
    const QImage source = smoothImage(33, 17);
    jpeg_samples::Recipe recipe;
    recipe.stored = JCS_RGB;
    recipe.quality = 100;
    const QImage picture =
        decoded(jpeg_samples::encode(33, 17, 3, jpeg_samples::rgbSamples(source), recipe));
    ASSERT_EQ(picture.size(), source.size());
    EXPECT_LE(largestDifference(picture, source), 3);
}

struct CmykCase {
    const char* name;
    J_COLOR_SPACE stored;
    bool adobe;
};

class JpegCmyk : public ::testing::TestWithParam<CmykCase> {};

// c, m, y, k as ink amounts (255 = full ink); the expected colour is the
// ink left over: R = (255 - C) * (255 - K) / 255.
TEST_P(JpegCmyk, ConvertsInkToRgb) {
    const CmykCase& variant = GetParam();
    struct Colour {
        int c, m, y, k;
    };
    for (const Colour ink : {Colour{0, 0, 0, 0}, Colour{255, 0, 0, 0}, Colour{0, 128, 255, 64},
                             Colour{40, 90, 200, 180}, Colour{0, 0, 0, 255}}) {
        SCOPED_TRACE(testing::Message() << ink.c << " " << ink.m << " " << ink.y << " " << ink.k);
        // Adobe files store the inverse (0 = full ink).
        const auto stored = [&](int amount) {
            return static_cast<unsigned char>(variant.adobe ? 255 - amount : amount);
        };
        jpeg_samples::Recipe recipe;
        recipe.stored = variant.stored;
        recipe.adobeMarker = variant.adobe;
        recipe.quality = 100;
        const auto samples = jpeg_samples::flatSamples(
            16, 16, {stored(ink.c), stored(ink.m), stored(ink.y), stored(ink.k)});
        const QImage picture = decoded(jpeg_samples::encode(16, 16, 4, samples, recipe));
        ASSERT_EQ(picture.size(), QSize(16, 16));
        const uchar* pixel = picture.constScanLine(7) + 3 * 9;
        const auto expected = [&](int amount) { return (255 - amount) * (255 - ink.k) / 255.0; };
        EXPECT_NEAR(pixel[0], expected(ink.c), 3);
        EXPECT_NEAR(pixel[1], expected(ink.m), 3);
        EXPECT_NEAR(pixel[2], expected(ink.y), 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, JpegCmyk,
                         ::testing::Values(CmykCase{"PlainCmyk", JCS_CMYK, false},
                                           CmykCase{"AdobeInvertedCmyk", JCS_CMYK, true},
                                           CmykCase{"AdobeYcck", JCS_YCCK, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JpegReader, ProgressiveGivesTheSamePixelsAsSequential) {
    // Same tables and coefficients, only the order of coding differs.
    const QImage source = patternImage(97, 61);
    jpeg_samples::Recipe recipe;
    const auto samples = jpeg_samples::rgbSamples(source);
    const QByteArray sequential = jpeg_samples::encode(97, 61, 3, samples, recipe);
    recipe.progressive = true;
    const QByteArray progressive = jpeg_samples::encode(97, 61, 3, samples, recipe);
    ASSERT_TRUE(jpeg_samples::inspect(progressive).progressive);
    const QImage expected = decoded(sequential);
    EXPECT_EQ(decoded(progressive), expected);
}

// --- Bad input: an error, never a crash, never a huge allocation ---

TEST(JpegReader, RefusesEmptyAndForeignData) {
    EXPECT_EQ(messageOf(decodeJpeg(QByteArray())), "ファイルが空です");
    EXPECT_EQ(messageOf(decodeJpeg(QByteArray("BM not a jpeg at all"))),
              "JPEGファイルではありません");
    std::srand(7);
    QByteArray noise(5000, '\0');
    for (char& byte : noise) {
        byte = static_cast<char>(std::rand());
    }
    EXPECT_FALSE(decodeJpeg(noise).ok());
    EXPECT_FALSE(decodeJpeg(QByteArray("\xff\xd8", 2)).ok());
}

TEST(JpegReader, RefusesEveryTruncatedFile) {
    const QByteArray whole = encoded(patternImage(24, 16), 90);
    ASSERT_TRUE(decodeJpeg(whole).ok());
    for (qsizetype length = 0; length < whole.size(); ++length) {
        const auto result = decodeJpeg(whole.left(length));
        ASSERT_FALSE(result.ok()) << "accepted the first " << length << " bytes";
    }
    EXPECT_EQ(messageOf(decodeJpeg(whole.left(whole.size() * 3 / 4))),
              "JPEGファイルが途中で切れています");
    const QByteArray larger = encoded(patternImage(200, 150), 90);
    EXPECT_EQ(messageOf(decodeJpeg(larger.left(larger.size() * 3 / 4))),
              "JPEGファイルが途中で切れています");
}

TEST(JpegReader, SurvivesDamagedBytes) {
    const QByteArray whole = encoded(patternImage(64, 64), 90);
    std::srand(11);
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = whole;
        for (int hit = 0; hit < 1 + round % 5; ++hit) {
            damaged[std::rand() % damaged.size()] = static_cast<char>(std::rand());
        }
        const auto result = decodeJpeg(damaged);  // either outcome, but no crash
        if (result.ok()) {
            EXPECT_FALSE(result.value().isNull());
        } else {
            EXPECT_FALSE(result.error().message.isEmpty());
        }
    }
}

TEST(JpegReader, RefusesForgedSizesBeforeDecoding) {
    const QByteArray small = encoded(patternImage(16, 16), 90);
    const QByteArray huge = jpeg_samples::withDeclaredSize(small, 65000, 65000);
    EXPECT_EQ(messageOf(decodeJpeg(huge)), "画像が大きすぎます (65000x65000)");
    const auto size = imaging::jpegSize(huge);
    ASSERT_FALSE(size.ok());
    EXPECT_EQ(size.error().message.toStdString(), "画像が大きすぎます (65000x65000)");
    EXPECT_EQ(messageOf(imaging::decodeJpegRows(huge, {0, 1})), "画像が大きすぎます (65000x65000)");
    // Within the side limit but above the pixel limit.
    EXPECT_FALSE(decodeJpeg(jpeg_samples::withDeclaredSize(small, 30000, 20000)).ok());
    // Within every limit, but far too little data for 400 million pixels.
    EXPECT_EQ(messageOf(decodeJpeg(jpeg_samples::withDeclaredSize(small, 20000, 20000))),
              "JPEGファイルが途中で切れています");
    // A zero height is a broken header.
    EXPECT_FALSE(decodeJpeg(jpeg_samples::withDeclaredSize(small, 16, 0)).ok());
}

TEST(JpegReader, AcceptsLargeBlankPagesThatCompressToAlmostNothing) {
    QImage page(3000, 2000, QImage::Format_RGB888);
    page.fill(Qt::white);
    const QByteArray file = encoded(page, 50);
    const QImage back = decoded(file);
    ASSERT_EQ(back.size(), QSize(3000, 2000));
    EXPECT_EQ(back.pixel(2999, 1999), qRgb(255, 255, 255));
}

TEST(JpegReader, StopsOnEndlessProgressiveScans) {
    jpeg_samples::Recipe recipe;
    recipe.progressive = true;
    const QByteArray progressive =
        jpeg_samples::encode(8, 8, 3, jpeg_samples::rgbSamples(patternImage(8, 8)), recipe);
    ASSERT_TRUE(decodeJpeg(progressive).ok());
    EXPECT_TRUE(decodeJpeg(jpeg_samples::withRepeatedLastScan(progressive, 60)).ok());
    // Each scan passes over the whole picture: a few hundred would keep a
    // large picture's decoder busy for minutes.
    EXPECT_FALSE(decodeJpeg(jpeg_samples::withRepeatedLastScan(progressive, 200)).ok());
}

TEST(JpegReader, SizeComesFromTheHeaderAlone) {
    const QByteArray whole = encoded(patternImage(300, 7), 90);
    const auto size = imaging::jpegSize(whole.left(whole.size() / 2));  // pixels cut off
    ASSERT_TRUE(size.ok());
    EXPECT_EQ(size.value(), QSize(300, 7));
    EXPECT_FALSE(imaging::jpegSize(QByteArray("nothing")).ok());
}
