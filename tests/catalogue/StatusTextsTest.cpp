#include "catalogue/StatusTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusTexts, PanelTexts) {
    EXPECT_EQ(catalogue::currentItemText(11, "IMG_0012.jpg"), QString(" [No.12]  IMG_0012.jpg"));
    EXPECT_EQ(catalogue::currentItemText(0, "a.jpg"), QString(" [No.1]  a.jpg"));
    EXPECT_EQ(catalogue::selectedCountText(25), QString(" 25 ヶ所選択"));
    EXPECT_EQ(catalogue::loadingProgressText(4, 120), QString("5/120   [ESC]で中断"));
    EXPECT_EQ(catalogue::loadingProgressText(0, 1), QString("1/1   [ESC]で中断"));
}

TEST(StatusTexts, EachLoadPhaseHasItsPanelTextAndOnlyARunningLoadingIsBusy) {
    using Phase = model::LoadingState::Phase;
    const std::pair<Phase, QString> phases[] = {{Phase::Idle, QString()},
                                                {Phase::Running, QString("読込中")},
                                                {Phase::Loaded, QString("読込完了")},
                                                {Phase::Interrupted, QString("読込中断")}};
    for (const auto& [phase, text] : phases) {
        EXPECT_EQ(catalogue::loadPhaseText(phase), text);
        const model::LoadingState state{phase};
        EXPECT_EQ(state.running(), phase == Phase::Running) << text.toStdString();
    }
}

}  // namespace
