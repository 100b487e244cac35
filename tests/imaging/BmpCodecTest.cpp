#include "imaging/PictureIo.h"
#include "tests/support/TestFiles.h"

#include <QBuffer>

#include <gtest/gtest.h>

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
    int compression = 0;  // 0 BI_RGB, 1 BI_RLE8, 3 BI_BITFIELDS
    std::vector<std::array<uchar, 3>> palette;
    std::vector<quint32> masks;
    QByteArray pixels;
};

QByteArray makeBmp(const BmpRecipe& recipe) {
    const int offset =
        14 + 40 + static_cast<int>(4 * recipe.palette.size() + 4 * recipe.masks.size());
    QByteArray file("BM");
    putLittleEndian(file, static_cast<quint32>(offset + recipe.pixels.size()), 4);
    putLittleEndian(file, 0, 4);
    putLittleEndian(file, static_cast<quint32>(offset), 4);
    putLittleEndian(file, 40, 4);
    putLittleEndian(file, static_cast<quint32>(recipe.width), 4);
    putLittleEndian(file, static_cast<quint32>(recipe.height), 4);
    putLittleEndian(file, 1, 2);
    putLittleEndian(file, static_cast<quint32>(recipe.bitsPerPixel), 2);
    putLittleEndian(file, static_cast<quint32>(recipe.compression), 4);
    putLittleEndian(file, static_cast<quint32>(recipe.pixels.size()), 4);
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

std::string messageOf(const imaging::Expected<QImage>& result) {
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
