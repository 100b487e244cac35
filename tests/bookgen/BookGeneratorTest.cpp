#include "bookgen/ScanPainter.h"
#include "bookgen/ScanPlan.h"
#include "bookgen/ScanWriter.h"
#include "imaging/FileNames.h"
#include "imaging/PictureIo.h"
#include "split/MarginRemoval.h"

#include <gtest/gtest.h>

#include <QCollator>
#include <QTemporaryDir>

#include <algorithm>

namespace bookgen {
namespace {

const ScanPlan& planNamed(const std::vector<ScanPlan>& plans, const QString& name) {
    const auto found = std::find_if(plans.begin(), plans.end(),
                                    [&](const ScanPlan& plan) { return plan.fileName == name; });
    EXPECT_NE(found, plans.end()) << qPrintable(name);
    return *found;
}

// The demo book as the open-folder dialog lists it: 24 scans in the order
// of their numbers (plain and natural order agree), spreads of one size so
// that the automatic selection can pick them, single pages of another, one
// greyscale JPEG, one BMP; and larger corpora keep names that sort right.
TEST(BookPlan, DemoAndCorpusNamesSizesAndFormats) {
    const auto demo = demoPlan();
    ASSERT_EQ(demo.size(), 24u);
    QStringList names;
    int spreads = 0;
    for (const ScanPlan& plan : demo) {
        names << plan.fileName;
        if (plan.kind == ScanKind::Spread) {
            ++spreads;
            EXPECT_EQ(plan.size, QSize(1754, 1240)) << qPrintable(plan.fileName);
        } else {
            EXPECT_EQ(plan.size, QSize(877, 1240)) << qPrintable(plan.fileName);
        }
    }
    EXPECT_EQ(spreads, 20);
    EXPECT_EQ(names.first(), "p001.jpg");
    EXPECT_EQ(planNamed(demo, "p001.jpg").kind, ScanKind::FrontCover);
    EXPECT_EQ(planNamed(demo, "p012.jpg").format, ScanFormat::GreyJpeg);
    EXPECT_EQ(planNamed(demo, "p021.bmp").format, ScanFormat::Bmp);
    EXPECT_EQ(planNamed(demo, "p024.jpg").kind, ScanKind::BackCover);
    QCollator natural;
    natural.setNumericMode(true);
    natural.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), natural);
    EXPECT_EQ(sorted, names);

    const auto corpus = corpusPlan(1200, QSize(64, 48), 1);
    EXPECT_EQ(corpus.front().fileName, "p0001.jpg");
    EXPECT_EQ(corpus.back().fileName, "p1200.jpg");
}

// The special scans of the demo come out of the files as planned: the
// greyscale one decodes to pure grey pixels, the BMP and a colour spread
// decode at their sizes; painting a plan twice gives the same pixels, so
// the demo book and the benchmark corpora are the same on every build.
TEST(ScanWriter, DemoScansDecodeAsPlannedAndRepeatExactly) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto demo = demoPlan();
    for (const QString& name : QStringList{"p003.jpg", "p012.jpg", "p021.bmp"}) {
        const ScanPlan& plan = planNamed(demo, name);
        const auto written = writeScan(plan, folder.path(), 90);
        ASSERT_TRUE(written.ok()) << qPrintable(name);
        const auto decoded = imaging::loadPicture(imaging::joinPath(folder.path(), name));
        ASSERT_TRUE(decoded.ok()) << qPrintable(name);
        EXPECT_EQ(decoded->size(), plan.size) << qPrintable(name);
        if (plan.format == ScanFormat::Bmp) {
            EXPECT_EQ(*decoded, paintScan(plan));
        }
    }
    const auto grey = imaging::loadPicture(imaging::joinPath(folder.path(), "p012.jpg"));
    ASSERT_TRUE(grey.ok());
    bool allGrey = true;
    for (int y = 0; y < grey->height() && allGrey; ++y) {
        const uchar* row = grey->constScanLine(y);
        for (int x = 0; x < grey->width(); ++x) {
            allGrey = allGrey && row[3 * x] == row[3 * x + 1] && row[3 * x] == row[3 * x + 2];
        }
    }
    EXPECT_TRUE(allGrey);

    const ScanPlan& cover = planNamed(demo, "p001.jpg");
    EXPECT_EQ(paintScan(cover), paintScan(cover));
}

// A spread is a fair test of margin removal: cut at the gutter, each page's
// top-left pixel counts as margin against the default threshold, so the
// trim finds the block of print well inside both pages instead of keeping
// them whole (a too dark gutter shadow would make the right page all
// "content").
TEST(ScanPainter, SpreadPagesTrimToTheirPrint) {
    const auto plan = corpusPlan(1, QSize(2480, 1748), 3).front();
    const QImage spread = paintScan(plan);
    ASSERT_FALSE(spread.isNull());
    const int half = spread.width() / 2;
    for (const QImage& page :
         {spread.copy(0, 0, half, spread.height()), spread.copy(half, 0, half, spread.height())}) {
        const imaging::PixelRect box = split::marginBox(page, 100, 0);
        EXPECT_GT(box.left, page.width() / 20);
        EXPECT_LT(box.right, page.width() - page.width() / 20);
        EXPECT_GT(box.top, page.height() / 20);
        EXPECT_LT(box.bottom, page.height() - page.height() / 40);
        EXPECT_GT(box.width(), page.width() / 2);
        EXPECT_GT(box.height(), page.height() / 2);
    }
}

}  // namespace
}  // namespace bookgen
