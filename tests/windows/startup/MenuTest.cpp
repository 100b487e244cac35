// The main menu: captions, plain-letter shortcuts, the busy test and the
// version notice.
#include "tests/windows/ProgramFixture.h"

#include "catalogue/MainWindow.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/SettingsDialog.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

using MainMenu = ProgramFixture;

TEST_F(MainMenu, CaptionsAndShortcutsAreAsDesigned) {
    EXPECT_EQ(mainWindow().Open1->title(), "ファイル(&F)");
    EXPECT_EQ(mainWindow().Riname->title(), "編集(&E)");
    EXPECT_EQ(mainWindow().Hyouzi->title(), "ツール(&T)");
    EXPECT_EQ(mainWindow().N1->title(), "ヘルプ(&H)");
    const std::pair<QAction*, const char*> shortcuts[] = {
        {mainWindow().Folder1, "O"}, {mainWindow().SyuuRyou, "X"}, {mainWindow().G1, "G"},
        {mainWindow().HANTEN, "H"},  {mainWindow().Ikkatu, "B"},   {mainWindow().Kobetu, "R"},
        {mainWindow().Settei, "C"},  {mainWindow().VERSION, ""},
    };
    for (const auto& [action, key] : shortcuts) {
        EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(key))
            << action->text().toStdString();
    }
    EXPECT_EQ(mainWindow().Kobetu->text(), "リネーム(&R)");
    EXPECT_EQ(mainWindow().VERSION->text(), "バージョン情報(&A)");
}

TEST_F(MainMenu, PlainLettersWorkWhileTheMainWindowHasTheFocus) {
    mainWindow().activateWindow();
    QTest::keyClick(&mainWindow(), Qt::Key_C);
    EXPECT_TRUE(settingsDialog().isVisible());
    EXPECT_FALSE(mainWindow().isEnabled());
    QTest::mouseClick(settingsDialog().Button2, Qt::LeftButton);
    EXPECT_TRUE(mainWindow().isEnabled());
    EXPECT_FALSE(settingsDialog().isVisible());
}

TEST_F(MainMenu, EveryCommandIsInertWhileLoading) {
    mainWindow().setStatusText(0, QStringLiteral("読込中"));
    for (QAction* action :
         {mainWindow().Folder1, mainWindow().SyuuRyou, mainWindow().G1, mainWindow().HANTEN,
          mainWindow().Ikkatu, mainWindow().Kobetu, mainWindow().Settei, mainWindow().VERSION}) {
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
    mainWindow().VERSION->trigger();
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
