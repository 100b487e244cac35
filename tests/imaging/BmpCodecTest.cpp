#include "imaging/BmpHeader.h"
#include "imaging/PictureIo.h"
#include "tests/support/TestFiles.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <vector>

using imaging::decodeBmp;
using imaging::encodeBmp;
using testing_support::patternImage;

namespace {

quint32 readLittleEndian(const QByteArray& bytes, int at, int count) {
    quint32 value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

void putLittleEndian(QByteArray& bytes, quint32 value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}

// A BMP file made by hand: BITMAPINFOHEADER, optional palette (B, G, R
// per entry) and bit masks, then `pixels` exactly as given.
struct BmpRecipe {
    int width = 0;
    int height = 0;  // negative: rows stored top-down
    int bitsPerPixel = 24;
    int compression = 0;  // 0 BI_RGB, 1 BI_RLE8, 2 BI_RLE4, 3 BI_BITFIELDS
    std::vector<std::array<uchar, 3>> palette;
    std::vector<quint32> masks;
    QByteArray pixels;
    // Header fields that by default describe the file as it is made.
    std::optional<quint32> pixelOffset;
    std::optional<quint32> declaredPixelBytes;
};

QByteArray makeBmp(const BmpRecipe& recipe) {
    const int offset =
        14 + 40 + static_cast<int>(4 * recipe.palette.size() + 4 * recipe.masks.size());
    QByteArray file("BM");
    putLittleEndian(file, static_cast<quint32>(offset + recipe.pixels.size()), 4);
    putLittleEndian(file, 0, 4);
    putLittleEndian(file, recipe.pixelOffset.value_or(static_cast<quint32>(offset)), 4);
    putLittleEndian(file, 40, 4);
    putLittleEndian(file, static_cast<quint32>(recipe.width), 4);
    putLittleEndian(file, static_cast<quint32>(recipe.height), 4);
    putLittleEndian(file, 1, 2);
    putLittleEndian(file, static_cast<quint32>(recipe.bitsPerPixel), 2);
    putLittleEndian(file, static_cast<quint32>(recipe.compression), 4);
    putLittleEndian(
        file, recipe.declaredPixelBytes.value_or(static_cast<quint32>(recipe.pixels.size())), 4);
    putLittleEndian(file, 2835, 4);
    putLittleEndian(file, 2835, 4);
    putLittleEndian(file, static_cast<quint32>(recipe.palette.size()), 4);
    putLittleEndian(file, 0, 4);
    for (const quint32 mask : recipe.masks) {
        putLittleEndian(file, mask, 4);
    }
    for (const auto& entry : recipe.palette) {
        file.append(static_cast<char>(entry[2]));  // stored blue, green, red
        file.append(static_cast<char>(entry[1]));
        file.append(static_cast<char>(entry[0]));
        file.append('\0');
    }
    return file + recipe.pixels;
}

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int value : values) {
        bytes.append(static_cast<char>(value));
    }
    return bytes;
}

// The picture's pixels as "r,g,b" texts, row by row, for readable failures.
std::vector<std::string> pixelTexts(const QImage& picture) {
    std::vector<std::string> texts;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* row = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            texts.push_back(std::to_string(row[3 * x]) + "," + std::to_string(row[3 * x + 1]) +
                            "," + std::to_string(row[3 * x + 2]));
        }
    }
    return texts;
}

std::vector<std::string> decodedTexts(const QByteArray& bmp, QSize expectedSize) {
    const auto result = decodeBmp(bmp);
    if (!result.ok()) {
        ADD_FAILURE() << result.error().message.toStdString();
        return {};
    }
    EXPECT_EQ(result.value().size(), expectedSize);
    EXPECT_EQ(result.value().format(), QImage::Format_RGB888);
    return pixelTexts(result.value());
}

std::string messageOf(const core::Expected<QImage>& result) {
    return result.ok() ? std::string("(no error)") : result.error().message.toStdString();
}

}  // namespace

// --- Writer ---

TEST(BmpWriter, WritesA24BitBottomUpFileWithPaddedRows) {
    QImage picture(3, 2, QImage::Format_RGB888);
    const uchar pixels[2][9] = {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16, 17, 18}};
    for (int y = 0; y < 2; ++y) {
        std::memcpy(picture.scanLine(y), pixels[y], 9);
    }
    const auto written = encodeBmp(picture);
    ASSERT_TRUE(written.ok());
    const QByteArray& bytes = written.value();
    ASSERT_EQ(bytes.size(), 54 + 2 * 12);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(readLittleEndian(bytes, 2, 4), 78u);   // file size
    EXPECT_EQ(readLittleEndian(bytes, 10, 4), 54u);  // pixel offset
    EXPECT_EQ(readLittleEndian(bytes, 14, 4), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(readLittleEndian(bytes, 18, 4), 3u);
    EXPECT_EQ(readLittleEndian(bytes, 22, 4), 2u);  // positive: bottom-up
    EXPECT_EQ(readLittleEndian(bytes, 26, 2), 1u);
    EXPECT_EQ(readLittleEndian(bytes, 28, 2), 24u);
    EXPECT_EQ(readLittleEndian(bytes, 30, 4), 0u);  // BI_RGB
    EXPECT_EQ(readLittleEndian(bytes, 34, 4), 24u);
    EXPECT_EQ(readLittleEndian(bytes, 38, 4), 2835u);
    EXPECT_EQ(readLittleEndian(bytes, 42, 4), 2835u);
    EXPECT_EQ(readLittleEndian(bytes, 46, 4), 0u);  // no palette
    // Bottom row first, blue-green-red, three zero bytes of padding.
    EXPECT_EQ(bytes.mid(54), bytesOf({12, 11, 10, 15, 14, 13, 18, 17, 16, 0, 0, 0,  //
                                      3,  2,  1,  6,  5,  4,  9,  8,  7,  0, 0, 0}));
}

TEST(BmpWriter, RoundTripIsExactForEveryRowPadding) {
    for (const int width : {1, 2, 3, 4, 5, 7, 33}) {
        SCOPED_TRACE(width);
        const QImage picture = patternImage(width, 5);
        const auto written = encodeBmp(picture);
        ASSERT_TRUE(written.ok());
        const auto back = decodeBmp(written.value());
        ASSERT_TRUE(back.ok()) << back.error().message.toStdString();
        EXPECT_EQ(back.value(), picture);
    }
}

TEST(BmpWriter, ConvertsOtherFormatsAndRefusesNullPictures) {
    const QImage picture = patternImage(6, 4);
    const auto fromArgb = encodeBmp(picture.convertToFormat(QImage::Format_ARGB32));
    ASSERT_TRUE(fromArgb.ok());
    EXPECT_EQ(fromArgb.value(), encodeBmp(picture).value());
    EXPECT_FALSE(encodeBmp(QImage()).ok());
}

// --- Reader: the variants other programs write ---

TEST(BmpReader, ReadsPalettedFiles) {
    BmpRecipe eight;
    eight.width = 3;
    eight.height = 2;
    eight.bitsPerPixel = 8;
    eight.palette = {{0, 0, 0}, {255, 0, 0}, {0, 200, 0}, {10, 20, 30}};
    eight.pixels = bytesOf({3, 2, 1, 0, /**/ 0, 1, 3, 0});  // bottom row first
    EXPECT_EQ(decodedTexts(makeBmp(eight), QSize(3, 2)),
              (std::vector<std::string>{"0,0,0", "255,0,0", "10,20,30",  //
                                        "10,20,30", "0,200,0", "255,0,0"}));

    BmpRecipe one;
    one.width = 10;
    one.height = 1;
    one.bitsPerPixel = 1;
    one.palette = {{255, 255, 255}, {9, 8, 7}};
    one.pixels = bytesOf({0b10100000, 0b01000000, 0, 0});
    const auto texts = decodedTexts(makeBmp(one), QSize(10, 1));
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(texts[0], "9,8,7");
    EXPECT_EQ(texts[1], "255,255,255");
    EXPECT_EQ(texts[2], "9,8,7");
    EXPECT_EQ(texts[9], "9,8,7");

    BmpRecipe rle;
    rle.width = 4;
    rle.height = 2;
    rle.bitsPerPixel = 8;
    rle.compression = 1;
    rle.palette = {{1, 1, 1}, {50, 60, 70}, {200, 100, 0}};
    rle.pixels = bytesOf({2, 1, 2, 2, 0, 0, /* end of line */ 4, 0, 0, 1 /* end of bitmap */});
    EXPECT_EQ(decodedTexts(makeBmp(rle), QSize(4, 2)),
              (std::vector<std::string>{"1,1,1", "1,1,1", "1,1,1", "1,1,1",  //
                                        "50,60,70", "50,60,70", "200,100,0", "200,100,0"}));
}

TEST(BmpReader, ReadsDirectColourFiles) {
    BmpRecipe thirtyTwo;
    thirtyTwo.width = 2;
    thirtyTwo.height = 1;
    thirtyTwo.bitsPerPixel = 32;
    thirtyTwo.pixels = bytesOf({3, 2, 1, 0, 30, 20, 10, 0});
    EXPECT_EQ(decodedTexts(makeBmp(thirtyTwo), QSize(2, 1)),
              (std::vector<std::string>{"1,2,3", "10,20,30"}));

    BmpRecipe topDown;
    topDown.width = 1;
    topDown.height = -2;
    topDown.pixels = bytesOf({3, 2, 1, 0, 6, 5, 4, 0});  // first stored row is the top
    EXPECT_EQ(decodedTexts(makeBmp(topDown), QSize(1, 2)),
              (std::vector<std::string>{"1,2,3", "4,5,6"}));

    BmpRecipe sixteen;  // 5-6-5 bit fields: full red and full blue
    sixteen.width = 2;
    sixteen.height = 1;
    sixteen.bitsPerPixel = 16;
    sixteen.compression = 3;
    sixteen.masks = {0xf800, 0x07e0, 0x001f};
    sixteen.pixels = bytesOf({0x00, 0xf8, 0x1f, 0x00});
    const auto texts = decodedTexts(makeBmp(sixteen), QSize(2, 1));
    // Qt widens 5 bits by shifting, so full intensity reads 248.
    EXPECT_EQ(texts, (std::vector<std::string>{"248,0,0", "0,0,248"}));
}

// --- Reader: bad input ---

TEST(BmpReader, RefusesEmptyForeignAndBrokenFiles) {
    EXPECT_EQ(messageOf(decodeBmp(QByteArray())), "ファイルが空です");
    EXPECT_FALSE(decodeBmp(QByteArray("BM")).ok());
    EXPECT_FALSE(decodeBmp(QByteArray("\xff\xd8\xff\xe0 a jpeg start")).ok());

    // A PNG is not read just because Qt could: the file claims to be BMP.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(patternImage(4, 4).save(&buffer, "PNG"));
    EXPECT_FALSE(decodeBmp(png).ok());

    const QByteArray whole = encodeBmp(patternImage(9, 9)).value();
    for (qsizetype length = 1; length < 54; ++length) {
        ASSERT_FALSE(decodeBmp(whole.left(length)).ok()) << length;
    }
}

TEST(BmpReader, RefusesForgedSizesBeforeReading) {
    BmpRecipe huge;
    huge.width = 60000;
    huge.height = 60000;
    huge.pixels = QByteArray(64, '\0');
    EXPECT_EQ(messageOf(decodeBmp(makeBmp(huge))), "画像が大きすぎます (60000x60000)");
    huge.height = -60000;
    EXPECT_FALSE(decodeBmp(makeBmp(huge)).ok());
    // Within the limits of a JPEG, but more pixels than Qt's reader takes.
    huge.width = 16385;
    huge.height = 16384;
    EXPECT_EQ(messageOf(decodeBmp(makeBmp(huge))), "画像が大きすぎます (16385x16384)");
}

TEST(BmpReader, RefusesTruncatedPixelData) {
    // Qt's reader would fill the missing rows with stale memory.
    const QByteArray whole = encodeBmp(patternImage(41, 30)).value();
    for (const qsizetype length : {qsizetype(60), whole.size() / 2, whole.size() - 1}) {
        EXPECT_EQ(messageOf(decodeBmp(whole.left(length))), "BMPファイルが途中で切れています")
            << length;
    }
    // Extra bytes after the pixels do no harm.
    const auto longer = decodeBmp(whole + QByteArray(10, 'x'));
    ASSERT_TRUE(longer.ok());
    EXPECT_EQ(longer.value(), patternImage(41, 30));
}

// --- Reader: run-length encoded files ---

namespace {

const std::vector<std::array<uchar, 3>> kFourColours = {
    {0, 0, 0}, {200, 10, 10}, {10, 200, 10}, {10, 10, 200}};

std::string colour(int index) {
    const auto& entry = kFourColours[static_cast<size_t>(index)];
    return std::to_string(entry[0]) + "," + std::to_string(entry[1]) + "," +
           std::to_string(entry[2]);
}

// The pixels of a picture in the four colours, from the top row down.
std::vector<std::string> colours(std::initializer_list<int> indexes) {
    std::vector<std::string> texts;
    for (const int index : indexes) {
        texts.push_back(colour(index));
    }
    return texts;
}

BmpRecipe runLength(int bits, int width, int height, const QByteArray& stream) {
    BmpRecipe recipe;
    recipe.width = width;
    recipe.height = height;
    recipe.bitsPerPixel = bits;
    recipe.compression = bits == 8 ? 1 : 2;
    recipe.palette = kFourColours;
    recipe.pixels = stream;
    return recipe;
}

// 4 x 2 in RLE8: the bottom row one run of colour 0; the top row a run of
// one pixel, then three stored pixels (odd: a padding byte follows).
const QByteArray kRle8Stream = bytesOf({4, 0, 0, 0,              // 0 0 0 0, end of line
                                        1, 1, 0, 3, 1, 2, 2, 0,  // 1, then 1 2 2
                                        0, 0, 0, 1});            // end of line, of bitmap
const std::vector<std::string> kRle8Pixels = colours({1, 1, 2, 2, 0, 0, 0, 0});
// Bytes after which every pixel of kRle8Stream is written: the padding and
// the markers may be missing.
constexpr qsizetype kRle8Covered = 11;

// 5 x 3 in RLE4: a run of alternating colours, five stored pixels (three
// bytes, padded), then three stored pixels and a run, ended by the
// end-of-bitmap marker alone.
const QByteArray kRle4Stream = bytesOf({5, 0x12, 0,    0,                         // 1 2 1 2 1
                                        0, 5,    0x30, 0x12, 0x30, 0,    0, 0,    // 3 0 1 2 3
                                        0, 3,    0x21, 0x00, 2,    0x33, 0, 1});  // 2 1 0 3 3
const std::vector<std::string> kRle4Pixels =
    colours({2, 1, 0, 3, 3, /**/ 3, 0, 1, 2, 3, /**/ 1, 2, 1, 2, 1});

}  // namespace

TEST(BmpRunLength, DecodesCompleteStreamsExactly) {
    EXPECT_EQ(decodedTexts(makeBmp(runLength(8, 4, 2, kRle8Stream)), QSize(4, 2)), kRle8Pixels);
    EXPECT_EQ(decodedTexts(makeBmp(runLength(4, 5, 3, kRle4Stream)), QSize(5, 3)), kRle4Pixels);
}

TEST(BmpRunLength, RefusesStreamsCutOffBeforeTheLastPixel) {
    // Qt's reader would return the pixels never reached as stale memory.
    for (qsizetype length = 0; length <= kRle8Stream.size(); ++length) {
        SCOPED_TRACE(length);
        const QByteArray file = makeBmp(runLength(8, 4, 2, kRle8Stream.left(length)));
        if (length < kRle8Covered) {
            EXPECT_EQ(messageOf(decodeBmp(file)), "BMPファイルが途中で切れています");
        } else {
            EXPECT_EQ(decodedTexts(file, QSize(4, 2)), kRle8Pixels);
        }
    }
    for (qsizetype length = 0; length < kRle4Stream.size(); ++length) {
        SCOPED_TRACE(length);
        const auto result = decodeBmp(makeBmp(runLength(4, 5, 3, kRle4Stream.left(length))));
        if (result.ok()) {
            EXPECT_EQ(pixelTexts(result.value()), kRle4Pixels);
        }
    }
    // A file shorter than the compressed size its header declares.
    BmpRecipe declaredLonger = runLength(8, 4, 2, kRle8Stream.left(kRle8Covered));
    declaredLonger.declaredPixelBytes = static_cast<quint32>(kRle8Stream.size());
    EXPECT_EQ(messageOf(decodeBmp(makeBmp(declaredLonger))), "BMPファイルが途中で切れています");
}

TEST(BmpRunLength, RefusesStreamsThatLeavePixelsUnwritten) {
    const std::vector<std::pair<const char*, QByteArray>> streams = {
        {"end of bitmap early", bytesOf({4, 0, 0, 0, 2, 1, 0, 1})},
        {"end of line before the row is full", bytesOf({4, 0, 0, 0, 2, 1, 0, 0, 0, 1})},
        {"delta over two pixels", bytesOf({4, 0, 0, 0, 0, 2, 2, 0, 2, 2, 0, 1})},
        {"run past the row end", bytesOf({4, 0, 0, 0, 5, 1, 0, 1})},
        {"run into the next row", bytesOf({6, 0, 0, 0, 2, 1, 0, 1})},
        {"stored pixels past the row end", bytesOf({4, 0, 0, 0, 0, 5, 1, 1, 1, 1, 1, 0, 0, 1})},
    };
    for (const auto& [what, stream] : streams) {
        EXPECT_EQ(messageOf(decodeBmp(makeBmp(runLength(8, 4, 2, stream)))),
                  "BMPファイルが壊れています")
            << what;
    }
    EXPECT_EQ(messageOf(decodeBmp(makeBmp(runLength(4, 5, 3, bytesOf({5, 0x12, 0, 1}))))),
              "BMPファイルが壊れています");
}

TEST(BmpRunLength, DropsPixelsCodedIntoARowsPadding) {
    // Rows coded as wide as an uncompressed row's whole 32-bit words, as
    // ImageMagick writes them: 6 pixels coded as 8, 5 as 8 in RLE4.
    const QByteArray rle8 = bytesOf({6, 1, 2, 0, 0, 0,                    // 1 x6, padding
                                     0, 7, 2, 2, 3, 3, 2, 2, 1, 0, 1, 3,  // 2 2 3 3 2 2, padding
                                     0, 0, 0, 1});
    EXPECT_EQ(decodedTexts(makeBmp(runLength(8, 6, 2, rle8)), QSize(6, 2)),
              colours({2, 2, 3, 3, 2, 2, /**/ 1, 1, 1, 1, 1, 1}));
    const QByteArray rle4 = bytesOf({8, 0x12, 0, 0,                    // 1 2 1 2 1, padding
                                     0, 6, 0x30, 0x12, 0x33, 0, 0, 0,  // 3 0 1 2 3, padding
                                     0, 1});
    EXPECT_EQ(decodedTexts(makeBmp(runLength(4, 5, 2, rle4)), QSize(5, 2)),
              colours({3, 0, 1, 2, 3, /**/ 1, 2, 1, 2, 1}));
    // Past the padding is past the picture.
    EXPECT_EQ(messageOf(decodeBmp(makeBmp(runLength(8, 6, 1, bytesOf({9, 1, 0, 1}))))),
              "BMPファイルが壊れています");
}

TEST(BmpRunLength, RefusesASmallFileDeclaringAHugePicture) {
    // 1 KB of whole rows of a 16000 x 16000 picture: refused from the data
    // alone, before a picture of 256 million pixels is allocated.
    QByteArray rows;
    while (rows.size() < 1000) {
        for (int run = 0; run < 62; ++run) {
            rows += bytesOf({255, 1});
        }
        rows += bytesOf({190, 2, 0, 0});
    }
    for (const int bits : {8, 4}) {
        EXPECT_EQ(messageOf(decodeBmp(makeBmp(runLength(bits, 16000, 16000, rows)))),
                  "BMPファイルが途中で切れています")
            << bits;
    }
}

TEST(BmpReader, PixelsStartAfterTheColourTableWhateverTheOffsetSays) {
    // The offset points into the colour table, and the file ends where the
    // rows would end from there; Qt's reader starts after the table and
    // would leave the last rows it cannot read as stale memory.
    BmpRecipe shifted;
    shifted.width = 4;
    shifted.height = 300;
    shifted.bitsPerPixel = 8;
    shifted.palette = kFourColours;
    shifted.pixelOffset = 54;
    shifted.pixels = QByteArray(4 * 300 - 16, '\1');
    EXPECT_EQ(messageOf(decodeBmp(makeBmp(shifted))), "BMPファイルが途中で切れています");
}

TEST(BmpHeader, MinimumFileSizeSaturatesForAnyDeclaredSize) {
    for (const int height : {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        BmpRecipe huge;
        huge.width = std::numeric_limits<int>::max();
        huge.height = height;
        huge.bitsPerPixel = 32;
        const auto header = imaging::detail::parseBmpHeader(makeBmp(huge));
        ASSERT_TRUE(header.has_value()) << height;
        EXPECT_EQ(header->minimumFileSize(), std::numeric_limits<qint64>::max()) << height;
    }
    BmpRecipe small;
    small.width = 3;
    small.height = -2;
    small.pixels = QByteArray(24, '\0');
    const auto header = imaging::detail::parseBmpHeader(makeBmp(small));
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->minimumFileSize(), 54 + 2 * 12);
}
