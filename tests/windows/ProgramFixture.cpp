#include "tests/windows/ProgramFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/StatusTexts.h"
#include "catalogue/TForm1.h"
#include "dialogs/TForm2.h"
#include "dialogs/TForm6.h"

#include <QAction>
#include <QDir>
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
    form1().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1()));
    ASSERT_TRUE(waitFor([this] { return !form1().Timer2->isActive(); }));
}

QString ProgramFixture::pathInStart(const QString& name) const {
    return QDir(start_.path()).filePath(name);
}

QString ProgramFixture::noticeText() {
    return form6().Panel1->text();
}
QString ProgramFixture::noticeLine() {
    return form6().Label1->text();
}
bool ProgramFixture::noticeShown() {
    return form6().isVisible();
}

void ProgramFixture::pressNoticeOk() {
    ASSERT_TRUE(form6().isVisible());
    QTest::mouseClick(form6().Button1, Qt::LeftButton);
}

void ProgramFixture::openDialogOn(const QString& folder) {
    form1().Folder1->trigger();
    ASSERT_TRUE(form2().isVisible());
    form2().selectFolder(folder);
    ASSERT_TRUE(waitFor([&] { return form2().listedFolder() == folder; }));
}

void ProgramFixture::startLoading(const QString& folder) {
    openDialogOn(folder);
    QTest::mouseClick(form2().Button1, Qt::LeftButton);
    ASSERT_FALSE(form2().isVisible());
    ASSERT_EQ(panel(0), catalogue::kLoadingText);
}

void ProgramFixture::loadFolder(const QString& folder) {
    startLoading(folder);
    ASSERT_TRUE(waitFor([&] { return !form1().Timer1->isActive(); }, 20000));
    ASSERT_TRUE(form1().isEnabled());
}

CatalogueList& ProgramFixture::list() {
    return *form1().List;
}

QString ProgramFixture::panel(int index) {
    return form1().statusText(index);
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
