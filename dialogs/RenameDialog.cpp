#include "dialogs/RenameDialog.h"

#include "dialogs/NoticeBox.h"
#include "dialogs/RenameCheck.h"
#include "dialogs/RenameRules.h"
#include "imaging/ImagingErrors.h"
#include "widgets/AppState.h"
#include "widgets/FormLook.h"
#include "widgets/WindowPorts.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kClientWidth = 314;
constexpr int kClientHeight = 88;
// The rename dialog's notices give control back to it.
constexpr auto kNoticeReturn = NoticeBox::ReturnTo::RenameDialog;
}  // namespace

RenameDialog::RenameDialog(AppState& state, Windows& windows) : state_(state), windows_(windows) {
    setObjectAndAccessibleName(*this, QStringLiteral("Form4"));
    makeDialogWindow(*this, kClientWidth, kClientHeight, CloseButton::Shown);
    setWindowTitle(QStringLiteral("リネーム"));

    // One line: a file name has no line breaks, and Enter means OK.
    newNameEdit = named(new QLineEdit(QStringLiteral("Memo1"), this), QStringLiteral("Memo1"),
                        QStringLiteral("新しいファイル名"));
    newNameEdit->setMaxLength(kMaxNameLength);
    setPixelFont(*newNameEdit, 15);
    newNameEdit->installEventFilter(this);

    okButton =
        pushButton(this, QStringLiteral("Button1"), QStringLiteral("OK"), QRect(72, 48, 75, 25));
    cancelButton = pushButton(this, QStringLiteral("Button2"), QStringLiteral("キャンセル"),
                              QRect(168, 48, 75, 25));

    connect(okButton, &QPushButton::clicked, this, &RenameDialog::renameFile);
    connect(cancelButton, &QPushButton::clicked, this, &RenameDialog::cancel);
    layoutControls();
}

void RenameDialog::open(const QString& currentName) {
    newNameEdit->setText(currentName);
    show();
    raise();
    activateWindow();
    newNameEdit->setFocus();
}

void RenameDialog::layoutControls() {
    // The name box stretches with the window's width.
    newNameEdit->setGeometry(8, 8, width() - (kClientWidth - 298), 23);
}

void RenameDialog::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

bool RenameDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == newNameEdit && event->type() == QEvent::KeyPress) {
        if (handleNameKey(static_cast<QKeyEvent*>(event)->key()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool RenameDialog::handleNameKey(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        renameFile();
        return true;
    }
    if (key == Qt::Key_Escape) {
        closeDialog();
        return true;
    }
    return false;
}

void RenameDialog::closeDialog() {
    hide();
    QWidget& main = windows_.main->window();
    main.setEnabled(true);
    main.activateWindow();
}

void RenameDialog::cancel() {
    closeDialog();
}

void RenameDialog::closeEvent(QCloseEvent* event) {
    // Under a notice only the notice's OK leads on.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    windows_.main->window().setEnabled(true);
    event->accept();
}

void RenameDialog::renameFile() {
    const QString newName = newNameEdit->text();
    if (newName.isEmpty())
        return;
    NoticeBox& notice = *windows_.noticeBox;
    const QString oldName = windows_.main->caption(state_.CurrentIndex);

    const dialogs::RenameCheck check = dialogs::checkRename(state_.CurrentFolder, oldName, newName);
    if (check.nameRefused) {
        notice.notify(kNoticeReturn, this, dialogs::nameRefused().message,
                      dialogs::kForbiddenCharacterList);
        return;
    }
    // Both of these may show in one pass; the box then reads the second.
    if (check.nameTaken)
        notice.notify(kNoticeReturn, this, imaging::errors::nameTaken().message);
    if (check.fileMissing)
        notice.notify(kNoticeReturn, this, imaging::errors::fileMissing().message);
    if (!check.ready())
        return;

    if (const auto renamed = dialogs::renameChecked(state_.CurrentFolder, oldName, newName);
        !renamed) {
        notice.notify(kNoticeReturn, this, renamed.error().message,
                      renamed.kind() == core::ErrorKind::NameRefused
                          ? std::optional<QString>(dialogs::kForbiddenCharacterList)
                          : std::nullopt);
        return;
    }
    // The main window takes the new caption while it is still disabled.
    windows_.main->showRenamed(state_.CurrentIndex, newName);
    closeDialog();
}
