// The notice box gives control back to the window its code names.
#include "tests/windows/ProgramFixture.h"

#include "catalogue/TForm1.h"
#include "core/FormLook.h"
#include "dialogs/TForm2.h"
#include "dialogs/TForm4.h"
#include "dialogs/TForm5.h"
#include "dialogs/TForm6.h"
#include "dialogs/TForm8.h"
#include "split/TForm3.h"
#include "trimming/TForm7.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using NoticeBox = ProgramFixture;

TEST_F(NoticeBox, OkEnablesTheWindowItsCodeNamesAndClearsTheSecondLine) {
    struct Case {
        int code;
        QWidget* window;
    };
    const Case cases[] = {
        {1, &form1()}, {2, &form2()}, {4, &form4()}, {5, &form5()}, {8, &form8()}};
    for (const Case& c : cases) {
        c.window->show();
        form6().notify(c.code, c.window, QStringLiteral("message %1").arg(c.code),
                       QStringLiteral("line"));
        EXPECT_FALSE(c.window->isEnabled()) << c.code;
        EXPECT_EQ(state().ReturnTo, c.code);
        EXPECT_EQ(noticeLine(), "line");
        pressNoticeOk();
        EXPECT_TRUE(c.window->isEnabled()) << c.code;
        EXPECT_FALSE(noticeShown());
        EXPECT_EQ(noticeLine(), "");
        EXPECT_EQ(noticeText(), QStringLiteral("message %1").arg(c.code));
        EXPECT_EQ(state().ReturnTo, c.code);
    }
}

TEST_F(NoticeBox, CannotBeClosedExceptByOk) {
    form6().notify(1, &form1(), QStringLiteral("x"));
    EXPECT_FALSE(form6().close());
    EXPECT_TRUE(noticeShown());
    EXPECT_FALSE(form6().windowFlags().testFlag(Qt::WindowCloseButtonHint));
    pressNoticeOk();
}

TEST_F(NoticeBox, TwoNoticesInARowShowTheSecondAndOneOkCloses) {
    form4().show();
    form6().notify(4, &form4(), QStringLiteral("同名ファイルがあります"));
    form6().notify(4, &form4(), QStringLiteral("ファイルが見当たりません"));
    EXPECT_EQ(noticeText(), "ファイルが見当たりません");
    pressNoticeOk();
    EXPECT_FALSE(noticeShown());
    EXPECT_TRUE(form4().isEnabled());
}

TEST_F(NoticeBox, CodeOneClosesAnOpenTrimmingView) {
    state().ReturnTo = 1;
    form1().setEnabled(false);
    form7().show();
    form6().notify(1, &form1(), QStringLiteral("ファイルが見当たりません"));
    pressNoticeOk();
    EXPECT_FALSE(form7().isVisible());
    EXPECT_TRUE(form1().isEnabled());
}

TEST_F(NoticeBox, BatchEndIsUndoneByOk) {
    form6().show();
    placeWindow(form6(), 384, 264);
    form1().setEnabled(false);
    state().ReturnTo = 3;
    form6().Button1->setText(QStringLiteral("キャンセル"));
    form3().Timer1->start();
    // The batch end step: remember the left, move left by the width, widen.
    state().NoticeLeft = windowLeft(form6());
    placeWindow(form6(), windowLeft(form6()) - windowOuterWidth(form6()), windowTop(form6()));
    form6().setOuterWidth(TForm6::kBatchEndWidth);
    EXPECT_EQ(windowOuterWidth(form6()), 768);

    pressNoticeOk();
    EXPECT_TRUE(form1().isEnabled());
    EXPECT_EQ(form6().Button1->text(), "OK");
    EXPECT_EQ(windowOuterWidth(form6()), TForm6::kNormalWidth);
    EXPECT_EQ(windowLeft(form6()), 384);
    EXPECT_FALSE(form3().Timer1->isActive());
}

TEST_F(NoticeBox, CancelDuringABatchStopsItAndLeavesTheBoxWhereItIs) {
    placeWindow(form6(), 300, 200);
    form1().setEnabled(false);
    form3().Timer1->start();
    form6().notify(3, nullptr, QStringLiteral("処理中"), QStringLiteral("1 / 12"));
    form6().Button1->setText(QStringLiteral("キャンセル"));
    pressNoticeOk();
    EXPECT_FALSE(form3().Timer1->isActive());
    EXPECT_TRUE(form1().isEnabled());
    EXPECT_EQ(form6().Button1->text(), "OK");
    EXPECT_EQ(windowLeft(form6()), 300);
    EXPECT_FALSE(form3().isVisible());
}

}  // namespace
