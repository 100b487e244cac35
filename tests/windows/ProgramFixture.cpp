#include "tests/windows/ProgramFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "catalogue/StatusTexts.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "trimming/TrimmingView.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    return QTest::qWaitFor(condition, timeoutMs);
}

void ProgramFixture::SetUp() {
    ASSERT_TRUE(start_.isValid());
    previousFolder_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(start_.path()));
    if (startAutomatically)
        startProgram();
}

void ProgramFixture::TearDown() {
    program_.reset();
    QDir::setCurrent(previousFolder_);
}

void ProgramFixture::startProgram() {
    program_ = std::make_unique<Program>();
    mainWindow().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow()));
    ASSERT_TRUE(waitFor([this] { return !mainWindow().startUpTimer->isActive(); }));
}

QString ProgramFixture::pathInStart(const QString& name) const {
    return QDir(start_.path()).filePath(name);
}

QString ProgramFixture::noticeText() {
    return noticeBox().messageLabel->text();
}
QString ProgramFixture::noticeLine() {
    return noticeBox().secondLineLabel->text();
}
bool ProgramFixture::noticeShown() {
    return noticeBox().isVisible();
}

void ProgramFixture::pressNoticeOk() {
    ASSERT_TRUE(noticeBox().isVisible());
    QTest::mouseClick(noticeBox().okButton, Qt::LeftButton);
}

void ProgramFixture::openDialogOn(const QString& folder) {
    mainWindow().openAction->trigger();
    ASSERT_TRUE(openFolderDialog().isVisible());
    openFolderDialog().selectFolder(folder);
    ASSERT_TRUE(waitFor([&] { return openFolderDialog().listedFolder() == folder; }));
}

void ProgramFixture::startLoading(const QString& folder) {
    openDialogOn(folder);
    QTest::mouseClick(openFolderDialog().okButton, Qt::LeftButton);
    ASSERT_FALSE(openFolderDialog().isVisible());
    ASSERT_TRUE(mainWindow().isBusy());
    ASSERT_EQ(panel(0), catalogue::loadPhaseText(model::LoadingState::Phase::Running));
}

void ProgramFixture::loadFolder(const QString& folder) {
    startLoading(folder);
    ASSERT_TRUE(waitFor([&] { return !mainWindow().isBusy(); }, 20000));
    ASSERT_TRUE(mainWindow().isEnabled());
}

CatalogueList& ProgramFixture::list() {
    return mainWindow().catalogueList();
}

QString ProgramFixture::panel(int index) {
    return mainWindow().statusText(index);
}

std::vector<int> ProgramFixture::selectedRows() {
    std::vector<int> rows;
    for (const QModelIndex& index : list().selectionModel()->selectedIndexes()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ProgramFixture::focusedRow() {
    const QModelIndex current = list().selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ProgramFixture::clickItem(int row, Qt::KeyboardModifiers modifiers) {
    QListWidgetItem* item = list().item(row);
    ASSERT_NE(item, nullptr) << "no item " << row;
    list().scrollToItem(item);
    QTest::mouseClick(list().viewport(), Qt::LeftButton, modifiers,
                      list().visualItemRect(item).center());
}

QPoint ProgramFixture::emptyPoint() {
    const QPoint corner(list().viewport()->width() - 3, list().viewport()->height() - 3);
    EXPECT_EQ(list().itemAt(corner), nullptr);
    return corner;
}

void ProgramFixture::clickEmptySpace() {
    QTest::mouseClick(list().viewport(), Qt::LeftButton, Qt::NoModifier, emptyPoint());
}

void ProgramFixture::keyInList(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&list(), key, modifiers);
}

bool ProgramFixture::showInTrimmingView(const QString& path) {
    const QFileInfo file(path);
    shownPictures_.list(file.absolutePath());
    shownPictures_.setCurrent(
        static_cast<int>(shownPictures_.fileNames().indexOf(file.fileName())));
    return trimmingView().showItems(shownPictures_).ok();
}
