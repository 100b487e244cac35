#include "tests/windows/ProgramFixture.h"

#include "catalogue/TForm1.h"
#include "dialogs/TForm6.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    return QTest::qWaitFor(condition, timeoutMs);
}

void ProgramFixture::SetUp() {
    ASSERT_TRUE(start_.isValid());
    previousFolder_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(start_.path()));
    if (startAutomatically)
        startProgram();
}

void ProgramFixture::TearDown() {
    program_.reset();
    QDir::setCurrent(previousFolder_);
}

void ProgramFixture::startProgram() {
    program_ = std::make_unique<Program>();
    form1().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1()));
    ASSERT_TRUE(waitFor([this] { return !form1().Timer2->isActive(); }));
}

QString ProgramFixture::pathInStart(const QString& name) const {
    return QDir(start_.path()).filePath(name);
}

QString ProgramFixture::noticeText() {
    return form6().Panel1->text();
}
QString ProgramFixture::noticeLine() {
    return form6().Label1->text();
}
bool ProgramFixture::noticeShown() {
    return form6().isVisible();
}

void ProgramFixture::pressNoticeOk() {
    ASSERT_TRUE(form6().isVisible());
    QTest::mouseClick(form6().Button1, Qt::LeftButton);
}
