// Lossless pages: every page's DCT blocks are the source's blocks at the
// same place, read back with libjpeg itself, whatever the direction, centre
// removal, margins, turn, odd size or chroma sampling; pages that cannot
// keep them are named with why; the option off, or on where it does not
// apply, changes no byte.
#include "split/ItemCommit.h"
#include "split/ItemWork.h"
#include "split/LosslessGeometry.h"
#include "split/LosslessWork.h"
#include "split/SplitBatch.h"

#include "imaging/ImagingErrors.h"
#include "imaging/PictureIo.h"
#include "split/MarginRemoval.h"
#include "split/SharedCrop.h"
#include "tests/imaging/JpegSamples.h"
#include "tests/split/JpegBlocks.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace split {
namespace {

using imaging::PixelRect;
using split_tests::PageTurn;

constexpr int kWidth = 523;  // odd both ways, neither a multiple of 8
constexpr int kHeight = 371;

// Coloured noise, so every block differs from its neighbours and large
// coefficients occur; with `margins`, white paper with two noisy text
// areas, one on each half.
QImage scanPicture(bool margins) {
    QImage picture(kWidth, kHeight, QImage::Format_RGB888);
    picture.fill(Qt::white);
    std::mt19937 random(7);
    const auto inked = [&](int x, int y) {
        if (!margins) {
            return true;
        }
        return (x >= 37 && x < 200 && y >= 45 && y < 330) ||
               (x >= 300 && x < 480 && y >= 50 && y < 300);
    };
    for (int y = 0; y < kHeight; ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0; x < kWidth; ++x) {
            if (inked(x, y)) {
                const int base = margins ? 0 : 60;
                for (int c = 0; c < 3; ++c) {
                    row[3 * x + c] = static_cast<uchar>(base + random() % 100);
                }
            }
        }
    }
    return picture;
}

struct Chroma {
    const char* name;
    int h;
    int v;
    bool progressive;
};

QByteArray scanJpeg(const QImage& picture, const Chroma& chroma) {
    jpeg_samples::Recipe recipe;
    recipe.stored = JCS_YCbCr;
    recipe.lumaH = chroma.h;
    recipe.lumaV = chroma.v;
    recipe.progressive = chroma.progressive;
    return jpeg_samples::encode(picture.width(), picture.height(), 3,
                                jpeg_samples::rgbSamples(picture), recipe);
}

class LosslessPages : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        options_.lossless = true;
        options_.copyUnselected = false;
    }

    QString path(const QString& name) const { return root_.filePath(name); }

    ItemWork work(const QString& name, bool selected = true) const {
        return processItem(SplitItem{path(name), name, selected}, options_, root_.path());
    }

    static const PlannedWrite& written(const ItemWork& work, size_t index) {
        return std::get<PlannedWrite>(work.outputs.at(index));
    }

    QTemporaryDir root_;
    SplitOptions options_;
};

// Where each page must lie, in source pixels (4:2:0 has a 16-pixel grid,
// 4:4:4 an 8-pixel one), and whether it keeps its blocks.
struct Expected {
    PixelRect rect;
    bool lossless = true;
};

struct Case {
    const char* name;
    SplitDirection direction;
    int centre;  // 0: no centre removal
    std::optional<TurnDirection> turn;
    std::vector<Expected> grid16;
    std::vector<Expected> grid8;
};

TEST_F(LosslessPages, EveryPageHoldsTheSourceBlocksAtItsPlace) {
    using D = SplitDirection;
    const std::vector<Case> cases = {
        // The cut at the half (261, or 185 rows) moves down to the grid.
        {"right",
         D::Right,
         0,
         {},
         {{{0, 0, 256, 371}}, {{256, 0, 523, 371}}},
         {{{0, 0, 256, 371}}, {{256, 0, 523, 371}}}},
        {"left",
         D::Left,
         0,
         {},
         {{{256, 0, 523, 371}}, {{0, 0, 256, 371}}},
         {{{256, 0, 523, 371}}, {{0, 0, 256, 371}}}},
        {"down",
         D::Down,
         0,
         {},
         {{{0, 0, 523, 176}}, {{0, 176, 523, 371}}},
         {{{0, 0, 523, 184}}, {{0, 184, 523, 371}}}},
        {"up",
         D::Up,
         0,
         {},
         {{{0, 176, 523, 371}}, {{0, 0, 523, 176}}},
         {{{0, 184, 523, 371}}, {{0, 0, 523, 184}}}},
        // Centre removal: the near page ends at 261 - 20, the far one starts
        // at the first grid line from 261 + 20 on.
        {"left, centre 20",
         D::Left,
         20,
         {},
         {{{288, 0, 523, 371}}, {{0, 0, 241, 371}}},
         {{{288, 0, 523, 371}}, {{0, 0, 241, 371}}}},
        {"down, centre 30",
         D::Down,
         30,
         {},
         {{{0, 0, 523, 155}}, {{0, 224, 523, 371}}},
         {{{0, 0, 523, 155}}, {{0, 216, 523, 371}}}},
        {"none", D::None, 0, {}, {{{0, 0, 523, 371}}}, {{{0, 0, 523, 371}}}},
        // Left turn: the page's right edge becomes its top. The near page
        // ends on the grid; the far one at the picture's edge, off it.
        {"right, turned left",
         D::Right,
         0,
         TurnDirection::Left,
         {{{0, 0, 256, 371}}, {{256, 0, 523, 371}, false}},
         {{{0, 0, 256, 371}}, {{256, 0, 523, 371}, false}}},
        // Right turn: the bottom edge becomes the left; the upper page's
        // widens to the grid (centre removal leaves room below it).
        {"down, centre 30, turned right",
         D::Down,
         30,
         TurnDirection::Right,
         {{{0, 0, 523, 160}}, {{0, 224, 523, 371}, false}},
         {{{0, 0, 523, 160}}, {{0, 216, 523, 371}, false}}},
    };
    const std::vector<Chroma> samplings = {
        {"4:2:0", 2, 2, false}, {"4:4:4", 1, 1, false}, {"4:2:0 progressive", 2, 2, true}};

    for (const Chroma& chroma : samplings) {
        const QByteArray jpeg = scanJpeg(scanPicture(false), chroma);
        testing_support::writeBytes(path("scan.jpg"), jpeg);
        const split_tests::JpegBlocks source = split_tests::readBlocks(jpeg);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(chroma.name) + ", " + c.name);
            options_.direction = c.direction;
            options_.removeCentre = c.centre > 0;
            options_.centreWidth = c.centre;
            options_.turn = c.turn.has_value();
            options_.turnDirection = c.turn.value_or(TurnDirection::Left);
            const auto& expected = chroma.h == 2 ? c.grid16 : c.grid8;

            const ItemWork result = work("scan.jpg");
            ASSERT_FALSE(result.problem) << result.problem->message.toStdString();
            ASSERT_EQ(result.outputs.size(), expected.size());
            for (size_t i = 0; i < expected.size(); ++i) {
                const PlannedWrite& page = written(result, i);
                EXPECT_EQ(QFileInfo(page.targetPath).fileName(),
                          QStringLiteral("scan_%1.jpg").arg(i + 1));
                ASSERT_TRUE(page.lossless);
                EXPECT_EQ(!page.lossless->reencoded, expected[i].lossless) << "page " << i + 1;
                if (!expected[i].lossless) {
                    EXPECT_EQ(page.lossless->reencoded, NotLosslessReason::TurnOffGrid);
                    continue;
                }
                const PageTurn turn = !c.turn                          ? PageTurn::None
                                      : *c.turn == TurnDirection::Left ? PageTurn::Left
                                                                       : PageTurn::Right;
                EXPECT_EQ(split_tests::firstBlockDifference(split_tests::readBlocks(page.bytes),
                                                            source, expected[i].rect, turn),
                          "")
                    << "page " << i + 1;
            }
        }
    }
}

TEST_F(LosslessPages, MarginBoxesAsTodayWidenedOutToTheGridKeepTheBlocks) {
    const QImage picture = scanPicture(true);
    const QByteArray jpeg = scanJpeg(picture, {"4:2:0", 2, 2, false});
    testing_support::writeBytes(path("page.jpg"), jpeg);
    const split_tests::JpegBlocks source = split_tests::readBlocks(jpeg);
    const auto decoded = imaging::decodeJpeg(jpeg);
    ASSERT_TRUE(decoded.ok());
    options_.direction = SplitDirection::Right;
    options_.removeMargins = true;
    options_.keptMargin = 3;

    for (const auto turn : {std::optional<TurnDirection>{}, std::optional(TurnDirection::Left),
                            std::optional(TurnDirection::Right)}) {
        SCOPED_TRACE(!turn ? "no turn" : *turn == TurnDirection::Left ? "left" : "right");
        options_.turn = turn.has_value();
        options_.turnDirection = turn.value_or(TurnDirection::Left);
        const ItemWork result = work("page.jpg");
        ASSERT_FALSE(result.problem) << result.problem->message.toStdString();
        ASSERT_EQ(result.outputs.size(), 2u);
        // Today's parts are columns 0..260 and 261..521; their boxes are
        // found on today's pixels, then the left and top edges go out to
        // the 16-pixel grid (and, for a turn, the edge that becomes the
        // top or left out to the next grid line).
        const PixelRect parts[] = {{0, 0, 261, kHeight}, {261, 0, 522, kHeight}};
        for (int i = 0; i < 2; ++i) {
            const PixelRect& part = parts[i];
            const PixelRect box = marginBox(sharedCrop(*decoded, part), options_.marginThreshold,
                                            options_.keptMargin);
            PixelRect expected{(part.left + box.left) / 16 * 16, (part.top + box.top) / 16 * 16,
                               part.left + box.right, part.top + box.bottom};
            if (turn == TurnDirection::Left) {
                expected.right = expected.left + (expected.width() + 15) / 16 * 16;
            } else if (turn == TurnDirection::Right) {
                expected.bottom = expected.top + (expected.height() + 15) / 16 * 16;
            }
            const PlannedWrite& page = written(result, static_cast<size_t>(i));
            ASSERT_TRUE(page.lossless);
            EXPECT_FALSE(page.lossless->reencoded);
            const PageTurn pageTurn = !turn                          ? PageTurn::None
                                      : *turn == TurnDirection::Left ? PageTurn::Left
                                                                     : PageTurn::Right;
            EXPECT_EQ(split_tests::firstBlockDifference(split_tests::readBlocks(page.bytes), source,
                                                        expected, pageTurn),
                      "")
                << "page " << i + 1;
        }
    }
}

TEST_F(LosslessPages, PagesThatCannotKeepTheirBlocksAreEncodedAndNamedWithWhy) {
    // A picture narrower than two grid cells: no cut on the grid leaves a
    // page, so today's parts are encoded at the quality.
    const auto tiny = losslessPages(QSize(20, 40), QSize(16, 16), options_);
    ASSERT_TRUE(tiny.ok());
    EXPECT_EQ(*tiny,
              (std::vector<LosslessPage>{{{10, 0, 20, 40}, NotLosslessReason::TooSmallForGrid},
                                         {{0, 0, 10, 40}, NotLosslessReason::TooSmallForGrid}}));

    // CMYK keeps nothing; its pages still come out, encoded as RGB.
    jpeg_samples::Recipe cmyk;
    cmyk.stored = JCS_CMYK;
    testing_support::writeBytes(
        path("cmyk.jpg"),
        jpeg_samples::encode(64, 32, 4, jpeg_samples::flatSamples(64, 32, {0, 200, 200, 0}), cmyk));
    const ItemWork colours = work("cmyk.jpg");
    ASSERT_FALSE(colours.problem);
    ASSERT_EQ(colours.outputs.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(written(colours, i).lossless, LosslessNote{NotLosslessReason::ColoursNotKept});
        EXPECT_EQ(jpeg_samples::inspect(written(colours, i).bytes).colourSpace, JCS_YCbCr);
    }

    // A damaged file is a problem of its item, with no page.
    QByteArray damaged = scanJpeg(scanPicture(false), {"4:2:0", 2, 2, false});
    damaged.truncate(damaged.size() / 2);
    testing_support::writeBytes(path("cut.jpg"), damaged);
    const ItemWork cut = work("cut.jpg");
    EXPECT_TRUE(cut.outputs.empty());
    ASSERT_TRUE(cut.problem);
    EXPECT_EQ(cut.problem->message, imaging::errors::jpegCutOff().message);

    // The batch counts what it wrote and names the pages encoded again, in
    // order; the dry run foresees the same.
    testing_support::writeBytes(path("scan.jpg"),
                                scanJpeg(scanPicture(false), {"4:2:0", 2, 2, false}));
    options_.sourceNamedSubfolder = false;
    options_.turn = true;
    options_.turnDirection = TurnDirection::Left;
    options_.direction = SplitDirection::Right;
    ASSERT_TRUE(QDir(root_.path()).mkpath("out"));
    options_.destination = path("out");
    std::vector<SplitItem> items = {{path("cmyk.jpg"), "cmyk.jpg", true},
                                    {path("scan.jpg"), "scan.jpg", true}};
    SplitBatch batch(options_, root_.path(), items, 2);
    ASSERT_TRUE(batch.start());
    batch.run([](const CommittedItem&) { return true; });
    const LosslessTally expected{1,
                                 {{"cmyk_1.jpg", NotLosslessReason::ColoursNotKept},
                                  {"cmyk_2.jpg", NotLosslessReason::ColoursNotKept},
                                  {"scan_2.jpg", NotLosslessReason::TurnOffGrid}}};
    EXPECT_EQ(batch.lossless(), expected);
    LosslessTally planned;
    ItemWorkspace workspace;
    for (const SplitItem& item : items) {
        const auto pages = plannedLosslessPages(item, options_, workspace);
        ASSERT_TRUE(pages.ok());
        for (const PlannedPage& page : *pages) {
            planned.add(page.fileName, page.note);
        }
    }
    EXPECT_EQ(planned, expected);
}

TEST_F(LosslessPages, WhereTheOptionDoesNotApplyEveryByteIsAsWithoutIt) {
    const QImage picture = scanPicture(false);
    testing_support::writeBmp(path("plate.bmp"), picture);
    testing_support::writeJpeg(path("scan.jpg"), picture, 90);
    options_.removeMargins = true;
    options_.turn = true;
    options_.resaveUnselected = true;

    struct Run {
        const char* file;
        bool selected;
        OutputFormat format;
    };
    for (const Run& run :
         {Run{"plate.bmp", true, OutputFormat::Jpeg}, Run{"scan.jpg", true, OutputFormat::Bmp},
          Run{"scan.jpg", false, OutputFormat::Jpeg}}) {
        SCOPED_TRACE(run.file);
        SplitOptions off = options_;
        off.lossless = false;
        off.format = options_.format = run.format;
        const ItemWork with = work(run.file, run.selected);
        const ItemWork without =
            processItem(SplitItem{path(run.file), run.file, run.selected}, off, root_.path());
        ASSERT_EQ(with.outputs.size(), without.outputs.size());
        for (size_t i = 0; i < with.outputs.size(); ++i) {
            EXPECT_EQ(written(with, i).targetPath, written(without, i).targetPath);
            EXPECT_TRUE(written(with, i).bytes == written(without, i).bytes);
            EXPECT_FALSE(written(with, i).lossless);
        }
    }
}

}  // namespace
}  // namespace split
