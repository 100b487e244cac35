#include "core/Language.h"
#include "dialogs/RenameRules.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using dialogs::isAcceptableNewName;

TEST(RenameRules, AcceptsOrdinaryNamesAsTyped) {
    for (const QString& name :
         {QString("p005.jpg"), QString("a,b;c.jpg"), QString("名前 その2.jpg"),
          QString(" leading space.jpg"), QString("no extension"), QString("..a"),
          QString(".hidden.jpg"), QString("x")}) {
        EXPECT_TRUE(isAcceptableNewName(name)) << name.toStdString();
    }
}

TEST(RenameRules, RefusesForbiddenCharacters) {
    for (const QString& bad :
         {QString("\\"), QString("/"), QString(":"), QString("*"), QString("?"), QString("\""),
          QString("<"), QString(">"), QString("|"), QString("\uFF5C"), QString("\t"), QString("\n"),
          QString(QChar(0)), QString(QChar(0x7F))}) {
        EXPECT_FALSE(isAcceptableNewName("a" + bad + "b.jpg")) << bad.toStdString();
        EXPECT_FALSE(isAcceptableNewName(bad + "b.jpg")) << bad.toStdString();
        EXPECT_FALSE(isAcceptableNewName("b.jpg" + bad)) << bad.toStdString();
    }
}

TEST(RenameRules, RefusesEmptyBlankAndDotNames) {
    for (const QString& name : {QString(), QString(" "), QString("   "), QString("\u3000"),
                                QString(" \u3000 "), QString("."), QString("..")}) {
        EXPECT_FALSE(isAcceptableNewName(name)) << name.toStdString();
    }
    EXPECT_TRUE(isAcceptableNewName("..."));
}

TEST(RenameRules, CharacterListOfTheNotice) {
    const QStringList characters = dialogs::forbiddenCharacterList().split(' ');
    EXPECT_EQ(characters, QStringList({"\\", "/", ":", ",", ";", "*", "?", "\"", "<", ">",
                                       QString(QChar(0xFF5C))}));
    EXPECT_EQ(dialogs::forbiddenCharacterList().size(), 21);
    // English has no full-width characters: a plain vertical line.
    core::useLanguage(core::Language::English);
    EXPECT_EQ(dialogs::forbiddenCharacterList(), QStringLiteral("\\ / : , ; * ? \" < > |"));
    core::useLanguage(core::Language::Japanese);
}

}  // namespace
