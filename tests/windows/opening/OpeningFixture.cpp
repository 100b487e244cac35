#include "tests/windows/opening/OpeningFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/FolderTree.h"
#include "dialogs/OpenFolderDialog.h"
#include "tests/support/TestFiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

void OpeningFixture::SetUp() {
    ASSERT_TRUE(files_.isValid());
    ProgramFixture::SetUp();
}

QString OpeningFixture::file(const QString& name) const {
    return QDir(files_.path()).filePath(name);
}

void OpeningFixture::writeEmpty(const QString& name) const {
    QFile created(file(name));
    ASSERT_TRUE(created.open(QIODevice::WriteOnly)) << name.toStdString();
}

void OpeningFixture::writeJpeg(const QString& name, const QImage& picture) const {
    testing_support::writeJpeg(file(name), picture, 90);
}

void OpeningFixture::writeBmp(const QString& name, const QImage& picture) const {
    testing_support::writeBmp(file(name), picture);
}

bool OpeningFixture::loadingEnded() {
    return !mainWindow().Timer1->isActive();
}

void OpeningFixture::waitUntilLoaded() {
    ASSERT_TRUE(waitFor([this] { return loadingEnded(); }, 20000));
}

int OpeningFixture::itemCount() {
    return mainWindow().List->count();
}

QString OpeningFixture::caption(int item) {
    return mainWindow().List->item(item)->text();
}

QStringList OpeningFixture::captions() {
    QStringList all;
    for (int item = 0; item < itemCount(); ++item)
        all.push_back(caption(item));
    return all;
}

int OpeningFixture::selectedCount() {
    return static_cast<int>(mainWindow().List->selectedItems().size());
}

QImage OpeningFixture::thumbnail(int item) {
    CatalogueList& list = *mainWindow().List;
    return list.item(item)
        ->icon()
        .pixmap(list.iconSize())
        .toImage()
        .convertToFormat(QImage::Format_RGB888);
}

QRgb OpeningFixture::background() {
    return mainWindow().List->palette().color(QPalette::Base).rgb();
}
