#include "model/SettingsFile.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::readBytes;
using testing_support::writeBytes;

class SettingsFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(folder_.path()).filePath(name); }
    QString settingsPath() const { return path("Quillfold.ini"); }
    const QByteArray saved = formatSettings(designedSettings());

    QTemporaryDir folder_;
};

TEST_F(SettingsFileTest, ALinkIsWrittenThroughOnlyToTheSettingsFileItLedTo) {
    // A link to the settings file kept elsewhere: that file is replaced.
    writeBytes(path("shared.ini"), "5\r\n6\r\n");
    ASSERT_TRUE(QFile::link(path("shared.ini"), settingsPath()));
    const SettingsFile shared = SettingsFile::read(settingsPath());
    EXPECT_EQ(shared.found(), SettingsFile::Found::Settings);
    ASSERT_TRUE(shared.write(saved).ok());
    EXPECT_EQ(readBytes(path("shared.ini")), saved);
    EXPECT_TRUE(QFileInfo(settingsPath()).isSymLink());

    // Led elsewhere meanwhile: the new file the link leads to is not written.
    writeBytes(path("other.ini"), "other");
    ASSERT_TRUE(QFile::remove(settingsPath()));
    ASSERT_TRUE(QFile::link(path("other.ini"), settingsPath()));
    ASSERT_TRUE(shared.write(saved).ok());
    EXPECT_EQ(readBytes(path("other.ini")), "other");
    EXPECT_EQ(QFileInfo(path("Quillfold.ini.bak")).symLinkTarget(), path("other.ini"));
    EXPECT_FALSE(QFileInfo(settingsPath()).isSymLink());
    EXPECT_EQ(readBytes(settingsPath()), saved);
}

TEST_F(SettingsFileTest, WhatIsNotASettingsFileIsKeptAsideNeverReplaced) {
    // A link to a file of another kind, and one that leads nowhere.
    writeBytes(path("passwd"), "root:x:0:0:root:/root:/bin/bash\n");
    for (const QString& target : {path("passwd"), path("nowhere")}) {
        SCOPED_TRACE(target.toStdString());
        ASSERT_TRUE(QFile::link(target, settingsPath()));
        const SettingsFile linked = SettingsFile::read(settingsPath());
        EXPECT_EQ(linked.found(), SettingsFile::Found::Foreign);
        EXPECT_FALSE(linked.parsed().has_value());
        ASSERT_TRUE(linked.write(saved).ok());
        EXPECT_EQ(QFileInfo(path("Quillfold.ini.bak")).symLinkTarget(), target);
        EXPECT_EQ(readBytes(settingsPath()), saved);
        ASSERT_TRUE(QFile::remove(settingsPath()) && QFile::remove(path("Quillfold.ini.bak")));
    }
    EXPECT_EQ(readBytes(path("passwd")), "root:x:0:0:root:/root:/bin/bash\n");
    EXPECT_FALSE(QFileInfo::exists(path("nowhere")));

    // A file of its own whose first line is no number: kept, but never over
    // an earlier one.
    writeBytes(settingsPath(), "notes\r\n");
    writeBytes(path("Quillfold.ini.bak"), "earlier");
    const SettingsFile foreign = SettingsFile::read(settingsPath());
    EXPECT_EQ(foreign.found(), SettingsFile::Found::Foreign);
    EXPECT_FALSE(foreign.write(saved).ok());
    EXPECT_EQ(readBytes(settingsPath()), "notes\r\n");
    ASSERT_TRUE(QFile::remove(path("Quillfold.ini.bak")));
    ASSERT_TRUE(foreign.write(saved).ok());
    EXPECT_EQ(readBytes(path("Quillfold.ini.bak")), "notes\r\n");
    EXPECT_EQ(readBytes(settingsPath()), saved);
}

}  // namespace
