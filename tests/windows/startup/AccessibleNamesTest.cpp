// What screen readers and accessibility-driven tools read from the windows.
#include "tests/windows/ProgramFixture.h"

#include "book/BookDialog.h"
#include "catalogue/MainWindow.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "dialogs/RenameDialog.h"
#include "dialogs/SettingsDialog.h"
#include "split/SplitDialog.h"
#include "tests/support/TestFiles.h"
#include "trimming/TrimmingView.h"
#include "trimming/ViewPicture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

namespace {

QString accessibleName(QWidget& widget) {
    QAccessibleInterface* const face = QAccessible::queryAccessibleInterface(&widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

QString describe(const QWidget& widget) {
    return QStringLiteral("%1 %2 in %3")
        .arg(QString::fromLatin1(widget.metaObject()->className()), widget.objectName(),
             widget.window()->objectName());
}

// Controls a person reads or operates; Qt's own parts of them (scroll bars,
// viewports, headers) are left to Qt.
bool isControl(const QWidget& widget) {
    if (widget.objectName().startsWith("qt_") ||
        qobject_cast<const QHeaderView*>(&widget) != nullptr) {
        return false;
    }
    return qobject_cast<const QLabel*>(&widget) != nullptr ||
           qobject_cast<const QAbstractButton*>(&widget) != nullptr ||
           qobject_cast<const QLineEdit*>(&widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(&widget) != nullptr ||
           qobject_cast<const QGroupBox*>(&widget) != nullptr ||
           qobject_cast<const QStatusBar*>(&widget) != nullptr || !widget.objectName().isEmpty();
}

// Every window and control has its designer name as object name. Every
// label and panel is read by its current text; every other control and
// every window has a name, never its designer name; a window with a title
// is read by it.
void expectReadable(QWidget& window) {
    const QString windowName = accessibleName(window);
    EXPECT_FALSE(window.objectName().isEmpty()) << describe(window).toStdString();
    EXPECT_FALSE(windowName.isEmpty()) << describe(window).toStdString();
    EXPECT_NE(windowName, window.objectName());
    if (!window.windowTitle().isEmpty()) {
        EXPECT_EQ(windowName, window.windowTitle());
    }
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!isControl(*widget)) {
            continue;
        }
        // Tools find a control by its designer name.
        EXPECT_FALSE(widget->objectName().isEmpty()) << describe(*widget).toStdString();
        const QString name = accessibleName(*widget);
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (label != nullptr && (!label->text().isEmpty() || label->pixmap().isNull())) {
            EXPECT_EQ(name, label->text()) << describe(*widget).toStdString();
            continue;
        }
        EXPECT_FALSE(name.isEmpty()) << describe(*widget).toStdString();
        EXPECT_NE(name, widget->objectName()) << describe(*widget).toStdString();
    }
}

class ScreenReaders : public ProgramFixture {
protected:
    // The trimming view open on a picture of the catalogue, as from the main window.
    void openTrimmingView() {
        const QString path = pathInStart(QStringLiteral("p1.bmp"));
        testing_support::writeBmp(path, testing_support::patternImage(40, 30));
        ASSERT_TRUE(showInTrimmingView(path));
    }
};

TEST_F(ScreenReaders, ReadEveryLabelPanelAndControlOfEveryWindow) {
    noticeBox().notify(&mainWindow(), QStringLiteral("設定ファイルが壊れています"),
                       QStringLiteral("Quillfold.ini の 3 行目以降は読み込みません"));
    openTrimmingView();
    for (QWidget* window : std::initializer_list<QWidget*>{
             &mainWindow(), &openFolderDialog(), &splitDialog(), &renameDialog(), &settingsDialog(),
             &noticeBox(), &trimmingView(), &folderChooser(), &bookDialog()}) {
        expectReadable(*window);
    }
    EXPECT_EQ(accessibleName(*noticeBox().messageLabel),
              QStringLiteral("設定ファイルが壊れています"));
    EXPECT_EQ(accessibleName(*trimmingView().namingPanel), QStringLiteral("[N] 元名+なし"));
    EXPECT_EQ(accessibleName(*trimmingView().pictureArea), QStringLiteral("画像"));
}

TEST_F(ScreenReaders, ReadStatusAndNoticeTextsAfterTheyChange) {
    mainWindow().detailPanel->setText(QStringLiteral("[2] p2.jpg"));
    EXPECT_EQ(accessibleName(*mainWindow().detailPanel), QStringLiteral("[2] p2.jpg"));

    openTrimmingView();
    QTest::keyClick(&trimmingView(), Qt::Key_T);
    EXPECT_EQ(accessibleName(*trimmingView().showNextPanel), QStringLiteral("[T] 次表示 無効"));
    noticeBox().notify(&mainWindow(), QStringLiteral("見当たらないファイルがあります"),
                       QStringLiteral("読込を中断します"));
    EXPECT_EQ(accessibleName(*noticeBox().secondLineLabel), QStringLiteral("読込を中断します"));
}

}  // namespace
