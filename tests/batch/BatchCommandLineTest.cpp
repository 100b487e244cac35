#include "batch/BatchCommandLine.h"

#include <gtest/gtest.h>

namespace {

using batch::CommandLine;

CommandLine parse(QStringList arguments) {
    arguments.prepend("quillfold-batch");
    return batch::parseCommandLine(arguments, 6);
}

TEST(BatchCommandLine, DefaultsAreTheDialogsAndEveryOptionReachesTheBatch) {
    const CommandLine plain = parse({"in", "out"});
    ASSERT_EQ(plain.action, CommandLine::Action::Run) << plain.text.toStdString();
    split::SplitOptions dialogDefaults;
    dialogDefaults.destination = "out";
    EXPECT_EQ(plain.request.options, dialogDefaults);
    EXPECT_EQ(plain.request.sourceFolder, "in");
    EXPECT_EQ(plain.request.selection, batch::SelectionRule::All);
    EXPECT_EQ(plain.request.jobs, 6);

    const CommandLine full = parse({"--direction",
                                    "up",
                                    "--centre",
                                    "12",
                                    "--margins",
                                    "90,4",
                                    "--rotate",
                                    "r",
                                    "--format",
                                    "bmp",
                                    "--quality",
                                    "0",
                                    "--select",
                                    "4960x3508+-25",
                                    "--unselected",
                                    "resave",
                                    "--no-subfolder",
                                    "--jobs",
                                    "3",
                                    "--shard",
                                    "2/5",
                                    "--dry-run",
                                    "--quiet",
                                    "--lossless",
                                    "in",
                                    "out"});
    ASSERT_EQ(full.action, CommandLine::Action::Run) << full.text.toStdString();
    const split::SplitOptions& options = full.request.options;
    EXPECT_EQ(options.direction, split::SplitDirection::Up);
    EXPECT_TRUE(options.removeCentre);
    EXPECT_EQ(options.centreWidth, 12);
    EXPECT_TRUE(options.removeMargins);
    EXPECT_EQ(options.marginThreshold, 90);
    EXPECT_EQ(options.keptMargin, 4);
    EXPECT_TRUE(options.turn);
    EXPECT_EQ(options.turnDirection, split::TurnDirection::Right);
    EXPECT_EQ(options.format, split::OutputFormat::Bmp);
    EXPECT_EQ(options.jpegQuality, 0);
    EXPECT_FALSE(options.copyUnselected);
    EXPECT_TRUE(options.resaveUnselected);
    EXPECT_FALSE(options.sourceNamedSubfolder);
    EXPECT_TRUE(options.lossless);
    EXPECT_EQ(full.request.selection, batch::SelectionRule::BySampleSize);
    EXPECT_EQ(full.request.sampleSize, QSize(4960, 3508));
    EXPECT_EQ(full.request.tolerance, 25);
    EXPECT_EQ(full.request.jobs, 3);
    EXPECT_EQ(full.request.shard.index, 2);
    EXPECT_EQ(full.request.shard.count, 5);
    EXPECT_TRUE(full.request.dryRun);
    EXPECT_TRUE(full.request.quiet);
    // Images 2, 7, 12 ... of the folder, numbered from 1.
    EXPECT_TRUE(full.request.shard.holds(2));
    EXPECT_TRUE(full.request.shard.holds(7));
    EXPECT_FALSE(full.request.shard.holds(1));
    EXPECT_FALSE(full.request.shard.holds(3));

    EXPECT_EQ(parse({"--select", "10x20", "in", "out"}).request.tolerance, 10);
    EXPECT_EQ(parse({"--unselected", "skip", "in", "out"}).request.options.copyUnselected, false);
    EXPECT_EQ(parse({"--help"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(parse({"--version"}).action, CommandLine::Action::ShowVersion);
}

// The deskew's cap may be left out (the default, 5 degrees) or given after
// "="; the cut is at the centre unless the gutter is asked for. Both stay
// off unless asked for, and wrong values are refused.
TEST(BatchCommandLine, DeskewWithOrWithoutItsCapAndTheCutAtTheGutter) {
    const CommandLine bare = parse({"--deskew", "--cut", "gutter", "in", "out"});
    ASSERT_EQ(bare.action, CommandLine::Action::Run) << bare.text.toStdString();
    EXPECT_TRUE(bare.request.options.deskew);
    EXPECT_EQ(bare.request.options.deskewCap, 5.0);
    EXPECT_EQ(bare.request.options.cutPlacement, split::CutPlacement::Gutter);

    const CommandLine capped = parse({"in", "--deskew=2.5", "out", "--cut", "centre"});
    ASSERT_EQ(capped.action, CommandLine::Action::Run) << capped.text.toStdString();
    EXPECT_EQ(capped.request.options.deskewCap, 2.5);
    EXPECT_EQ(capped.request.options.cutPlacement, split::CutPlacement::Centre);
    EXPECT_EQ(capped.request.sourceFolder, "in");

    const CommandLine plain = parse({"in", "out"});
    EXPECT_FALSE(plain.request.options.deskew);
    EXPECT_EQ(plain.request.options.cutPlacement, split::CutPlacement::Centre);
    EXPECT_TRUE(batch::helpText().contains("--deskew[=MAX]"));

    for (const QStringList& wrong : std::vector<QStringList>{{"--deskew=0", "in", "out"},
                                                             {"--deskew=0.05", "in", "out"},
                                                             {"--deskew=46", "in", "out"},
                                                             {"--deskew=two", "in", "out"},
                                                             {"--deskew=", "in", "out"},
                                                             {"--deskew", "3", "in", "out"},
                                                             {"--cut", "left", "in", "out"}}) {
        const CommandLine result = parse(wrong);
        EXPECT_EQ(result.action, CommandLine::Action::Refuse) << wrong.join(' ').toStdString();
        EXPECT_FALSE(result.text.isEmpty()) << wrong.join(' ').toStdString();
    }
}

TEST(BatchCommandLine, WrongArgumentsAreRefusedWithAReason) {
    const std::vector<QStringList> wrong = {
        {},
        {"in"},
        {"in", "out", "more"},
        {"--bogus", "in", "out"},
        {"--direction", "sideways", "in", "out"},
        {"--centre", "-1", "in", "out"},
        {"--margins", "256", "in", "out"},
        {"--margins", "100,", "in", "out"},
        {"--rotate", "X", "in", "out"},
        {"--format", "png", "in", "out"},
        {"--quality", "101", "in", "out"},
        {"--select", "100x", "in", "out"},
        {"--select", "0x100", "in", "out"},
        {"--unselected", "move", "in", "out"},
        {"--subfolder", "--no-subfolder", "in", "out"},
        {"--jobs", "0", "in", "out"},
        {"--shard", "0/3", "in", "out"},
        {"--shard", "4/3", "in", "out"},
        {"--shard", "1/0", "in", "out"},
        {"--jobs", "in", "out"},
    };
    for (const QStringList& arguments : wrong) {
        const CommandLine result = parse(arguments);
        EXPECT_EQ(result.action, CommandLine::Action::Refuse) << arguments.join(' ').toStdString();
        EXPECT_FALSE(result.text.isEmpty()) << arguments.join(' ').toStdString();
    }
}

}  // namespace
