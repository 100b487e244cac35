#include "tests/windows/CatalogueFixture.h"

#include "catalogue/CatalogueList.h"
#include "imaging/PictureIo.h"
#include "tests/support/TestFiles.h"

#include <QDir>

#include <map>
#include <utility>

QString CatalogueFixture::makeFolder(const QString& name, int count) {
    const QString folder = pathInStart(name);
    EXPECT_TRUE(QDir().mkpath(folder));
    for (int n = 1; n <= count; ++n) {
        testing_support::writeJpeg(
            QDir(folder).filePath(QString("p%1.jpg").arg(n, 2, 10, QChar('0'))),
            testing_support::patternImage(12, 8));
    }
    return folder;
}

void CatalogueFixture::startLongLoading() {
    startLoading(makeFolder(QStringLiteral("many"), 60));
}

void CatalogueFixture::writeSizedJpeg(const QString& path, QSize size) {
    // Encoded once per size for the whole program: large scans compress slowly.
    static std::map<std::pair<int, int>, QByteArray> encoded;
    QByteArray& bytes = encoded[{size.width(), size.height()}];
    if (bytes.isEmpty()) {
        QImage picture(size, QImage::Format_RGB888);
        picture.fill(QColor(200, 190, 170));
        bytes = imaging::encodeJpeg(picture, 50).value();
    }
    testing_support::writeBytes(path, bytes);
}

QListWidgetItem& CatalogueFixture::item(int row) {
    return *list().item(row);
}
