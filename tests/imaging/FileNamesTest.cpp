#include "imaging/FileNames.h"

#include <gtest/gtest.h>

using imaging::baseNameOf;
using imaging::extensionOf;
using imaging::joinPath;

TEST(FileNames, SplitAtTheLastDotOfTheName) {
    EXPECT_EQ(baseNameOf("a.b.jpg"), "a.b");
    EXPECT_EQ(extensionOf("a.b.jpg"), ".jpg");
    EXPECT_EQ(baseNameOf("scan"), "scan");
    EXPECT_EQ(extensionOf("scan"), "");
    EXPECT_EQ(baseNameOf("trailing."), "trailing");
    EXPECT_EQ(extensionOf("trailing."), ".");
    EXPECT_EQ(baseNameOf(".hidden"), "");
    EXPECT_EQ(extensionOf(".hidden"), ".hidden");
    EXPECT_EQ(baseNameOf("/books/vol.2/page"), "/books/vol.2/page");
    EXPECT_EQ(extensionOf("/books/vol.2/page"), "");
    EXPECT_EQ(baseNameOf("/books/vol.2/p1.JPG"), "/books/vol.2/p1");
    EXPECT_EQ(extensionOf("/books/vol.2/p1.JPG"), ".JPG");
}

TEST(FileNames, JoinWithOneSeparator) {
    EXPECT_EQ(joinPath("/books", "p1.jpg"), "/books/p1.jpg");
    EXPECT_EQ(joinPath("/books/", "p1.jpg"), "/books/p1.jpg");
    EXPECT_EQ(joinPath("/", "p1.jpg"), "/p1.jpg");
    EXPECT_EQ(joinPath("", "p1.jpg"), "p1.jpg");
    EXPECT_EQ(joinPath("/本/スキャン", "頁 1.jpg"), "/本/スキャン/頁 1.jpg");
}
