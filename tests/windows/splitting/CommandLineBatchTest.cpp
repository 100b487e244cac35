// quillfold-batch against the split dialog: the same settings must give the
// same files, byte for byte.
#include "tests/windows/splitting/SplitFixture.h"

#include "catalogue/CatalogueList.h"
#include "split/RadioGroup.h"
#include "split/SplitDialog.h"
#include "tests/support/TestFiles.h"
#include "widgets/NumberEdit.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

namespace {

// A light page with a dark block on each half, so the cut, the margins and
// the turn all change the output.
QImage page(int width, int height) {
    QImage picture = testing_support::patternImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool ink =
                (x > 3 && x < width / 3 && y > 4 && y < height / 2) ||
                (x > width * 2 / 3 && x < width - 5 && y > height / 3 && y < height - 6);
            if (!ink) {
                picture.setPixel(x, y, qRgb(245, 243, 236));
            }
        }
    }
    return picture;
}

class CommandLineBatch : public SplitFixture {
protected:
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    }

    // Two spreads of one size (one a BMP), a page of another size, and a
    // file that is not a picture at all.
    void loadMixedBook() {
        loadBook({{"p1.jpg", page(64, 40)},
                  {"p2.bmp", page(64, 40)},
                  {"p3.jpg", page(31, 42)},
                  {"p10.jpg", page(65, 41)}});
        testing_support::writeBytes(QDir(book_).filePath("p4.jpg"), "not a picture");
        // The catalogue lists what the folder held when it was opened.
        loadFolder(book_);
        ASSERT_EQ(list().count(), 5);
    }

    // Runs quillfold-batch on the book into a folder of its own; returns
    // that folder.
    QString runCommandLine(const QStringList& options, int expectedStatus) {
        const QString destination = makeFolder("cli");
        QProcess process;
        process.start(QStringLiteral(QUILLFOLD_BATCH), options + QStringList{book_, destination});
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), expectedStatus)
            << process.readAllStandardError().toStdString();
        return destination;
    }

    // Every file of `expected` is in `actual` with the same bytes, and no
    // other file is.
    void expectSameFiles(const QString& expected, const QString& actual) {
        const QStringList names = filesIn(expected);
        ASSERT_FALSE(names.isEmpty());
        EXPECT_EQ(filesIn(actual), names);
        for (const QString& name : names) {
            QFile a(QDir(expected).filePath(name));
            QFile b(QDir(actual).filePath(name));
            ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            EXPECT_TRUE(a.readAll() == b.readAll()) << name.toStdString();
        }
    }
};

TEST_F(CommandLineBatch, EveryOptionOnGivesTheDialogsFiles) {
    loadMixedBook();
    // p1, p2 (64 x 40) and p10 (65 x 41), as a sample of 64 x 40 with
    // tolerance 1 picks them; p4.jpg cannot be read and stays unselected.
    selectRows({0, 1, 4});
    openSplitDialog();
    click(splitDialog().splitMethodGroup->item(0));  // " →"
    click(splitDialog().formatGroup->item(1));       // BMP
    click(splitDialog().removeCentreBox);
    splitDialog().centreWidthEdit->setText("3");
    click(splitDialog().removeMarginsBox);
    splitDialog().thresholdEdit->setText("60");
    splitDialog().keptMarginEdit->setText("2");
    click(splitDialog().turnBox);
    click(splitDialog().turnRightButton);
    click(splitDialog().resaveUnselectedBox);
    pressOk(out_);
    runToEnd();

    const QString cli = runCommandLine(
        {"--direction", "right", "--centre", "3", "--margins", "60,2", "--rotate", "R", "--format",
         "bmp", "--select", "64x40+-1", "--unselected", "resave", "--jobs", "2"},
        1);  // p4.jpg cannot be saved anew
    expectSameFiles(QDir(out_).filePath("book1"), QDir(cli).filePath("book1"));
}

TEST_F(CommandLineBatch, UnselectedCopiesWithoutSubfolderGiveTheDialogsFiles) {
    loadMixedBook();
    selectRows({2});  // p3.jpg, 31 x 42
    openSplitDialog();
    click(splitDialog().splitMethodGroup->item(4));  // なし
    splitDialog().qualityEdit->setText("55");
    click(splitDialog().sourceNamedSubfolderBox);
    click(splitDialog().turnBox);  // L
    pressOk(out_);
    runToEnd();

    const QString cli =
        runCommandLine({"--direction", "none", "--quality", "55", "--no-subfolder", "--rotate", "L",
                        "--select", "31x42+-0", "--unselected", "copy", "--jobs", "1"},
                       0);
    expectSameFiles(out_, cli);
}

TEST_F(CommandLineBatch, ShardsTogetherWriteWhatOneRunWritesAndADryRunWritesNothing) {
    loadMixedBook();
    QStringList listed;
    QString destination;
    // Shard 1/3 is p1 and p4 (which fails), 2/3 is p2 and p10, 3/3 is p3.
    for (const QString shard : {"1/3", "2/3", "3/3"}) {
        destination = runCommandLine({"--shard", shard, "--unselected", "skip"}, shard == "1/3");
        QProcess dryRun;
        dryRun.start(QStringLiteral(QUILLFOLD_BATCH),
                     {"--dry-run", "--shard", shard, book_, makeFolder("dry")});
        ASSERT_TRUE(dryRun.waitForFinished(60000));
        listed << QString::fromUtf8(dryRun.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }
    EXPECT_TRUE(filesIn(QDir(makeFolder("dry")).filePath("book1")).isEmpty());

    // The dialog over the whole book, every image selected.
    keyInList(Qt::Key_A, Qt::ControlModifier);
    openSplitDialog();
    pressOk(out_);
    runToEnd();
    expectSameFiles(QDir(out_).filePath("book1"), QDir(destination).filePath("book1"));
    // The dry runs named what was written, and p4 (unreadable) as planned.
    QStringList names;
    for (const QString& path : listed) {
        names << QFileInfo(path).fileName();
    }
    names.sort();
    QStringList written = filesIn(QDir(out_).filePath("book1")) << "p4_1.jpg"
                                                                << "p4_2.jpg";
    written.sort();
    EXPECT_EQ(names, written);
}

}  // namespace
