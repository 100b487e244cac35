#include "tests/windows/selection/CatalogueFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/TForm1.h"
#include "dialogs/TForm2.h"
#include "imaging/PictureIo.h"
#include "tests/support/TestFiles.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
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

void CatalogueFixture::startLoading(const QString& folder) {
    form1().Folder1->trigger();
    form2().selectFolder(folder);
    ASSERT_TRUE(waitFor([&] { return form2().listedFolder() == folder; }));
    QTest::mouseClick(form2().Button1, Qt::LeftButton);
}

void CatalogueFixture::loadFolder(const QString& folder) {
    startLoading(folder);
    ASSERT_TRUE(waitFor([&] { return panel(0) == QStringLiteral("読込完了"); }, 20000));
}

CatalogueList& CatalogueFixture::list() {
    return *form1().List;
}

QListWidgetItem& CatalogueFixture::item(int row) {
    return *list().item(row);
}

QString CatalogueFixture::panel(int index) {
    return (index == 0 ? form1().StatusPanel0 : form1().StatusPanel1)->text();
}

std::vector<int> CatalogueFixture::selectedRows() {
    std::vector<int> rows;
    for (const QModelIndex& index : list().selectionModel()->selectedIndexes()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CatalogueFixture::focusedRow() {
    const QModelIndex current = list().selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CatalogueFixture::clickItem(int row, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(list().viewport(), Qt::LeftButton, modifiers,
                      list().visualItemRect(&item(row)).center());
}

void CatalogueFixture::clickEmptySpace() {
    const QPoint corner(list().viewport()->width() - 3, list().viewport()->height() - 3);
    ASSERT_EQ(list().itemAt(corner), nullptr);
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, corner);
}

void CatalogueFixture::keyInList(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&list(), key, modifiers);
}
