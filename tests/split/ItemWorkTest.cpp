#include "split/ItemCommit.h"
#include "split/ItemWork.h"

#include "imaging/PictureIo.h"
#include "split/Rotation.h"
#include "tests/split/PixelChecks.h"
#include "tests/support/TestFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace split {
namespace {

using imaging::PixelRect;
using split_tests::cropOf;
using split_tests::firstDifference;
using split_tests::pageWithBox;
using testing_support::patternImage;

class ItemWorkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir(root_.path()).mkpath("book1"));
        ASSERT_TRUE(QDir(root_.path()).mkpath("out"));
        options_.format = OutputFormat::Bmp;
    }

    QString source(const QString& name) const { return root_.filePath("book1/" + name); }
    QString output(const QString& name) const { return root_.filePath("out/" + name); }
    QString outputFolder() const { return root_.filePath("out"); }

    SplitItem item(const QString& name, bool selected) const {
        return SplitItem{source(name), name, selected};
    }

    QImage loaded(const QString& path) const {
        const auto picture = imaging::loadPicture(path);
        EXPECT_TRUE(picture.ok()) << path.toStdString();
        return picture.ok() ? picture.value() : QImage();
    }

    static std::vector<QString> targets(const ItemWork& work) {
        std::vector<QString> names;
        for (const PlannedOutput& output : work.outputs) {
            const QString path = std::holds_alternative<PlannedWrite>(output)
                                     ? std::get<PlannedWrite>(output).targetPath
                                     : std::get<PlannedCopy>(output).targetPath;
            names.push_back(QFileInfo(path).fileName());
        }
        return names;
    }

    // The outputs of one image, as the batch writes them.
    static CommitReport commit(const ItemWork& work, const ProtectedFiles& sources,
                               const QString& imageName = QStringLiteral("image")) {
        WrittenFiles written;
        return commitItem(work, imageName, sources, written);
    }

    QTemporaryDir root_;
    SplitOptions options_;
};

TEST_F(ItemWorkTest, SelectedBmpIsCutIntoTwoExactParts) {
    const QImage picture = patternImage(41, 30);
    testing_support::writeBmp(source("p.bmp"), picture);
    options_.direction = SplitDirection::Left;

    const ItemWork work = processItem(item("p.bmp", true), options_, outputFolder());
    ASSERT_FALSE(work.problem.has_value()) << work.problem->message.toStdString();
    EXPECT_EQ(work.numberStep, 1);
    EXPECT_EQ(targets(work), (std::vector<QString>{"p_1.bmp", "p_2.bmp"}));

    const CommitReport report = commit(work, ProtectedFiles({source("p.bmp")}));
    EXPECT_EQ(report.written, 2);
    EXPECT_EQ(report.failed, 0);
    // Right part first: columns 20..40 (21) scaled into 20 keeps 20..39.
    EXPECT_EQ(firstDifference(loaded(output("p_1.bmp")), cropOf(picture, {20, 0, 40, 30})), "");
    EXPECT_EQ(firstDifference(loaded(output("p_2.bmp")), cropOf(picture, {0, 0, 20, 30})), "");
}

TEST_F(ItemWorkTest, MarginsThenTurnOnEachPart) {
    // Two pages side by side, each with one black box.
    QImage spread = pageWithBox(200, 100, qRgb(255, 255, 255), {20, 10, 40, 50}, qRgb(0, 0, 0));
    for (int y = 30; y < 35; ++y) {
        for (int x = 150; x < 190; ++x) {
            spread.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    testing_support::writeBmp(source("s.bmp"), spread);
    options_.direction = SplitDirection::Right;
    options_.removeMargins = true;
    options_.keptMargin = 2;
    options_.turn = true;
    options_.turnDirection = TurnDirection::Right;

    const ItemWork work = processItem(item("s.bmp", true), options_, outputFolder());
    ASSERT_EQ(work.outputs.size(), 2u);
    EXPECT_EQ(commit(work, ProtectedFiles({source("s.bmp")})).written, 2);
    const QImage first = cropOf(spread, {18, 8, 42, 52});      // box 20..40 x 10..50, K = 2
    const QImage second = cropOf(spread, {148, 28, 192, 37});  // 150..190 x 30..35, K = 2
    EXPECT_EQ(firstDifference(loaded(output("s_1.bmp")), turnQuarter(first, TurnDirection::Right)),
              "");
    EXPECT_EQ(firstDifference(loaded(output("s_2.bmp")), turnQuarter(second, TurnDirection::Right)),
              "");
}

TEST_F(ItemWorkTest, NoneWithTurnWritesOneTurnedJpeg) {
    // Smooth picture, so JPEG keeps it close.
    QImage picture(64, 48, QImage::Format_RGB888);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            picture.setPixel(x, y, qRgb(x * 4, y * 5, 128));
        }
    }
    testing_support::writeBmp(source("n.bmp"), picture);
    options_.direction = SplitDirection::None;
    options_.format = OutputFormat::Jpeg;
    options_.jpegQuality = 95;
    options_.turn = true;
    options_.removeCentre = true;
    options_.centreWidth = 10;

    const ItemWork work = processItem(item("n.bmp", true), options_, outputFolder());
    EXPECT_EQ(targets(work), (std::vector<QString>{"n_1.jpg"}));
    EXPECT_EQ(commit(work, ProtectedFiles({source("n.bmp")})).written, 1);

    const QImage written = loaded(output("n_1.jpg"));
    const QImage expected = turnQuarter(picture, TurnDirection::Left);
    ASSERT_EQ(written.size(), expected.size());
    long long difference = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = written.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(e)) + std::abs(qGreen(a) - qGreen(e)) +
                          std::abs(qBlue(a) - qBlue(e));
        }
    }
    EXPECT_LT(difference / (3.0 * 64 * 48), 3.0);
}

TEST_F(ItemWorkTest, CentreFallbackHoldsForOneImageOnly) {
    testing_support::writeBmp(source("narrow.bmp"), patternImage(60, 10));
    testing_support::writeBmp(source("wide.bmp"), patternImage(100, 10));
    options_.direction = SplitDirection::Right;
    options_.removeCentre = true;
    options_.centreWidth = 30;

    const ItemWork narrow = processItem(item("narrow.bmp", true), options_, outputFolder());
    const ItemWork wide = processItem(item("wide.bmp", true), options_, outputFolder());
    const ProtectedFiles sources({source("narrow.bmp"), source("wide.bmp")});
    EXPECT_EQ(commit(narrow, sources).written, 2);
    EXPECT_EQ(commit(wide, sources).written, 2);
    EXPECT_EQ(loaded(output("narrow_1.bmp")).width(), 30);  // 30 >= 60 / 2: no removal
    EXPECT_EQ(loaded(output("wide_1.bmp")).width(), 20);    // 50 - 30
    EXPECT_EQ(firstDifference(loaded(output("wide_2.bmp")),
                              cropOf(patternImage(100, 10), {80, 0, 100, 10})),
              "");
}

TEST_F(ItemWorkTest, UnselectedCopyAndResave) {
    const QImage picture = pageWithBox(50, 40, qRgb(255, 255, 255), {10, 5, 20, 30}, qRgb(0, 0, 0));
    testing_support::writeJpeg(source("u.jpg"), picture);

    const ItemWork copy = processItem(item("u.jpg", false), options_, outputFolder());
    EXPECT_EQ(copy.numberStep, 1);
    ASSERT_EQ(copy.outputs.size(), 1u);
    const auto& request = std::get<PlannedCopy>(copy.outputs[0]);
    EXPECT_EQ(request.sourcePath, source("u.jpg"));
    EXPECT_EQ(commit(copy, ProtectedFiles({source("u.jpg")})).written, 1);
    EXPECT_EQ(testing_support::readBytes(output("u.jpg")),
              testing_support::readBytes(source("u.jpg")));

    // Re-saved: margins trimmed, never turned.
    options_.copyUnselected = false;
    options_.resaveUnselected = true;
    options_.removeMargins = true;
    options_.turn = true;
    const ItemWork resave = processItem(item("u.jpg", false), options_, outputFolder());
    EXPECT_EQ(resave.numberStep, 1);
    EXPECT_EQ(targets(resave), (std::vector<QString>{"u.bmp"}));
    EXPECT_EQ(commit(resave, ProtectedFiles({source("u.jpg")})).written, 1);
    EXPECT_EQ(loaded(output("u.bmp")).size(), QSize(10, 25));

    options_.resaveUnselected = false;
    const ItemWork nothing = processItem(item("u.jpg", false), options_, outputFolder());
    EXPECT_TRUE(nothing.outputs.empty());
    EXPECT_EQ(nothing.numberStep, 0);
}

TEST_F(ItemWorkTest, MissingSourceIsSkippedWithoutCounting) {
    for (const bool selected : {true, false}) {
        const ItemWork work = processItem(item("gone.jpg", selected), options_, outputFolder());
        EXPECT_TRUE(work.outputs.empty());
        EXPECT_FALSE(work.problem.has_value());
        EXPECT_EQ(work.numberStep, 0);
    }
}

TEST_F(ItemWorkTest, UnreadableSourcesGiveAProblemAndNoOutput) {
    testing_support::writeBytes(source("bad.jpg"), QByteArray("\xff\xd8\xff\xe0 not a jpeg"));
    const ItemWork corrupt = processItem(item("bad.jpg", true), options_, outputFolder());
    ASSERT_TRUE(corrupt.problem.has_value());
    EXPECT_EQ(corrupt.problem->fileName, "bad.jpg");
    EXPECT_FALSE(corrupt.problem->message.isEmpty());
    EXPECT_TRUE(corrupt.outputs.empty());
    EXPECT_EQ(corrupt.numberStep, 1);

    options_.copyUnselected = false;
    options_.resaveUnselected = true;
    const ItemWork resave = processItem(item("bad.jpg", false), options_, outputFolder());
    EXPECT_TRUE(resave.problem.has_value());
    EXPECT_TRUE(resave.outputs.empty());

    testing_support::writeBmp(source("thin.bmp"), patternImage(1, 20));
    options_.direction = SplitDirection::Right;
    const ItemWork thin = processItem(item("thin.bmp", true), options_, outputFolder());
    ASSERT_TRUE(thin.problem.has_value());
    EXPECT_EQ(thin.problem->fileName, "thin.bmp");
    EXPECT_TRUE(thin.outputs.empty());
}

// A worker reuses its buffers from image to image: a smaller image after a
// larger one (the first is large enough for the kept memory to be taken in
// whole 2 MB pages), a damaged file in between and a re-saved unselected one
// must come out exactly as they do on their own, with no pixels of an
// earlier image left in them.
TEST_F(ItemWorkTest, ItemsInARowOnOneThreadMatchEachItemAlone) {
    struct Scan {
        QString name;
        QImage picture;
        bool selected;
    };
    QImage inverted = patternImage(161, 99);
    inverted.invertPixels();
    const std::vector<Scan> scans = {
        {"a.jpg", patternImage(1100, 700), true},
        {"b.jpg", pageWithBox(120, 80, qRgb(250, 250, 250), {10, 12, 50, 70}, qRgb(0, 0, 0)), true},
        {"c.jpg", QImage(), true},  // damaged
        {"d.jpg", inverted, true},  // odd width: the far part is a view as well
        {"e.jpg", patternImage(90, 301), false},
        {"f.bmp", patternImage(57, 33), true},
    };
    for (const Scan& scan : scans) {
        const QByteArray bytes = scan.picture.isNull()
                                     ? imaging::encodeJpeg(patternImage(64, 64), 90)->left(300)
                                     : *imaging::encodeJpeg(scan.picture, 95);
        if (scan.name.endsWith(".bmp")) {
            testing_support::writeBmp(source(scan.name), scan.picture);
        } else {
            testing_support::writeBytes(source(scan.name), bytes);
        }
    }
    options_.copyUnselected = false;
    options_.resaveUnselected = true;
    options_.removeMargins = true;
    options_.marginThreshold = 40;
    options_.turn = true;

    // Each output as its length and digest, so a difference reads briefly.
    const auto outputsOf = [](const ItemWork& work) {
        std::vector<std::string> files;
        for (const PlannedOutput& output : work.outputs) {
            const QByteArray& bytes = std::get<PlannedWrite>(output).bytes;
            files.push_back(
                std::to_string(bytes.size()) + " bytes, md5 " +
                QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().toStdString());
        }
        if (work.problem) {
            files.push_back("problem: " + work.problem->message.toStdString());
        }
        return files;
    };
    for (const OutputFormat format : {OutputFormat::Jpeg, OutputFormat::Bmp}) {
        options_.format = format;
        options_.turnDirection =
            format == OutputFormat::Jpeg ? TurnDirection::Left : TurnDirection::Right;
        ItemWorkspace kept;
        for (int pass = 0; pass < 2; ++pass) {
            for (const Scan& scan : scans) {
                SCOPED_TRACE(scan.name.toStdString());
                ItemWorkspace fresh;
                const auto alone = outputsOf(
                    processItem(item(scan.name, scan.selected), options_, outputFolder(), fresh));
                EXPECT_EQ(alone.size(), scan.picture.isNull() ? 1u : scan.selected ? 2u : 1u);
                EXPECT_EQ(outputsOf(processItem(item(scan.name, scan.selected), options_,
                                                outputFolder(), kept)),
                          alone);
                EXPECT_EQ(outputsOf(processItem(item(scan.name, scan.selected), options_,
                                                outputFolder())),
                          alone);
            }
        }
    }
}

// Output folder = source folder: no output may replace a catalogue file.
class SourceProtectionTest : public ItemWorkTest {
protected:
    QString folder() const { return root_.filePath("book1"); }
};

TEST_F(SourceProtectionTest, ResaveOfUnselectedJpegKeepsItsSource) {
    testing_support::writeJpeg(source("a.jpg"), patternImage(30, 20));
    const QByteArray original = testing_support::readBytes(source("a.jpg"));
    options_.copyUnselected = false;
    options_.resaveUnselected = true;
    options_.format = OutputFormat::Jpeg;
    options_.jpegQuality = 10;

    const ItemWork work = processItem(item("a.jpg", false), options_, folder());
    const CommitReport report = commit(work, ProtectedFiles({source("a.jpg")}));
    EXPECT_EQ(report.written, 0);
    EXPECT_EQ(report.failed, 1);
    EXPECT_EQ(report.firstFailedFile, "a.jpg");
    EXPECT_FALSE(report.firstFailure.isEmpty());
    EXPECT_EQ(testing_support::readBytes(source("a.jpg")), original);
}

TEST_F(SourceProtectionTest, PartNamedLikeAnotherCatalogueFileIsNotWritten) {
    testing_support::writeBmp(source("a.bmp"), patternImage(20, 10));
    testing_support::writeBmp(source("a_1.bmp"), patternImage(7, 7));
    const QByteArray original = testing_support::readBytes(source("a_1.bmp"));

    const ItemWork work = processItem(item("a.bmp", true), options_, folder());
    const CommitReport report =
        commit(work, ProtectedFiles({source("a.bmp"), source("a_1.bmp")}), "a.bmp");
    EXPECT_EQ(report.written, 1);
    EXPECT_EQ(report.failed, 1);
    EXPECT_EQ(report.firstFailedFile, "a_1.bmp");
    // Two images refused the same page name are told apart.
    EXPECT_EQ(report.firstFailure,
              "a.bmp のページが元の画像を上書きしてしまうため保存しませんでした");
    EXPECT_EQ(testing_support::readBytes(source("a_1.bmp")), original);
    EXPECT_TRUE(QFileInfo::exists(source("a_2.bmp")));
}

TEST_F(SourceProtectionTest, CopyOntoItselfIsSkippedNotFailed) {
    testing_support::writeBmp(source("c.bmp"), patternImage(5, 5));
    const QByteArray original = testing_support::readBytes(source("c.bmp"));
    const ItemWork work = processItem(item("c.bmp", false), options_, folder());
    EXPECT_EQ(work.numberStep, 1);
    const CommitReport report = commit(work, ProtectedFiles({source("c.bmp")}));
    EXPECT_EQ(report.skipped, 1);
    EXPECT_EQ(report.failed, 0);
    EXPECT_EQ(testing_support::readBytes(source("c.bmp")), original);
}

TEST_F(SourceProtectionTest, OtherSpellingsOfTheSourceFolderAreRecognised) {
    testing_support::writeBmp(source("b.bmp"), patternImage(6, 4));
    const QString link = root_.filePath("alias");
    ASSERT_TRUE(QFile::link(folder(), link));
    const ProtectedFiles sources({source("b.bmp")});
    EXPECT_TRUE(sources.protects(link + "/b.bmp"));
    EXPECT_TRUE(sources.protects(folder() + "/./b.bmp"));
    EXPECT_TRUE(sources.protects(root_.filePath("out/../book1/b.bmp")));
    EXPECT_FALSE(sources.protects(link + "/b_1.bmp"));
    EXPECT_FALSE(sources.protects(output("b.bmp")));
    EXPECT_FALSE(ProtectedFiles().protects(source("b.bmp")));

    options_.copyUnselected = false;
    options_.resaveUnselected = true;
    const ItemWork work = processItem(item("b.bmp", false), options_, link);
    const CommitReport report = commit(work, sources);
    EXPECT_EQ(report.failed, 1);
    EXPECT_EQ(report.written, 0);
}

}  // namespace
}  // namespace split
