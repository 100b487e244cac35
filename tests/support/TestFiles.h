#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <utility>

namespace testing_support {

// A picture whose pixel (x, y) has a colour that depends on x and y, so a
// wrong row or column shows up in a comparison.
QImage patternImage(int width, int height);

// Writes bytes to a file, creating it; fails the test on error.
void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

// The path of `rawName` in `folder` as the system takes it: the name's
// bytes exactly as given, which need not be UTF-8 (Qt cannot express such
// a name in a QString).
QByteArray rawPath(const QString& folder, const QByteArray& rawName);
// Creates a file or a folder under a raw name; fails the test on error.
void writeRawNamed(const QString& folder, const QByteArray& rawName, const QByteArray& bytes);
void makeRawNamedFolder(const QString& folder, const QByteArray& rawName);

// Removes a folder and everything in it when it goes, names that are not
// UTF-8 included: QDir::removeRecursively (and so QTemporaryDir) passes
// over those and leaves the folder behind.
class TreeRemover {
public:
    explicit TreeRemover(QByteArray nativePath) : path_(std::move(nativePath)) {}
    explicit TreeRemover(const QString& folder);
    ~TreeRemover();
    TreeRemover(const TreeRemover&) = delete;
    TreeRemover& operator=(const TreeRemover&) = delete;

private:
    QByteArray path_;
};

// Writes `picture` as a 24-bit BMP or as a JPEG of the given quality.
void writeBmp(const QString& path, const QImage& picture);
void writeJpeg(const QString& path, const QImage& picture, int quality = 95);

}  // namespace testing_support
