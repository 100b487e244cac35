#include "model/ThumbnailSide.h"

#include <gtest/gtest.h>

namespace {

using model::thumbnailSideOf;

TEST(ThumbnailSide, SizesTheSettingsDialogAcceptsAreTakenAsTheyAre) {
    EXPECT_EQ(thumbnailSideOf("20"), 20);
    EXPECT_EQ(thumbnailSideOf("150"), 150);
    EXPECT_EQ(thumbnailSideOf(" 96"), 96);
    EXPECT_EQ(thumbnailSideOf("$64"), 100);
}

TEST(ThumbnailSide, AnythingElseFromADamagedSettingsFileGivesTheDesigned80) {
    for (const char* text : {"", "abc", "-", "0", "19", "151", "-80", "80x"}) {
        EXPECT_EQ(thumbnailSideOf(QString::fromLatin1(text)), 80) << text;
    }
}

}  // namespace
