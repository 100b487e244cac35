// BMP output of the batch against the cut, centre, margin and turn rules,
// computed here pixel by pixel in the plainest way.
#include "tests/windows/splitting/SplitFixture.h"

#include "split/RadioGroup.h"
#include "split/SplitDialog.h"
#include "tests/split/PixelChecks.h"
#include "tests/support/TestFiles.h"
#include "widgets/NumberEdit.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

using split_tests::firstDifference;

int grey(const QImage& picture, int x, int y) {
    const QRgb pixel = picture.pixel(x, y);
    return (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3;
}

// Nearest-neighbour copy of source rectangle (left, top, width x height)
// into a picture of size `size`.
QImage stretched(const QImage& source, int left, int top, int width, int height, QSize size) {
    QImage target(size, QImage::Format_RGB888);
    for (int ty = 0; ty < size.height(); ++ty) {
        for (int tx = 0; tx < size.width(); ++tx) {
            const int sx = left + tx * width / size.width();
            const int sy = top + ty * height / size.height();
            target.setPixel(tx, ty, source.pixel(sx, sy));
        }
    }
    return target;
}

QImage trimmed(const QImage& part, int threshold, int keep) {
    const int bg = grey(part, 0, 0);
    int left = part.width(), top = part.height(), right = 0, bottom = 0;
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            if (std::abs(grey(part, x, y) - bg) > threshold) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
        }
    }
    if (right == 0)
        return part;
    left = std::max(0, left - keep);
    top = std::max(0, top - keep);
    right = std::min(part.width(), right + keep);
    bottom = std::min(part.height(), bottom + keep);
    return part.copy(left, top, right - left, bottom - top).convertToFormat(QImage::Format_RGB888);
}

QImage turned(const QImage& part, bool right) {
    const int w = part.width();
    const int h = part.height();
    QImage target(h, w, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (right) {
                target.setPixel(h - 1 - y, x, part.pixel(x, y));
            } else {
                target.setPixel(y, w - 1 - x, part.pixel(x, y));
            }
        }
    }
    return target;
}

// A white spread with patterned dark blocks, one on each page and one
// touching the gutter, so margins, centre strip and page order all show.
QImage spread(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB888);
    picture.fill(Qt::white);
    const QImage ink = testing_support::patternImage(width, height);
    const auto block = [&](int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                const QRgb p = ink.pixel(x, y);
                picture.setPixel(x, y, qRgb(qRed(p) / 3, qGreen(p) / 3, qBlue(p) / 3));
            }
        }
    };
    block(4, 5, 11, 20);
    block(27, 3, 38, 9);
    block(width / 2 - 1, height - 8, width / 2 + 1, height - 2);
    return picture;
}

class SplitPixelsTest : public SplitFixture {
protected:
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    }
    static void setText(QLineEdit* edit, const QString& text) { edit->setText(text); }
    QString output(const QString& name) const {
        return QDir(QDir(out_).filePath("book1")).filePath(name);
    }
    void chooseBmp() { click(splitDialog().formatGroup->item(1)); }
};

TEST_F(SplitPixelsTest, RightCutWithCentreMarginsAndRightTurn) {
    const QImage source = spread(41, 30);
    loadBook({{"s.bmp", source}});
    selectRows({0});
    openSplitDialog();
    click(splitDialog().splitMethodGroup->item(0));  // " →"
    chooseBmp();
    click(splitDialog().removeCentreBox);
    setText(splitDialog().centreWidthEdit, "3");
    click(splitDialog().removeMarginsBox);
    setText(splitDialog().keptMarginEdit, "1");
    click(splitDialog().turnBox);
    click(splitDialog().turnRightButton);
    pressOk(out_);
    runToEnd();

    // hw = 20, C = 3: parts 17 x 30; the far part is columns 23..40 (18)
    // scaled into 17.
    const QImage first = source.copy(0, 0, 17, 30);
    const QImage second = stretched(source, 23, 0, 18, 30, QSize(17, 30));
    EXPECT_EQ(firstDifference(loadOutput(output("s_1.bmp")), turned(trimmed(first, 100, 1), true)),
              "");
    EXPECT_EQ(firstDifference(loadOutput(output("s_2.bmp")), turned(trimmed(second, 100, 1), true)),
              "");
}

TEST_F(SplitPixelsTest, UpCutOfAnOddHeightWithLeftTurn) {
    const QImage source = testing_support::patternImage(35, 41);
    loadBook({{"t.bmp", source}});
    selectRows({0});
    openSplitDialog();
    click(splitDialog().splitMethodGroup->item(3));  // " ↑"
    chooseBmp();
    click(splitDialog().removeCentreBox);
    setText(splitDialog().centreWidthEdit, "2");
    click(splitDialog().turnBox);
    pressOk(out_);
    runToEnd();

    // hh = 20, C = 2: parts 35 x 18; the lower part (rows 22..40, 19 rows)
    // comes first, scaled into 18.
    const QImage first = stretched(source, 0, 22, 35, 19, QSize(35, 18));
    const QImage second = source.copy(0, 0, 35, 18);
    EXPECT_EQ(firstDifference(loadOutput(output("t_1.bmp")), turned(first, false)), "");
    EXPECT_EQ(firstDifference(loadOutput(output("t_2.bmp")), turned(second, false)), "");
}

TEST_F(SplitPixelsTest, CentreWiderThanAHalfFallsBackForThatImageOnly) {
    const QImage narrow = testing_support::patternImage(10, 12);
    const QImage wide = testing_support::patternImage(60, 12);
    loadBook({{"a.bmp", narrow}, {"b.bmp", wide}});
    keyInList(Qt::Key_A, Qt::ControlModifier);
    openSplitDialog();
    chooseBmp();
    click(splitDialog().removeCentreBox);
    setText(splitDialog().centreWidthEdit, "5");
    pressOk(out_);
    runToEnd();

    // a: hw = 5 <= C, cut without centre removal; b: still C = 5.
    EXPECT_EQ(firstDifference(loadOutput(output("a_1.bmp")), narrow.copy(5, 0, 5, 12)), "");
    EXPECT_EQ(firstDifference(loadOutput(output("a_2.bmp")), narrow.copy(0, 0, 5, 12)), "");
    EXPECT_EQ(firstDifference(loadOutput(output("b_1.bmp")), wide.copy(35, 0, 25, 12)), "");
    EXPECT_EQ(firstDifference(loadOutput(output("b_2.bmp")), wide.copy(0, 0, 25, 12)), "");
}

TEST_F(SplitPixelsTest, UnselectedImageSavedAnewIsTrimmedButNotTurned) {
    const QImage page = spread(41, 30);
    loadBook({{"a.bmp", page}, {"b.bmp", page}});
    selectRows({0});
    openSplitDialog();
    chooseBmp();
    click(splitDialog().resaveUnselectedBox);
    click(splitDialog().removeMarginsBox);
    click(splitDialog().turnBox);
    pressOk(out_);
    runToEnd();
    EXPECT_EQ(firstDifference(loadOutput(output("b.bmp")), trimmed(page, 100, 0)), "");
    EXPECT_TRUE(QFileInfo::exists(output("a_1.bmp")));
}

}  // namespace
