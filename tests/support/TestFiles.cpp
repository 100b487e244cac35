#include "tests/support/TestFiles.h"

#include "imaging/PictureIo.h"

#include <QFile>

#include <gtest/gtest.h>

namespace testing_support {

QImage patternImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uchar>(x * 7 + y);
            row[3 * x + 1] = static_cast<uchar>(y * 5 + 3 * x);
            row[3 * x + 2] = static_cast<uchar>((x ^ y) * 3);
        }
    }
    return image;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

void writeBmp(const QString& path, const QImage& picture) {
    const auto bytes = imaging::encodeBmp(picture);
    ASSERT_TRUE(bytes.ok()) << bytes.error().message.toStdString();
    writeBytes(path, bytes.value());
}

void writeJpeg(const QString& path, const QImage& picture, int quality) {
    const auto bytes = imaging::encodeJpeg(picture, quality);
    ASSERT_TRUE(bytes.ok()) << bytes.error().message.toStdString();
    writeBytes(path, bytes.value());
}

}  // namespace testing_support
