// The main menu: captions, plain-letter shortcuts, the busy test and the
// version notice.
#include "tests/windows/ProgramFixture.h"

#include "catalogue/TForm1.h"
#include "dialogs/TForm5.h"
#include "dialogs/TForm6.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

using MainMenu = ProgramFixture;

TEST_F(MainMenu, CaptionsAndShortcutsAreAsDesigned) {
    EXPECT_EQ(form1().Open1->title(), "ファイル(&F)");
    EXPECT_EQ(form1().Riname->title(), "編集(&E)");
    EXPECT_EQ(form1().Hyouzi->title(), "ツール(&T)");
    EXPECT_EQ(form1().N1->title(), "ヘルプ(&H)");
    const std::pair<QAction*, const char*> shortcuts[] = {
        {form1().Folder1, "O"}, {form1().SyuuRyou, "X"}, {form1().G1, "G"},
        {form1().HANTEN, "H"},  {form1().Ikkatu, "B"},   {form1().Kobetu, "R"},
        {form1().Settei, "C"},  {form1().VERSION, ""},
    };
    for (const auto& [action, key] : shortcuts) {
        EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(key))
            << action->text().toStdString();
    }
    EXPECT_EQ(form1().Kobetu->text(), "リネーム(&R)");
    EXPECT_EQ(form1().VERSION->text(), "バージョン情報(&A)");
}

TEST_F(MainMenu, PlainLettersWorkWhileTheMainWindowHasTheFocus) {
    form1().activateWindow();
    QTest::keyClick(&form1(), Qt::Key_C);
    EXPECT_TRUE(form5().isVisible());
    EXPECT_FALSE(form1().isEnabled());
    QTest::mouseClick(form5().Button2, Qt::LeftButton);
    EXPECT_TRUE(form1().isEnabled());
    EXPECT_FALSE(form5().isVisible());
}

TEST_F(MainMenu, EveryCommandIsInertWhileLoading) {
    form1().setStatusText(0, QStringLiteral("読込中"));
    for (QAction* action : {form1().Folder1, form1().SyuuRyou, form1().G1, form1().HANTEN,
                            form1().Ikkatu, form1().Kobetu, form1().Settei, form1().VERSION}) {
        action->trigger();
        EXPECT_TRUE(form1().isEnabled()) << action->text().toStdString();
        EXPECT_TRUE(form1().isVisible());
        EXPECT_FALSE(noticeShown());
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &form1()) {
            EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
        }
    }
}

TEST_F(MainMenu, VersionNoticeReturnsControlToTheMainWindow) {
    form1().VERSION->trigger();
    ASSERT_TRUE(noticeShown());
    EXPECT_EQ(noticeText(), "Quillfold Ver1.5");
    EXPECT_FALSE(noticeLine().isEmpty());
    EXPECT_FALSE(form1().isEnabled());
    EXPECT_EQ(form6().focusWidget(), form6().Button1);
    QTest::keyClick(form6().Button1, Qt::Key_Space);
    EXPECT_FALSE(noticeShown());
    EXPECT_TRUE(form1().isEnabled());
}

}  // namespace
