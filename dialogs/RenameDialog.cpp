#include "dialogs/RenameDialog.h"

#include "dialogs/NoticeBox.h"
#include "dialogs/RenameCheck.h"
#include "dialogs/RenameRules.h"
#include "imaging/ImagingErrors.h"
#include "model/CatalogueModel.h"
#include "widgets/FormLook.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kClientWidth = 314;
constexpr int kClientHeight = 88;
}  // namespace

RenameDialog::RenameDialog(model::CatalogueModel& catalogue, NoticeBox& notices)
    : catalogue_(catalogue), notices_(notices) {
    setObjectAndAccessibleName(*this, QStringLiteral("Form4"));
    makeDialogWindow(*this, kClientWidth, kClientHeight, CloseButton::Shown);
    setWindowTitle(tr("Rename"));

    // One line: a file name has no line breaks, and Enter means OK.
    newNameEdit = named(new QLineEdit(QStringLiteral("Memo1"), this), QStringLiteral("Memo1"),
                        tr("New file name"));
    newNameEdit->setMaxLength(kMaxNameLength);
    setPixelFont(*newNameEdit, 15);
    newNameEdit->installEventFilter(this);

    okButton =
        pushButton(this, QStringLiteral("Button1"), QStringLiteral("OK"), QRect(72, 48, 75, 25));
    cancelButton =
        pushButton(this, QStringLiteral("Button2"), tr("Cancel"), QRect(168, 48, 75, 25));

    connect(okButton, &QPushButton::clicked, this, &RenameDialog::renameFile);
    connect(cancelButton, &QPushButton::clicked, this, &RenameDialog::cancel);
    layoutControls();
}

void RenameDialog::open() {
    newNameEdit->setText(catalogue_.fileName(catalogue_.current()));
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
    emit closed();
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
    emit closed();
    event->accept();
}

void RenameDialog::renameFile() {
    const QString newName = newNameEdit->text();
    if (newName.isEmpty())
        return;
    NoticeBox& notice = notices_;
    const int current = catalogue_.current();
    const QString oldName = catalogue_.fileName(current);

    const dialogs::RenameCheck check = dialogs::checkRename(catalogue_.folder(), oldName, newName);
    if (check.nameRefused) {
        notice.notify(this, dialogs::nameRefused().message, dialogs::forbiddenCharacterList());
        return;
    }
    // Both of these may show in one pass; the box then reads the second.
    if (check.nameTaken)
        notice.notify(this, imaging::errors::nameTaken().message);
    if (check.fileMissing)
        notice.notify(this, imaging::errors::fileMissing().message);
    if (!check.ready())
        return;

    if (const auto renamed = dialogs::renameChecked(catalogue_.folder(), oldName, newName);
        !renamed) {
        notice.notify(this, renamed.error().message,
                      renamed.kind() == core::ErrorKind::NameRefused
                          ? std::optional<QString>(dialogs::forbiddenCharacterList())
                          : std::nullopt);
        return;
    }
    catalogue_.renameFile(current, newName);
    closeDialog();
}
