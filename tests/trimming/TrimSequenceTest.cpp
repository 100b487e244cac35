#include "trimming/TrimSequence.h"

#include "trimming/TrimmingTexts.h"

#include <gtest/gtest.h>

namespace trimming {
namespace {

FrameFields frame(int left, int top, int width, int height) {
    FrameFields f;
    f.ImageWidth = 100;
    f.ImageHeight = 80;
    f.FrameLeft = left;
    f.FrameTop = top;
    f.FrameWidth = width;
    f.FrameHeight = height;
    return f;
}

// What the user sees of a phase: the panel's text and how long it stays.
struct Shown {
    SequencePhase phase;
    QString text;
    int interval;

    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Shown& shown) {
    return os << static_cast<int>(shown.phase) << " \"" << shown.text.toStdString() << "\" "
              << shown.interval;
}

Shown shown(const TrimSequence& sequence) {
    return {sequence.phase(), sequence.panelText(), sequence.interval()};
}

TrimSequence trimStartedOn(const FrameFields& f) {
    TrimSequence sequence;
    sequence.startTrim(f);
    return sequence;
}

TEST(TrimStart, FrameWithItsCornerInsideIsTrimmed) {
    const Shown trimming{SequencePhase::Trimming, trimBusyText(), kWorkInterval};
    EXPECT_EQ(shown(trimStartedOn(frame(0, 0, 100, 80))), trimming);
    EXPECT_EQ(shown(trimStartedOn(frame(99, 79, 500, 500))), trimming);
}

TEST(TrimStart, CornerOutsideTheImageIsRefused) {
    const Shown refused{SequencePhase::Message, errors::outsideImage().message, kMessageInterval};
    EXPECT_EQ(shown(trimStartedOn(frame(100, 0, 5, 5))), refused);
    EXPECT_EQ(shown(trimStartedOn(frame(0, 80, 5, 5))), refused);
}

TEST(TrimStart, ZeroFrameIsRefusedLikeACornerOutside) {
    const Shown refused{SequencePhase::Message, errors::outsideImage().message, kMessageInterval};
    EXPECT_EQ(shown(trimStartedOn(frame(0, 0, 0, 0))), refused);
    EXPECT_EQ(shown(trimStartedOn(frame(0, 0, 10, 0))), refused);
    EXPECT_EQ(shown(trimStartedOn(frame(0, 0, 0, 10))), refused);
}

TEST(TrimStart, FailureShowsItsMessageThenEnds) {
    TrimSequence sequence = trimStartedOn(frame(0, 0, 100, 80));
    sequence.failed(QStringLiteral("ファイルが見当たりません"));
    EXPECT_EQ(shown(sequence),
              (Shown{SequencePhase::Message, QStringLiteral("ファイルが見当たりません"),
                     kMessageInterval}));
    EXPECT_EQ(sequence.tickAction(), TickAction::HideMessage);
}

TEST(SurvivesClosing, OnlyOnceTheFileIsWritten) {
    auto afterClosing = [](TrimSequence sequence) {
        sequence.closeView();
        return sequence.phase();
    };
    TrimSequence sequence = trimStartedOn(frame(0, 0, 100, 80));
    EXPECT_EQ(afterClosing(sequence), SequencePhase::Idle);
    sequence.saved();
    EXPECT_EQ(afterClosing(sequence), SequencePhase::TrimSaved);
    sequence.confirm();
    EXPECT_EQ(afterClosing(sequence), SequencePhase::TrimConfirmed);

    sequence.startCopy();
    EXPECT_EQ(afterClosing(sequence), SequencePhase::Idle);
    sequence.saved();
    EXPECT_EQ(afterClosing(sequence), SequencePhase::CopySaved);
    sequence.confirm();
    EXPECT_EQ(afterClosing(sequence), SequencePhase::CopyConfirmed);

    EXPECT_EQ(afterClosing(trimStartedOn(frame(100, 0, 5, 5))), SequencePhase::Idle);
}

TEST(TrimSequence, EachPhaseAdvancesByOneStep) {
    TrimSequence sequence;
    EXPECT_EQ(shown(sequence), (Shown{SequencePhase::Idle, QString(), 0}));
    EXPECT_EQ(sequence.tickAction(), TickAction::None);

    sequence.startTrim(frame(0, 0, 100, 80));
    EXPECT_EQ(sequence.tickAction(), TickAction::Trim);
    sequence.saved();
    EXPECT_EQ(shown(sequence), (Shown{SequencePhase::TrimSaved, trimBusyText(), 301}));
    EXPECT_EQ(sequence.tickAction(), TickAction::Confirm);
    sequence.confirm();
    EXPECT_EQ(shown(sequence), (Shown{SequencePhase::TrimConfirmed, trimDoneText(), 300}));
    EXPECT_EQ(sequence.tickAction(), TickAction::Finish);

    // A key pressed during a display phase restarts with its own request.
    sequence.startCopy();
    EXPECT_EQ(shown(sequence), (Shown{SequencePhase::Copying, copyBusyText(), 10}));
    EXPECT_EQ(sequence.tickAction(), TickAction::Copy);
    sequence.saved();
    EXPECT_EQ(shown(sequence), (Shown{SequencePhase::CopySaved, copyBusyText(), 301}));
    sequence.confirm();
    EXPECT_EQ(shown(sequence), (Shown{SequencePhase::CopyConfirmed, copyDoneText(), 300}));
    EXPECT_EQ(sequence.tickAction(), TickAction::Finish);
    sequence.startTrim(frame(0, 0, 100, 80));
    EXPECT_EQ(sequence.phase(), SequencePhase::Trimming);
}

TEST(TrimSequence, RefusalsAndErrorsAreHiddenAndNeverSpin) {
    TrimSequence sequence = trimStartedOn(frame(100, 0, 5, 5));
    EXPECT_EQ(sequence.tickAction(), TickAction::HideMessage);
    sequence.end();
    EXPECT_EQ(shown(sequence), (Shown{SequencePhase::Idle, QString(), 0}));
    EXPECT_EQ(sequence.tickAction(), TickAction::None);

    // Steps that do not belong to the phase change nothing.
    sequence.saved();
    sequence.confirm();
    EXPECT_EQ(sequence.phase(), SequencePhase::Idle);
    sequence.startCopy();
    sequence.confirm();
    EXPECT_EQ(sequence.phase(), SequencePhase::Copying);
}

}  // namespace
}  // namespace trimming
