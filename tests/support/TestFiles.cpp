#include "tests/support/TestFiles.h"

#include "imaging/PictureIo.h"

#include <QFile>

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

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

QByteArray rawPath(const QString& folder, const QByteArray& rawName) {
    return QFile::encodeName(folder) + '/' + rawName;
}

void writeRawNamed(const QString& folder, const QByteArray& rawName, const QByteArray& bytes) {
    const QByteArray path = rawPath(folder, rawName);
    const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(file, 0) << path.toHex().toStdString();
    const auto written = ::write(file, bytes.constData(), static_cast<size_t>(bytes.size()));
    ::close(file);
    ASSERT_EQ(written, bytes.size());
}

void makeRawNamedFolder(const QString& folder, const QByteArray& rawName) {
    const QByteArray path = rawPath(folder, rawName);
    ASSERT_EQ(::mkdir(path.constData(), 0755), 0) << path.toHex().toStdString();
}

TreeRemover::TreeRemover(const QString& folder) : path_(QFile::encodeName(folder)) {}

TreeRemover::~TreeRemover() {
    // Deepest entries first, links removed rather than followed.
    ::nftw(
        path_.constData(),
        [](const char* path, const struct stat*, int, FTW*) {
            // Going on past an entry that will not go.
            ::remove(path);
            return 0;
        },
        16, FTW_DEPTH | FTW_PHYS);
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
