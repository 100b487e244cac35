// Every text of every window fits its control, in Japanese and in English:
// labels, status panels, buttons, check boxes, radio items and group titles,
// measured in the font found on this machine.
#include "tests/windows/ProgramFixture.h"

#include "book/BookDialog.h"
#include "catalogue/MainWindow.h"
#include "core/Language.h"
#include "dialogs/FolderChooser.h"
#include "dialogs/NoticeBox.h"
#include "dialogs/OpenFolderDialog.h"
#include "dialogs/RenameDialog.h"
#include "dialogs/SettingsDialog.h"
#include "split/SplitDialog.h"
#include "tests/support/TestFiles.h"
#include "trimming/TrimmingView.h"
#include "widgets/TextWidth.h"

#include <QLabel>
#include <QTest>

namespace {

// Every shown text control of `window` that cuts its text, with what it
// needs and has.
std::vector<std::string> clippedTexts(QWidget& window) {
    std::vector<std::string> clipped;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(&window))
            continue;
        const int needed = textWidthNeeded(*widget);
        const auto* label = qobject_cast<const QLabel*>(widget);
        const bool wrappedShort = label && label->wordWrap() && !label->text().isEmpty() &&
                                  label->heightForWidth(label->width()) > label->height();
        if (needed > widget->width() || wrappedShort) {
            clipped.push_back(
                window.objectName().toStdString() + "/" + widget->objectName().toStdString() +
                " (" + widget->metaObject()->className() + ") needs " + std::to_string(needed) +
                " px, has " + std::to_string(widget->width()));
        }
    }
    return clipped;
}

class TextFit : public ProgramFixture, public ::testing::WithParamInterface<core::Language> {
protected:
    TextFit() { startAutomatically = false; }
    void SetUp() override {
        ProgramFixture::SetUp();
        core::useLanguage(GetParam());
        startProgram();
    }
    void TearDown() override {
        ProgramFixture::TearDown();
        core::useLanguage(core::Language::Japanese);
    }
    void expectAllFit(QWidget& window) {
        window.show();
        QTest::qWait(0);
        for (const std::string& text : clippedTexts(window))
            ADD_FAILURE() << text;
    }
};

TEST_P(TextFit, EveryWindowShowsItsTextsWhole) {
    const QString scan = pathInStart(QStringLiteral("p1.bmp"));
    testing_support::writeBmp(scan, testing_support::patternImage(40, 30));
    loadFolder(startFolder());
    expectAllFit(mainWindow());
    for (QWidget* window :
         std::initializer_list<QWidget*>{&openFolderDialog(), &splitDialog(), &renameDialog(),
                                         &settingsDialog(), &folderChooser(), &bookDialog()}) {
        expectAllFit(*window);
        window->hide();
    }
    mainWindow().versionAction->trigger();
    ASSERT_TRUE(noticeShown());
    expectAllFit(noticeBox());
    pressNoticeOk();

    ASSERT_TRUE(showInTrimmingView(scan));
    QTest::keyClick(&trimmingView(), Qt::Key_N);
    // The view fills the screen; its key panels fit a screen 1280 wide
    // (the test screen is narrower).
    trimmingView().showNormal();
    trimmingView().resize(1280, 720);
    expectAllFit(trimmingView());
    trimmingView().closeView();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, TextFit,
                         ::testing::Values(core::Language::Japanese, core::Language::English),
                         [](const auto& info) {
                             return info.param == core::Language::English ? "English" : "Japanese";
                         });

}  // namespace
