// The main menu: captions, plain-letter shortcuts, the busy test and the
// version notice.
#include "tests/windows/CatalogueFixture.h"

#include "catalogue/MainWindow.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/SettingsDialog.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

using MainMenu = CatalogueFixture;

TEST_F(MainMenu, CaptionsAndShortcutsAreAsDesigned) {
    EXPECT_EQ(mainWindow().fileMenu->title(), "ファイル(&F)");
    EXPECT_EQ(mainWindow().editMenu->title(), "編集(&E)");
    EXPECT_EQ(mainWindow().toolsMenu->title(), "ツール(&T)");
    EXPECT_EQ(mainWindow().helpMenu->title(), "ヘルプ(&H)");
    const std::pair<QAction*, const char*> shortcuts[] = {
        {mainWindow().openAction, "O"},       {mainWindow().exitAction, "X"},
        {mainWindow().autoSelectAction, "G"}, {mainWindow().invertSelectionAction, "H"},
        {mainWindow().splitAction, "B"},      {mainWindow().renameAction, "R"},
        {mainWindow().settingsAction, "C"},   {mainWindow().versionAction, ""},
    };
    for (const auto& [action, key] : shortcuts) {
        EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(key))
            << action->text().toStdString();
    }
    EXPECT_EQ(mainWindow().renameAction->text(), "リネーム(&R)");
    EXPECT_EQ(mainWindow().versionAction->text(), "バージョン情報(&A)");
}

TEST_F(MainMenu, PlainLettersWorkWhileTheMainWindowHasTheFocus) {
    mainWindow().activateWindow();
    QTest::keyClick(&mainWindow(), Qt::Key_C);
    EXPECT_TRUE(settingsDialog().isVisible());
    EXPECT_FALSE(mainWindow().isEnabled());
    QTest::mouseClick(settingsDialog().cancelButton, Qt::LeftButton);
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_FALSE(settingsDialog().isVisible());
}

TEST_F(MainMenu, EveryCommandIsInertWhileLoading) {
    startLongLoading();
    for (QAction* action :
         {mainWindow().openAction, mainWindow().exitAction, mainWindow().autoSelectAction,
          mainWindow().invertSelectionAction, mainWindow().splitAction, mainWindow().renameAction,
          mainWindow().settingsAction, mainWindow().versionAction}) {
        action->trigger();
        EXPECT_TRUE(mainWindow().isEnabled()) << action->text().toStdString();
        EXPECT_TRUE(mainWindow().isVisible());
        EXPECT_FALSE(noticeShown());
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &mainWindow()) {
            EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
        }
    }
}

TEST_F(MainMenu, VersionNoticeReturnsControlToTheMainWindow) {
    mainWindow().versionAction->trigger();
    ASSERT_TRUE(noticeShown());
    EXPECT_EQ(noticeText(), "Quillfold Ver1.5");
    EXPECT_EQ(noticeLine(),
              "(C) 2026 Quillfold developers\nMIT License\nhttps://github.com/quillfold/quillfold");
    EXPECT_FALSE(mainWindow().isEnabled());
    EXPECT_EQ(noticeBox().focusWidget(), noticeBox().okButton);
    QTest::keyClick(noticeBox().okButton, Qt::Key_Space);
    EXPECT_FALSE(noticeShown());
    EXPECT_TRUE(mainWindow().isEnabled());
}

}  // namespace
