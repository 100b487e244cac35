#include "tests/windows/trimming/TrimmingFixture.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/MainWindow.h"
#include "dialogs/OpenFolderDialog.h"
#include "tests/support/TestFiles.h"
#include "trimming/TrimmingView.h"
#include "trimming/ViewPicture.h"

#include <QAccessible>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// What a widget receives from a double-click: a click, then the double-click.
void doubleClick(QWidget* widget, QPoint position) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, position);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, position);
}

// The control of `window` that a screen reader calls `name`.
template <typename Control>
Control* controlCalled(QWidget& window, const QString& name) {
    for (Control* control : window.findChildren<Control*>()) {
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (accessible != nullptr && accessible->text(QAccessible::Name) == name) {
            return control;
        }
    }
    return nullptr;
}

}  // namespace

void TrimmingFixture::SetUp() {
    ASSERT_TRUE(pictures_.isValid());
    ProgramFixture::SetUp();
    writePicture(QStringLiteral("a.b.bmp"), pattern(40, 30));
    writePicture(QStringLiteral("p2.bmp"), pattern(1000, 200));
    writePicture(QStringLiteral("p3.jpg"), pattern(30, 50));
    if (startIn_ == StartIn::Catalogue) {
        loadPictures();
    } else {
        openDialog();
    }
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

void TrimmingFixture::clickDialogButton(const QString& caption) {
    QPushButton* button = controlCalled<QPushButton>(openFolderDialog(), caption);
    ASSERT_NE(button, nullptr) << caption.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

void TrimmingFixture::doubleClickEntry(int entry) {
    QTreeWidget* files =
        controlCalled<QTreeWidget>(openFolderDialog(), QStringLiteral("ファイル一覧"));
    ASSERT_NE(files, nullptr);
    QTreeWidgetItem* item = files->topLevelItem(entry);
    ASSERT_NE(item, nullptr);
    files->scrollToItem(item);
    doubleClick(files->viewport(), files->visualItemRect(item).center());
}

void TrimmingFixture::doubleClickPicture() {
    doubleClick(trimmingView().pictureArea, QPoint(5, 5));
}

bool TrimmingFixture::viewSettled() {
    const TrimmingView& view = trimmingView();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return view.isVisible() && view.isMaximized() &&
           view.frameGeometry().size() == screen->availableGeometry().size() &&
           view.pictureArea->picture().size() == view.pictureArea->size();
}

void TrimmingFixture::waitForView() {
    ASSERT_TRUE(waitFor([this] { return viewSettled(); }))
        << "visible " << trimmingView().isVisible() << " maximised " << trimmingView().isMaximized()
        << " frame " << trimmingView().frameGeometry().width() << "x"
        << trimmingView().frameGeometry().height() << " picture "
        << trimmingView().pictureArea->picture().width() << " area "
        << trimmingView().pictureArea->width() << " notice " << noticeShown() << " main "
        << mainWindow().isEnabled();
    // Deliver what is still queued (a re-layout, the picture following it),
    // so the picture is final.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
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

trimming::SequencePhase TrimmingFixture::phase() {
    return trimmingView().sequence().phase();
}

void TrimmingFixture::tick() {
    const TrimmingView& view = trimmingView();
    ASSERT_TRUE(view.sequence().running());
    ASSERT_TRUE(view.sequenceTimer->isActive());
    ASSERT_EQ(view.sequenceTimer->interval(), view.sequence().interval());
    trimmingView().advanceSequence();
}

void TrimmingFixture::runRequest(const QString& doneText) {
    ASSERT_NE(messageText(), doneText);
    tick();
    ASSERT_NE(messageText(), doneText);
    ASSERT_EQ(trimmingView().sequenceTimer->interval(), 301) << messageText().toStdString();
    tick();
    ASSERT_EQ(messageText(), doneText);
    ASSERT_TRUE(messageShown());
    ASSERT_EQ(trimmingView().sequenceTimer->interval(), 300);
    tick();
    ASSERT_FALSE(messageShown());
    ASSERT_FALSE(trimmingView().sequenceTimer->isActive());
}

QString TrimmingFixture::title() {
    return trimmingView().windowTitle();
}
QString TrimmingFixture::messageText() {
    return trimmingView().messagePanel->text();
}
bool TrimmingFixture::messageShown() {
    return trimmingView().messagePanel->isVisible();
}
QString TrimmingFixture::stepText() {
    return trimmingView().stepPanel->text();
}
QString TrimmingFixture::showNextText() {
    return trimmingView().showNextPanel->text();
}
QString TrimmingFixture::namingText() {
    return trimmingView().namingPanel->text();
}

trimming::ViewFit TrimmingFixture::fitInView(int width, int height) {
    const QSize area = trimmingView().pictureArea->size();
    return trimming::fitImage(width, height, area.width(), area.height());
}

QString TrimmingFixture::trimmingFile(const QString& name) const {
    return QDir(pictures_.path()).filePath(QStringLiteral("trimming/") + name);
}

QStringList TrimmingFixture::trimmingFiles() const {
    return QDir(pictures_.path() + QStringLiteral("/trimming")).entryList(QDir::Files);
}
