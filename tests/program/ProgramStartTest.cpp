// How quillfold reads its command line, and the folder a start from the
// desktop menu runs in.
#include "program/CommandLine.h"
#include "program/StartFolder.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using program::readCommandLine;
using program::StartAction;

const QString kVersion = QStringLiteral("1.5");

program::CommandLine read(const QStringList& options) {
    return readCommandLine(QStringList{QStringLiteral("quillfold")} + options, kVersion);
}

TEST(CommandLine, HelpAndVersionAnswerEvenBesideOptionsOnlyQtKnows) {
    EXPECT_EQ(read({}).action, StartAction::OpenWindows);
    for (const QString& help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const program::CommandLine line = read({QStringLiteral("-platform"), help});
        EXPECT_EQ(line.action, StartAction::PrintHelp);
        EXPECT_TRUE(line.text.startsWith(QStringLiteral("Usage: quillfold [options] [FOLDER]\n")));
        EXPECT_TRUE(line.text.contains(QStringLiteral("--in-config-folder")));
    }
    const program::CommandLine version = read({QStringLiteral("--version")});
    EXPECT_EQ(version.action, StartAction::PrintVersion);
    EXPECT_EQ(version.text, QStringLiteral("quillfold (Quillfold) 1.5\n"));
    // Qt's -reverse is a word, not the letters -r -e -v ...: no version.
    EXPECT_EQ(read({QStringLiteral("-reverse")}).action, StartAction::RefuseArguments);
}

TEST(CommandLine, UnknownOptionsAndStrayArgumentsAreRefusedByName) {
    const program::CommandLine option = read({QStringLiteral("--verbose")});
    EXPECT_EQ(option.action, StartAction::RefuseArguments);
    EXPECT_TRUE(option.text.contains(QStringLiteral("verbose"))) << option.text.toStdString();
    // One folder opens at start; a second is refused by name.
    EXPECT_EQ(read({QStringLiteral("scans")}).folder, QStringLiteral("scans"));
    const program::CommandLine stray = read({QStringLiteral("scans"), QStringLiteral("more")});
    EXPECT_EQ(stray.action, StartAction::RefuseArguments);
    EXPECT_TRUE(stray.text.contains(QStringLiteral("more"))) << stray.text.toStdString();

    const program::CommandLine menu = read({QStringLiteral("--in-config-folder")});
    EXPECT_EQ(menu.action, StartAction::OpenWindows);
    EXPECT_TRUE(menu.inConfigFolder);
    EXPECT_FALSE(read({}).inConfigFolder);
}

// Sets environment variables for one test and puts back what was there,
// the current folder too.
class MenuStartFolder : public ::testing::Test {
protected:
    MenuStartFolder() : startFolder_(QDir::currentPath()) {
        for (const char* name : {"XDG_CONFIG_HOME", "HOME"})
            saved_.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv("HOME", root_.filePath(QStringLiteral("home")).toLocal8Bit());
    }
    ~MenuStartFolder() override {
        for (const Saved& variable : saved_) {
            if (variable.set)
                qputenv(variable.name, variable.value);
            else
                qunsetenv(variable.name);
        }
        QDir::setCurrent(startFolder_);
    }

    QTemporaryDir root_;

private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool set;
    };
    QList<Saved> saved_;
    QString startFolder_;
};

TEST_F(MenuStartFolder, IsQuillfoldInTheUsersConfigurationFolder) {
    const QString ownConfig = root_.filePath(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", ownConfig.toLocal8Bit());
    EXPECT_EQ(program::configFolderPath(), ownConfig + QStringLiteral("/quillfold"));

    // Unset, empty or relative: the default under the home folder.
    const QString byDefault = root_.filePath(QStringLiteral("home/.config/quillfold"));
    for (const QByteArray& value : {QByteArray(), QByteArray("config")}) {
        qputenv("XDG_CONFIG_HOME", value);
        EXPECT_EQ(program::configFolderPath(), byDefault) << value.constData();
    }
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(program::configFolderPath(), byDefault);
}

TEST_F(MenuStartFolder, IsMadeWhenMissingAndBecomesTheCurrentFolder) {
    // Neither the home folder nor .config exist yet.
    const QString folder = root_.filePath(QStringLiteral("home/.config/quillfold"));
    ASSERT_TRUE(program::enterFolder(folder));
    EXPECT_EQ(QDir::currentPath(), folder);
    // Entering it again, with the settings file inside, leaves that alone.
    testing_support::writeBytes(QStringLiteral("Quillfold.ini"), "10\r\n");
    ASSERT_TRUE(program::enterFolder(folder));
    EXPECT_EQ(testing_support::readBytes(QDir(folder).filePath(QStringLiteral("Quillfold.ini"))),
              "10\r\n");

    // A file where the folder should be is not a folder to start in.
    const QString blocked = root_.filePath(QStringLiteral("blocked"));
    testing_support::writeBytes(blocked, "not a folder");
    EXPECT_FALSE(program::enterFolder(blocked + QStringLiteral("/quillfold")));
    EXPECT_FALSE(program::enterFolder(blocked));
    EXPECT_EQ(QDir::currentPath(), folder);
}

}  // namespace
