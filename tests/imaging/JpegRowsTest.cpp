#include "imaging/PictureIo.h"
#include "tests/imaging/JpegSamples.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>

using imaging::decodeJpeg;
using imaging::decodeJpegRows;
using testing_support::patternImage;

namespace {

constexpr int kWidth = 301;
constexpr int kHeight = 237;

struct RowsCase {
    const char* name;
    J_COLOR_SPACE stored;
    int lumaH;
    int lumaV;
    bool progressive;
};

QByteArray sampleFile(const RowsCase& variant) {
    const QImage source = patternImage(kWidth, kHeight);
    jpeg_samples::Recipe recipe;
    recipe.stored = variant.stored;
    recipe.lumaH = variant.lumaH;
    recipe.lumaV = variant.lumaV;
    recipe.progressive = variant.progressive;
    if (variant.stored == JCS_GRAYSCALE) {
        return jpeg_samples::encode(kWidth, kHeight, 1, jpeg_samples::greySamples(source), recipe);
    }
    if (variant.stored == JCS_CMYK || variant.stored == JCS_YCCK) {
        auto samples = jpeg_samples::rgbSamples(source);
        std::vector<unsigned char> cmyk;
        for (size_t i = 0; i < samples.size(); i += 3) {
            cmyk.insert(cmyk.end(), {samples[i], samples[i + 1], samples[i + 2],
                                     static_cast<unsigned char>(samples[i] ^ 0x55)});
        }
        return jpeg_samples::encode(kWidth, kHeight, 4, cmyk, recipe);
    }
    return jpeg_samples::encode(kWidth, kHeight, 3, jpeg_samples::rgbSamples(source), recipe);
}

// Row i of `rows` against row rows[i] of `full`; the first mismatch, or -1.
int firstMismatch(const QImage& picked, const QImage& full, const std::vector<int>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (std::memcmp(picked.constScanLine(static_cast<int>(i)), full.constScanLine(rows[i]),
                        3 * static_cast<size_t>(full.width())) != 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::vector<int> thumbnailRows(int count) {
    std::vector<int> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back(i * kHeight / count);
    }
    return rows;
}

}  // namespace

class JpegRows : public ::testing::TestWithParam<RowsCase> {};

TEST_P(JpegRows, EqualTheRowsOfAFullDecode) {
    const QByteArray file = sampleFile(GetParam());
    const auto full = decodeJpeg(file);
    ASSERT_TRUE(full.ok()) << full.error().message.toStdString();
    const std::vector<std::vector<int>> selections = {
        thumbnailRows(80),                                   // fewer rows than the picture
        thumbnailRows(500),                                  // more: repeated rows
        {0},                                                 // first row only
        {kHeight - 1},                                       // last row only
        {0, 0, 1, 7, 8, 15, 16, 17, 31, 32, 100, 101, 236},  // around block edges
        {5, 5, 5, 200, 200},                                 // repeats
    };
    for (const auto& rows : selections) {
        SCOPED_TRACE(testing::Message() << rows.size() << " rows from " << rows.front());
        const auto picked = decodeJpegRows(file, rows);
        ASSERT_TRUE(picked.ok()) << picked.error().message.toStdString();
        ASSERT_EQ(picked.value().size(), QSize(kWidth, static_cast<int>(rows.size())));
        EXPECT_EQ(picked.value().format(), QImage::Format_RGB888);
        EXPECT_EQ(firstMismatch(picked.value(), full.value(), rows), -1);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, JpegRows,
                         ::testing::Values(RowsCase{"Sampling444", JCS_YCbCr, 1, 1, false},
                                           RowsCase{"Sampling422", JCS_YCbCr, 2, 1, false},
                                           RowsCase{"Sampling420", JCS_YCbCr, 2, 2, false},
                                           RowsCase{"Sampling440", JCS_YCbCr, 1, 2, false},
                                           RowsCase{"Sampling411", JCS_YCbCr, 4, 1, false},
                                           RowsCase{"Greyscale", JCS_GRAYSCALE, 1, 1, false},
                                           RowsCase{"Cmyk", JCS_CMYK, 1, 1, false},
                                           RowsCase{"Ycck", JCS_YCCK, 2, 2, false},
                                           RowsCase{"Progressive420", JCS_YCbCr, 2, 2, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JpegRowsInput, RefusesRowListsOutsideThePictureOrOutOfOrder) {
    const QByteArray file = sampleFile(RowsCase{"", JCS_YCbCr, 2, 2, false});
    EXPECT_FALSE(decodeJpegRows(file, {}).ok());
    EXPECT_FALSE(decodeJpegRows(file, {-1}).ok());
    EXPECT_FALSE(decodeJpegRows(file, {kHeight}).ok());
    EXPECT_FALSE(decodeJpegRows(file, {10, 9}).ok());
}

TEST(JpegRowsInput, RefusesADamagedTailLikeAFullDecode) {
    // The cut lies below every requested row: still a broken file.
    const QByteArray file = sampleFile(RowsCase{"", JCS_YCbCr, 2, 2, false});
    const QByteArray cut = file.left(file.size() * 9 / 10);
    ASSERT_FALSE(decodeJpeg(cut).ok());
    const auto picked = decodeJpegRows(cut, {0, 1, 2});
    ASSERT_FALSE(picked.ok());
    EXPECT_EQ(picked.error().message.toStdString(), "JPEGファイルが途中で切れています");
}
