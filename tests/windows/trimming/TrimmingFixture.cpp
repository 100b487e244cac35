#include "tests/windows/trimming/TrimmingFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/OpenFolderDialog.h"
#include "tests/support/TestFiles.h"
#include "trimming/TrimmingView.h"
#include "trimming/ViewPicture.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

namespace {

// What a widget receives from a double-click: a click, then the double-click.
void doubleClick(QWidget* widget, QPoint position) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, position);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, position);
}

}  // namespace

void TrimmingFixture::SetUp() {
    ASSERT_TRUE(pictures_.isValid());
    ProgramFixture::SetUp();
}

QString TrimmingFixture::picturePath(const QString& name) const {
    return QDir(pictures_.path()).filePath(name);
}

QImage TrimmingFixture::pattern(int width, int height) {
    return testing_support::patternImage(width, height);
}

void TrimmingFixture::writePicture(const QString& name, const QImage& picture) const {
    if (name.endsWith(QStringLiteral(".jpg"))) {
        testing_support::writeJpeg(picturePath(name), picture);
    } else {
        testing_support::writeBmp(picturePath(name), picture);
    }
}

void TrimmingFixture::openDialog() {
    openDialogOn(pictures_.path());
}

void TrimmingFixture::loadPictures() {
    loadFolder(pictures_.path());
    ASSERT_EQ(list().count(), openFolderDialog().fileCount());
}

void TrimmingFixture::doubleClickItem(int row) {
    QListWidgetItem* item = list().item(row);
    ASSERT_NE(item, nullptr);
    list().scrollToItem(item);
    const QPoint centre = list().visualItemRect(item).center();
    doubleClick(list().viewport(), centre);
}

void TrimmingFixture::doubleClickEntry(int entry) {
    QTreeWidgetItem* item = openFolderDialog().ShellListView1->topLevelItem(entry);
    ASSERT_NE(item, nullptr);
    openFolderDialog().ShellListView1->scrollToItem(item);
    const QPoint centre = openFolderDialog().ShellListView1->visualItemRect(item).center();
    doubleClick(openFolderDialog().ShellListView1->viewport(), centre);
}

void TrimmingFixture::doubleClickPicture() {
    doubleClick(trimmingView().Image1, QPoint(5, 5));
}

bool TrimmingFixture::viewSettled() {
    const TrimmingView& view = trimmingView();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return view.isVisible() && view.isMaximized() &&
           view.frameGeometry().size() == screen->availableGeometry().size() &&
           view.Image1->picture().size() == view.Image1->size();
}

void TrimmingFixture::waitForView() {
    ASSERT_TRUE(waitFor([this] { return viewSettled(); }))
        << "visible " << trimmingView().isVisible() << " maximised " << trimmingView().isMaximized()
        << " frame " << trimmingView().frameGeometry().width() << "x"
        << trimmingView().frameGeometry().height() << " picture "
        << trimmingView().Image1->picture().width() << " area " << trimmingView().Image1->width()
        << " notice " << noticeShown() << " main " << mainWindow().isEnabled();
    // Let a pending re-layout run, so the picture is final.
    QTest::qWait(20);
    ASSERT_TRUE(viewSettled());
}

void TrimmingFixture::key(int qtKey, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&trimmingView(), static_cast<Qt::Key>(qtKey), modifiers);
}

void TrimmingFixture::holdKey(int qtKey, int repeats) {
    auto send = [&](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, qtKey, Qt::NoModifier, QString(), repeat);
        QCoreApplication::sendEvent(&trimmingView(), &event);
    };
    send(QEvent::KeyPress, false);
    for (int n = 0; n < repeats; ++n) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    send(QEvent::KeyRelease, false);
}

QString TrimmingFixture::title() {
    return trimmingView().windowTitle();
}
QString TrimmingFixture::panel1Text() {
    return trimmingView().Panel1->text();
}
bool TrimmingFixture::panel1Shown() {
    return trimmingView().Panel1->isVisible();
}
QString TrimmingFixture::viewStatus(int panel) {
    return trimmingView().statusText(panel);
}

trimming::ViewFit TrimmingFixture::fitInView(int width, int height) {
    const QSize area = trimmingView().Image1->size();
    return trimming::fitImage(width, height, area.width(), area.height());
}

QString TrimmingFixture::trimmingFile(const QString& name) const {
    return QDir(pictures_.path()).filePath(QStringLiteral("trimming/") + name);
}
