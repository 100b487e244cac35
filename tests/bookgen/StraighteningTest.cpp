// The automatic deskew and the gutter search on generated scans whose
// angle, fold and page contents are known.
#include "bookgen/ScanPainter.h"
#include "bookgen/ScanPlan.h"
#include "bookgen/ScanWriter.h"
#include "bookgen/Truth.h"
#include "imaging/FileNames.h"
#include "imaging/LosslessJpeg.h"
#include "imaging/PictureIo.h"
#include "split/GutterSearch.h"
#include "split/ItemWork.h"
#include "split/LosslessWork.h"
#include "split/Rotation.h"
#include "split/SkewMeasure.h"
#include "split/SplitBatch.h"
#include "split/SplitGeometry.h"
#include "split/Straightening.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cmath>

namespace bookgen {
namespace {

constexpr double kCap = 5.0;
constexpr double kTarget = 0.1;  // degrees

// A5 spreads at 150 dpi: large enough for print, quick to paint.
ScanPlan crooked(double skew, double foldOffset, PageContent left, PageContent right,
                 std::uint64_t seed) {
    ScanPlan plan;
    plan.fileName = QStringLiteral("s.jpg");
    plan.size = QSize(1754, 1240);
    plan.firstPageNumber = 24;
    plan.seed = seed;
    plan.skew = skew;
    plan.foldOffset = foldOffset;
    plan.leftPage = left;
    plan.rightPage = right;
    return plan;
}

std::string described(const ScanPlan& plan) {
    return QStringLiteral("skew %1, fold %2, %3 | %4")
        .arg(plan.skew)
        .arg(plan.foldOffset)
        .arg(contentName(plan.leftPage), contentName(plan.rightPage))
        .toStdString();
}

// The two pages of a spread cut at its fold's column, right page first.
std::pair<QImage, QImage> pagesOf(const QImage& spread, const ScanPlan& plan) {
    const auto parts = split::cutImage(spread, split::SplitDirection::Left, 0,
                                       static_cast<int>(std::lround(foldAtMiddle(plan))));
    EXPECT_TRUE(parts.ok());
    return {parts->first, *parts->second};
}

// Text set in rows and in columns, turned either way by up to the cap and
// cut off centre: each page measured within a tenth of a degree of the
// turn that straightens it, on the lines it is set in, and judged to be
// turned.
TEST(Deskew, MeasuresTurnedTextInRowsAndInColumnsWithinATenthOfADegree) {
    const std::vector<ScanPlan> plans = {
        crooked(-4.3, -0.1, PageContent::Text, PageContent::Text, 11),
        crooked(0.62, 0.06, PageContent::Text, PageContent::Text, 12),
        crooked(2.9, 0.0, PageContent::Text, PageContent::Text, 13),
        crooked(-1.15, 0.08, PageContent::VerticalText, PageContent::VerticalText, 14),
        crooked(3.7, -0.05, PageContent::VerticalText, PageContent::VerticalText, 15),
        crooked(-0.4, 0.0, PageContent::VerticalText, PageContent::VerticalText, 16),
    };
    for (const ScanPlan& plan : plans) {
        SCOPED_TRACE(described(plan));
        const QImage spread = paintScan(plan);
        const auto [right, left] = pagesOf(spread, plan);
        for (const QImage& page : {right, left}) {
            const split::SkewMeasure measure = split::measureSkew(page, split::measureReach(kCap));
            EXPECT_TRUE(measure.confident);
            EXPECT_NEAR(measure.turn, -plan.skew, kTarget);
            EXPECT_EQ(measure.lines, plan.leftPage == PageContent::VerticalText
                                         ? split::TextLines::Vertical
                                         : split::TextLines::Horizontal);
            EXPECT_EQ(split::judgeSkew(measure, kCap), split::PageOutcome::Turned);
        }
    }
}

// Blank pages and full-page pictures give no angle to trust, turned or
// not, and are kept exactly as they are; the least angle and the cap keep
// trusted pages as they are too.
TEST(Deskew, KeepsBlankAndPicturePagesAndAnglesOutsideItsRange) {
    for (const ScanPlan& plan :
         {crooked(2.4, 0.04, PageContent::Blank, PageContent::Picture, 21),
          crooked(-3.1, -0.07, PageContent::Picture, PageContent::Blank, 22),
          crooked(0.0, 0.0, PageContent::Picture, PageContent::Picture, 23)}) {
        SCOPED_TRACE(described(plan));
        const QImage spread = paintScan(plan);
        const auto [right, left] = pagesOf(spread, plan);
        for (const auto& [page, content] :
             {std::pair{right, plan.rightPage}, std::pair{left, plan.leftPage}}) {
            split::PageFindings findings;
            imaging::PixelBuffer buffer;
            const auto kept = split::straightenPage(page, kCap, buffer, findings);
            ASSERT_TRUE(kept.has_value());
            EXPECT_FALSE(findings.measure.confident);
            EXPECT_EQ(findings.measure.doubt, content == PageContent::Blank
                                                  ? split::SkewDoubt::Blank
                                                  : split::SkewDoubt::Picture);
            EXPECT_EQ(findings.outcome, split::PageOutcome::NotConfident);
            EXPECT_EQ(kept->constBits(), page.constBits());
        }
    }

    split::SkewMeasure trusted;
    trusted.confident = true;
    trusted.doubt = split::SkewDoubt::None;
    trusted.turn = 0.049;
    EXPECT_EQ(split::judgeSkew(trusted, kCap), split::PageOutcome::UnderLeast);
    trusted.turn = -0.05;
    EXPECT_EQ(split::judgeSkew(trusted, kCap), split::PageOutcome::Turned);
    trusted.turn = -5.0;
    EXPECT_EQ(split::judgeSkew(trusted, kCap), split::PageOutcome::Turned);
    trusted.turn = 5.01;
    EXPECT_EQ(split::judgeSkew(trusted, kCap), split::PageOutcome::OverCap);
    EXPECT_EQ(split::judgeSkew(trusted, 6.0), split::PageOutcome::Turned);

    // Pages too small to hold lines are no trouble either.
    for (const QSize tiny : {QSize(1, 1), QSize(3, 2), QSize(40, 9)}) {
        QImage page(tiny, QImage::Format_RGB888);
        page.fill(Qt::black);
        EXPECT_FALSE(split::measureSkew(page, split::measureReach(kCap)).confident);
        EXPECT_FALSE(split::findGutter(page, split::SplitDirection::Left).found());
    }

    // A page turned past the cap is measured as such, not at the cap.
    const ScanPlan steep = crooked(-5.6, 0.0, PageContent::Text, PageContent::Text, 24);
    const auto [right, left] = pagesOf(paintScan(steep), steep);
    const split::SkewMeasure past = split::measureSkew(right, split::measureReach(kCap));
    EXPECT_NEAR(past.turn, 5.6, kTarget);
    EXPECT_EQ(split::judgeSkew(past, kCap), split::PageOutcome::OverCap);
}

// The fold anywhere within 15 % of the centre, the book turned, blank and
// picture pages beside it: the cut lies in the print-free band round the
// fold, across the columns of a left-right spread and across the rows of
// the same spread turned a quarter turn (an upper-lower one). A scan with
// print across its middle has no gutter: the centre, not found.
TEST(GutterSearch, CutsInsideThePrintFreeBandAtKnownOffsets) {
    const std::vector<ScanPlan> plans = {
        crooked(1.5, -0.14, PageContent::Text, PageContent::Text, 31),
        crooked(-2.2, -0.06, PageContent::VerticalText, PageContent::Picture, 32),
        crooked(0.3, 0.0, PageContent::Blank, PageContent::Text, 33),
        crooked(-0.8, 0.09, PageContent::Picture, PageContent::Text, 34),
        crooked(2.7, 0.145, PageContent::Text, PageContent::Blank, 35),
    };
    for (const ScanPlan& plan : plans) {
        SCOPED_TRACE(described(plan));
        GutterBand band;
        const QImage spread = paintScan(plan, &band);
        ASSERT_GT(band.right - band.left, 20);
        const split::GutterFinding across = split::findGutter(spread, split::SplitDirection::Left);
        EXPECT_TRUE(across.found());
        EXPECT_TRUE(band.holds(across.cut))
            << across.cut << " not in " << band.left << ".." << band.right;

        // Turned left, column x becomes row W - 1 - x.
        const QImage upright = split::turnQuarter(spread, split::TurnDirection::Left);
        const split::GutterFinding down = split::findGutter(upright, split::SplitDirection::Down);
        EXPECT_TRUE(down.found());
        EXPECT_TRUE(band.holds(spread.width() - down.cut)) << down.cut;
    }

    ScanPlan title;
    title.kind = ScanKind::TitlePage;
    title.size = QSize(877, 1240);
    title.seed = 36;
    const split::GutterFinding none =
        split::findGutter(paintScan(title), split::SplitDirection::Right);
    EXPECT_FALSE(none.found());
    EXPECT_EQ(none.cut, 877 / 2);
}

// Through the split work as the batch runs it: with both options off the
// pages are the centre cut's, byte for byte, and nothing is measured; with
// both on the cut moves to the fold and each page comes out straightened,
// its findings named.
TEST(SplitWithMeasures, OffChangesNothingOnCutsAtTheGutterAndStraightens) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const ScanPlan plan = crooked(-1.8, 0.11, PageContent::Text, PageContent::VerticalText, 41);
    GutterBand band;
    const QImage spread = paintScan(plan, &band);
    const QString path = imaging::joinPath(folder.path(), QStringLiteral("s.bmp"));
    const auto bytes = imaging::encodeBmp(spread);
    ASSERT_TRUE(bytes.ok());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(*bytes), bytes->size());
    file.close();
    const split::SplitItem item{path, QStringLiteral("s.bmp"), true};

    split::SplitOptions off;
    off.format = split::OutputFormat::Bmp;
    off.direction = split::SplitDirection::Left;
    const split::ItemWork plain = split::processItem(item, off, folder.path());
    ASSERT_FALSE(plain.problem.has_value());
    ASSERT_EQ(plain.outputs.size(), 2u);
    EXPECT_TRUE(plain.findings.empty());
    const auto centre = split::cutImage(spread, split::SplitDirection::Left, 0);
    ASSERT_TRUE(centre.ok());
    EXPECT_EQ(std::get<split::PlannedWrite>(plain.outputs[0]).bytes,
              *imaging::encodeBmp(centre->first));
    EXPECT_EQ(std::get<split::PlannedWrite>(plain.outputs[1]).bytes,
              *imaging::encodeBmp(*centre->second));

    split::SplitOptions on = off;
    on.deskew = true;
    on.cutPlacement = split::CutPlacement::Gutter;
    const split::ItemWork straight = split::processItem(item, on, folder.path());
    ASSERT_FALSE(straight.problem.has_value());
    ASSERT_EQ(straight.outputs.size(), 2u);
    const split::ItemFindings& findings = straight.findings;
    ASSERT_TRUE(findings.cut.has_value());
    EXPECT_TRUE(findings.cut->found());
    EXPECT_TRUE(band.holds(findings.cut->cut));
    ASSERT_EQ(findings.pages.size(), 2u);
    EXPECT_EQ(findings.pages[0].fileName, "s_1.bmp");
    EXPECT_EQ(findings.pages[1].fileName, "s_2.bmp");
    for (const split::PageFindings& page : findings.pages) {
        EXPECT_EQ(page.outcome, split::PageOutcome::Turned);
        EXPECT_NEAR(page.measure.turn, 1.8, kTarget);
    }
    EXPECT_FALSE(findings.anythingKept());
    // Right page first: from the cut to the right edge, straightened.
    const auto first = imaging::decodeBmp(std::get<split::PlannedWrite>(straight.outputs[0]).bytes);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first->size(), QSize(spread.width() - findings.cut->cut, spread.height()));

    const auto inspected = split::inspectItem(item, on);
    ASSERT_TRUE(inspected.ok());
    EXPECT_EQ(inspected->cut->cut, findings.cut->cut);
    ASSERT_EQ(inspected->pages.size(), 2u);
    EXPECT_EQ(inspected->pages[1].measure.turn, findings.pages[1].measure.turn);

    // A batch tells its end what it left as it was: here a blank scan, cut
    // at its centre with no gutter found, and both its pages kept.
    QImage blank(400, 300, QImage::Format_RGB888);
    blank.fill(Qt::white);
    const QString blankPath = imaging::joinPath(folder.path(), QStringLiteral("t.bmp"));
    QFile blankFile(blankPath);
    ASSERT_TRUE(blankFile.open(QIODevice::WriteOnly));
    ASSERT_GT(blankFile.write(*imaging::encodeBmp(blank)), 0);
    blankFile.close();
    on.destination = folder.path();
    on.sourceNamedSubfolder = false;
    split::SplitBatch batch(on, folder.path(),
                            {item, split::SplitItem{blankPath, QStringLiteral("t.bmp"), true}});
    ASSERT_TRUE(batch.start());
    std::vector<split::ItemFindings> committed;
    batch.run([&](const split::CommittedItem& done) {
        committed.push_back(done.findings);
        return true;
    });
    ASSERT_EQ(committed.size(), 2u);
    EXPECT_EQ(committed[0].cut->cut, findings.cut->cut);
    const split::KeptAsTheyWere& kept = batch.keptAsTheyWere();
    EXPECT_EQ(kept.centredImages, QStringList{"t.bmp"});
    ASSERT_EQ(kept.pages.size(), 2u);
    EXPECT_EQ(kept.pages[0].imageName, "t.bmp");
    EXPECT_EQ(kept.pages[0].page.fileName, "t_1.bmp");
    EXPECT_EQ(kept.pages[1].page.outcome, split::PageOutcome::NotConfident);
}

// Lossless pages with both measures on, on a JPEG spread whose fold lies
// off centre: the left page of text, turned by the deskew, has left its
// blocks and is encoded again exactly as without lossless pages, named
// with why; the blank right page, kept, keeps its blocks, cut at the
// gutter moved down to the block grid, byte for byte as with the gutter
// search alone. The batch counts them so, and the dry run foresees it.
TEST(SplitWithMeasures, LosslessPagesTurnedAreEncodedAgainAndKeptOnesStayOnTheGrid) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const ScanPlan plan = crooked(-1.8, 0.11, PageContent::Text, PageContent::Blank, 35);
    GutterBand band;
    ASSERT_TRUE(writeScan(plan, folder.path(), 90, Chroma::Half, &band).ok());
    const QString path = imaging::joinPath(folder.path(), plan.fileName);
    const split::SplitItem item{path, plan.fileName, true};
    const auto layout = imaging::readJpegBlockLayout(path);
    ASSERT_TRUE(layout.ok());
    const int step = layout->grid.width();

    split::SplitOptions on;
    on.direction = split::SplitDirection::Left;
    on.cutPlacement = split::CutPlacement::Gutter;
    on.deskew = true;
    on.lossless = true;
    const split::ItemWork work = split::processItem(item, on, folder.path());
    ASSERT_FALSE(work.problem.has_value());
    ASSERT_EQ(work.outputs.size(), 2u);
    const auto& right = std::get<split::PlannedWrite>(work.outputs[0]);
    const auto& left = std::get<split::PlannedWrite>(work.outputs[1]);
    ASSERT_TRUE(work.findings.cut.has_value());
    ASSERT_TRUE(work.findings.cut->found());
    const int cut = work.findings.cut->cut;
    EXPECT_TRUE(band.holds(cut));
    EXPECT_NE(cut / step, plan.size.width() / 2 / step);
    ASSERT_EQ(work.findings.pages.size(), 2u);
    EXPECT_EQ(work.findings.pages[0].outcome, split::PageOutcome::NotConfident);
    EXPECT_EQ(work.findings.pages[1].outcome, split::PageOutcome::Turned);

    EXPECT_EQ(left.lossless, split::LosslessNote{split::NotLosslessReason::Straightened});
    split::SplitOptions lossy = on;
    lossy.lossless = false;
    const split::ItemWork plain = split::processItem(item, lossy, folder.path());
    ASSERT_EQ(plain.outputs.size(), 2u);
    EXPECT_TRUE(left.bytes == std::get<split::PlannedWrite>(plain.outputs[1]).bytes);

    EXPECT_EQ(right.lossless, split::LosslessNote{});
    const auto kept = imaging::decodeJpeg(right.bytes);
    ASSERT_TRUE(kept.ok());
    EXPECT_EQ(kept->size(), QSize(plan.size.width() - cut / step * step, plan.size.height()));
    split::SplitOptions gutterOnly = on;
    gutterOnly.deskew = false;
    const split::ItemWork cutOnly = split::processItem(item, gutterOnly, folder.path());
    ASSERT_EQ(cutOnly.outputs.size(), 2u);
    EXPECT_TRUE(right.bytes == std::get<split::PlannedWrite>(cutOnly.outputs[0]).bytes);
    EXPECT_EQ(std::get<split::PlannedWrite>(cutOnly.outputs[1]).lossless, split::LosslessNote{});

    const split::LosslessTally expected{
        1, {{QStringLiteral("s_2.jpg"), split::NotLosslessReason::Straightened}}};
    on.destination = folder.path();
    on.sourceNamedSubfolder = false;
    split::SplitBatch batch(on, folder.path(), {item});
    ASSERT_TRUE(batch.start());
    batch.run([](const split::CommittedItem&) { return true; });
    EXPECT_EQ(batch.lossless(), expected);
    const auto inspected = split::inspectItem(item, on);
    ASSERT_TRUE(inspected.ok());
    split::ItemWorkspace workspace;
    const auto planned = split::plannedLosslessPages(item, on, workspace, &*inspected);
    ASSERT_TRUE(planned.ok());
    split::LosslessTally foreseen;
    for (const split::PlannedPage& page : *planned) {
        foreseen.add(page.fileName, page.note);
    }
    EXPECT_EQ(foreseen, expected);
}

}  // namespace
}  // namespace bookgen
