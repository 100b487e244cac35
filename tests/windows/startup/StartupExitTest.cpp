// Start-up settings, the sound, and the two ways the program ends.
#include "tests/windows/CatalogueFixture.h"

#include "bookgen/DemoSettings.h"
#include "catalogue/MainWindow.h"
#include "core/Cp932.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "dialogs/SettingsDialog.h"
#include "model/SettingsRecord.h"
#include "split/SplitDialog.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestFiles.h"
#include "trimming/TrimmingView.h"
#include "widgets/FormLook.h"
#include "widgets/NumberEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using testing_support::FileSizeLimit;
using testing_support::readBytes;
using testing_support::writeBytes;

QList<QByteArray> settingsLines(const QString& path) {
    const QByteArray bytes = readBytes(path);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return lines;
}

class StartupExit : public CatalogueFixture {
protected:
    QString settingsPath() const { return pathInStart("Quillfold.ini"); }
    void exitByMenu() { mainWindow().exitAction->trigger(); }
};

TEST_F(StartupExit, FirstExitWritesTheDesignedSettings) {
    ASSERT_FALSE(QFile::exists(settingsPath()));
    EXPECT_EQ(catalogue().current(), -1);
    EXPECT_EQ(trimmingView().frame().FrameStep, 5);
    EXPECT_EQ(program_->settingsFolder(), QDir::currentPath());
    QSignalSpy closed(&mainWindow(), &MainWindow::closed);

    exitByMenu();

    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(mainWindow().isVisible());
    const QList<QByteArray> lines = settingsLines(settingsPath());
    const QList<QByteArray> expected = {
        "-1",  "0",   "1024", "765", "125", "174", "141", "280", "261", "340", "216", "399", "264",
        "384", "190", "4",    "157", "336", "80",  "100", "0",   "20",  "80",  "10",  "",    ""};
    EXPECT_EQ(lines, expected);
}

TEST_F(StartupExit, ExitThroughTheMenuWritesOnceAndTheCloseThatFollowsWritesNothing) {
    exitByMenu();
    ASSERT_TRUE(QFile::remove(settingsPath()));
    // The close handling after the exit command must not save again.
    mainWindow().close();
    EXPECT_FALSE(QFile::exists(settingsPath()));
}

TEST_F(StartupExit, ClosingTheMainWindowSavesAndClosesTheOthers) {
    settingsDialog().show();
    mainWindow().close();
    EXPECT_TRUE(QFile::exists(settingsPath()));
    EXPECT_FALSE(settingsDialog().isVisible());
}

TEST_F(StartupExit, ExitIsRefusedWhileLoadingButClosingStillSaves) {
    startLongLoading();
    exitByMenu();
    EXPECT_TRUE(mainWindow().isVisible());
    EXPECT_FALSE(QFile::exists(settingsPath()));
    mainWindow().close();
    EXPECT_TRUE(QFile::exists(settingsPath()));
}

TEST_F(StartupExit, AFailedSaveIsToldAndTheProgramEndsWithItsOk) {
    program_->setSettingsFolder(pathInStart("gone/away"));
    QSignalSpy closed(&mainWindow(), &MainWindow::closed);
    settingsDialog().show();
    exitByMenu();
    EXPECT_EQ(closed.count(), 0);
    ASSERT_TRUE(noticeShown());
    EXPECT_EQ(noticeText(), "設定を保存できません");
    EXPECT_EQ(noticeLine(), "保存先のフォルダが見当たりません");
    EXPECT_FALSE(mainWindow().isEnabled());
    EXPECT_FALSE(settingsDialog().isVisible());
    pressNoticeOk();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(mainWindow().isVisible());
    EXPECT_FALSE(QFile::exists(pathInStart("gone")));
    EXPECT_TRUE(QDir(startFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(StartupExit, AFailedSaveKeepsThePreviousSettingsFile) {
    // A folder in the way of the rename: the write fails after the data
    // were produced.
    const QString blocked = pathInStart("blocked");
    ASSERT_TRUE(QDir().mkpath(blocked + "/Quillfold.ini/inner"));
    program_->setSettingsFolder(blocked);
    EXPECT_FALSE(program_->saveSettings());
    EXPECT_TRUE(QFileInfo(blocked + "/Quillfold.ini/inner").isDir());
    EXPECT_EQ(QDir(blocked).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

TEST_F(StartupExit, OnAFullDiskTheSettingsFileKeepsItsContentWhicheverWayTheProgramEnds) {
    SettingsRecord previous = designedSettings();
    previous.texts[0] = "55";
    writeBytes(settingsPath(), formatSettings(previous));
    QSignalSpy closed(&mainWindow(), &MainWindow::closed);
    {
        const FileSizeLimit full(16);
        // Closing the window: told once; closing again ends the program.
        mainWindow().close();
        ASSERT_TRUE(noticeShown());
        EXPECT_EQ(noticeText(), "設定を保存できません");
        EXPECT_EQ(noticeLine(), "ファイルを書き込めません");
        EXPECT_EQ(closed.count(), 0);
        mainWindow().close();
        EXPECT_EQ(closed.count(), 1);
    }
    EXPECT_EQ(readBytes(settingsPath()), formatSettings(previous));
    EXPECT_EQ(QDir(startFolder()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Quillfold.ini"});
}

class PreparedSettings : public StartupExit {
protected:
    PreparedSettings() { startAutomatically = false; }

    void startWith(const QByteArray& content) {
        writeBytes(settingsPath(), content);
        startProgram();
    }
};

TEST_F(PreparedSettings, UnusualValuesAreAppliedAndWrittenBackAsTheBoxesHoldThem) {
    const QString openFolder = pathInStart("本の山");
    ASSERT_TRUE(QDir().mkpath(openFolder));
    QByteArray content = "-30\r\n-1920\r\n900\r\n700\r\n";
    for (int line = 5; line <= 18; ++line)
        content += QByteArray::number(-line) + "\r\n";
    content +=
        "300\r\n"    // quality above 100
        "abc\r\n"    // threshold that is not a number
        "00042\r\n"  // kept margin longer than the box's maximum length
        "$10\r\n"    // centre width in hexadecimal
        "-5\r\n"     // thumbnail size below 0
        "\r\n";      // empty tolerance
    content += encodeCp932(openFolder).value() + "\r\n";
    content += encodeCp932(pathInStart("deleted")).value() + "\r\n";
    startWith(content);

    EXPECT_EQ(windowTop(mainWindow()), -30);
    EXPECT_EQ(windowLeft(mainWindow()), -1920);
    EXPECT_EQ(windowOuterWidth(mainWindow()), 900);
    EXPECT_EQ(windowOuterHeight(mainWindow()), 700);
    EXPECT_EQ(windowTop(openFolderDialog()), -5);
    EXPECT_EQ(windowLeft(folderChooser()), -18);
    EXPECT_EQ(splitDialog().qualityEdit->text(), "100");
    EXPECT_EQ(splitDialog().thresholdEdit->text(), "");
    EXPECT_EQ(splitDialog().keptMarginEdit->text(), "00042");
    EXPECT_EQ(splitDialog().centreWidthEdit->text(), "$10");
    EXPECT_EQ(settingsDialog().thumbnailSizeEdit->text(), "0");
    EXPECT_EQ(settingsDialog().toleranceEdit->text(), "");
    EXPECT_EQ(settings().defaultOpenFolder, openFolder);
    EXPECT_EQ(settings().defaultSaveFolder, "");
    EXPECT_EQ(splitDialog().destinationEdit->text(), "");
    EXPECT_EQ(catalogue().current(), -1);

    mainWindow().exitAction->trigger();
    const QList<QByteArray> lines = settingsLines(settingsPath());
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines[0], "-30");
    EXPECT_EQ(lines[1], "-1920");
    EXPECT_EQ(lines[2], "900");
    EXPECT_EQ(lines[3], "700");
    EXPECT_EQ(lines[4], "-5");
    EXPECT_EQ(lines[17], "-18");
    EXPECT_EQ(lines.mid(18, 6), (QList<QByteArray>{"100", "", "00042", "$10", "0", ""}));
    EXPECT_EQ(decodeCp932(lines[24]), openFolder);
    EXPECT_EQ(lines[25], "");
}

TEST_F(PreparedSettings, DefaultSaveFolderFillsTheDestinationBox) {
    const QString saveFolder = pathInStart("out");
    ASSERT_TRUE(QDir().mkpath(saveFolder));
    SettingsRecord record = designedSettings();
    record.texts[7] = saveFolder;
    startWith(formatSettings(record));
    EXPECT_EQ(settings().defaultSaveFolder, saveFolder);
    EXPECT_EQ(splitDialog().destinationEdit->text(), saveFolder);
}

// The run command's settings file: the program starts on the demo book and
// writes into the demo's pages folder; a user's own file stays as it was.
TEST_F(PreparedSettings, DemoSettingsStartOnTheDemoBookAndNeverReplaceAUsersFile) {
    const QString book = pathInStart("demo-book");
    const QString pages = pathInStart("pages");
    ASSERT_TRUE(QDir().mkpath(book));
    ASSERT_TRUE(QDir().mkpath(pages));
    writeBytes(settingsPath(), "10\r\n20\r\n");
    EXPECT_EQ(bookgen::writeDemoSettings(settingsPath(), book, pages).outcome,
              bookgen::DemoSettingsOutcome::Kept);
    EXPECT_EQ(readBytes(settingsPath()), "10\r\n20\r\n");

    ASSERT_TRUE(QFile::remove(settingsPath()));
    EXPECT_EQ(bookgen::writeDemoSettings(settingsPath(), book, pages).outcome,
              bookgen::DemoSettingsOutcome::Written);
    EXPECT_EQ(QDir(startFolder()).entryList(QDir::Files), QStringList{"Quillfold.ini"});
    startProgram();
    EXPECT_FALSE(noticeShown());
    EXPECT_EQ(openFolderDialog().listedFolder(), book);
    EXPECT_EQ(splitDialog().destinationEdit->text(), pages);
    EXPECT_EQ(splitDialog().qualityEdit->text(), "80");
}

TEST_F(PreparedSettings, ShortFileEmptiesTheBoxesItDoesNotReach) {
    startWith("10\r\n20\r\n");
    EXPECT_EQ(windowTop(mainWindow()), 10);
    EXPECT_EQ(windowLeft(mainWindow()), 20);
    EXPECT_EQ(splitDialog().qualityEdit->text(), "");
    EXPECT_EQ(settingsDialog().thumbnailSizeEdit->text(), "");
    EXPECT_EQ(settingsDialog().toleranceEdit->text(), "");
}

TEST_F(PreparedSettings, ADamagedNumberLineStopsReadingOnceAndTheProgramStaysUsable) {
    startWith("10\r\n20\r\nwide\r\n700\r\n1\r\n2\r\n");
    EXPECT_FALSE(mainWindow().startUpTimer->isActive());
    EXPECT_EQ(catalogue().current(), -1);
    EXPECT_EQ(windowTop(mainWindow()), 10);
    EXPECT_EQ(windowLeft(mainWindow()), 20);
    EXPECT_EQ(windowOuterWidth(mainWindow()), model::Settings{}.mainWindow.width);
    EXPECT_EQ(windowTop(openFolderDialog()), 125);
    EXPECT_EQ(splitDialog().qualityEdit->text(), "80");
    ASSERT_TRUE(noticeShown());
    EXPECT_FALSE(mainWindow().isEnabled());
    pressNoticeOk();
    EXPECT_TRUE(mainWindow().isEnabled());
    // The start-up step is not repeated.
    QTest::qWait(250);
    EXPECT_FALSE(noticeShown());

    mainWindow().exitAction->trigger();
    const QList<QByteArray> lines = settingsLines(settingsPath());
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines[2], "1024");
    EXPECT_EQ(lines[18], "80");
}

TEST_F(PreparedSettings, ALinkToAnotherKindOfFileIsToldAndKeptAsideWithoutTouchingThatFile) {
    QTemporaryDir elsewhere;
    const QString notes = QDir(elsewhere.path()).filePath("passwd");
    writeBytes(notes, "root:x:0:0:root:/root:/bin/bash\n");
    ASSERT_TRUE(QFile::link(notes, settingsPath()));
    startProgram();
    ASSERT_TRUE(noticeShown());
    EXPECT_EQ(noticeText(), "設定ファイルを読めません");
    EXPECT_EQ(
        noticeLine(),
        "Quillfold.ini は設定ファイルではないため、終了時に Quillfold.ini.bak として残します");
    pressNoticeOk();
    mainWindow().exitAction->trigger();
    EXPECT_EQ(readBytes(notes), "root:x:0:0:root:/root:/bin/bash\n");
    EXPECT_EQ(QFileInfo(pathInStart("Quillfold.ini.bak")).symLinkTarget(), notes);
    EXPECT_EQ(settingsLines(settingsPath()).size(), 26);
}

TEST_F(PreparedSettings, AddedOptionsLiveInTheirOwnFileAndLeaveQuillfoldIniAsItWas) {
    const QString options = pathInStart("QuillfoldOptions.ini");
    // A later version's option is passed over.
    writeBytes(options, "future=7\nlossless=1\ndeskew=1\ndeskewCap=7\ncut=gutter\n");
    startWith(formatSettings(designedSettings()));
    EXPECT_FALSE(noticeShown());
    EXPECT_TRUE(splitDialog().losslessBox->isChecked());
    const split::SplitOptions read = splitDialog().options();
    EXPECT_TRUE(read.lossless && read.deskew);
    EXPECT_EQ(read.deskewCap, 7.0);
    EXPECT_EQ(read.cutPlacement, split::CutPlacement::Gutter);
    splitDialog().losslessBox->click();
    mainWindow().exitAction->trigger();
    EXPECT_EQ(readBytes(settingsPath()), formatSettings(designedSettings()));
    // Found at start, so written back although the option is off again.
    EXPECT_EQ(readBytes(options), "lossless=0\ndeskew=1\ndeskewCap=7\ncut=gutter\n");
}

TEST_F(PreparedSettings, AnAddedOptionsNameThatIsNoFileIsToldAndLeftAlone) {
    const QString options = pathInStart("QuillfoldOptions.ini");
    ASSERT_EQ(mkfifo(QFile::encodeName(options).constData(), 0600), 0);
    startWith(formatSettings(designedSettings()));
    ASSERT_TRUE(noticeShown());
    EXPECT_EQ(noticeText(), "追加オプションを読めません");
    pressNoticeOk();
    splitDialog().losslessBox->click();
    mainWindow().exitAction->trigger();
    EXPECT_TRUE(QFileInfo(options).isFile() == false && QFileInfo(options).exists());
    EXPECT_EQ(readBytes(settingsPath()), formatSettings(designedSettings()));
}

TEST_F(PreparedSettings, TheCompletionSoundIsOpenedOnlyWhenItsFileExists) {
    startWith(formatSettings(designedSettings()));
    EXPECT_FALSE(splitDialog().completionSoundOpened());
}

TEST_F(PreparedSettings, ASoundFileInTheStartFolderIsOpened) {
    // A minimal PCM WAV file: 44-byte header and a few silent samples.
    QByteArray wav("RIFF", 4);
    const auto little = [](quint32 v, int bytes) {
        QByteArray out;
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>(v >> (8 * i));
        return out;
    };
    const auto le32 = [&](quint32 v) { return little(v, 4); };
    const auto le16 = [&](quint16 v) { return little(v, 2); };
    wav += le32(36 + 8) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(8000) + le32(16000) +
           le16(2) + le16(16) + "data" + le32(8) + QByteArray(8, '\0');
    writeBytes(pathInStart("KANRYOU.WAV"), wav);
    startProgram();
    EXPECT_TRUE(splitDialog().completionSoundOpened());
}

TEST_F(PreparedSettings, AStartFolderNamedOutsideUtf8GetsItsOwnSettingsFile) {
    // Qt shows "start\xff" as "start\uFFFD", which as a path is the
    // neighbouring folder: its settings must stay untouched.
    const QByteArray startName = "start\xff";
    testing_support::makeRawNamedFolder(startFolder(), startName);
    const testing_support::TreeRemover removeAtEnd(
        testing_support::rawPath(startFolder(), startName));
    const QString neighbour = pathInStart(QStringLiteral("start\uFFFD"));
    ASSERT_TRUE(QDir().mkpath(neighbour));
    writeBytes(neighbour + "/Quillfold.ini", "neighbour's own");
    ASSERT_EQ(::chdir(testing_support::rawPath(startFolder(), startName).constData()), 0);
    startProgram();

    mainWindow().exitAction->trigger();
    EXPECT_EQ(readBytes(neighbour + "/Quillfold.ini"), "neighbour's own");
    // Read through the current directory, the one path Qt can take to it.
    EXPECT_EQ(settingsLines(QStringLiteral("Quillfold.ini")).size(), 26);
}

}  // namespace
