#include "dialogs/SettingsDialog.h"

#include "core/AppState.h"
#include "core/FormLook.h"
#include "core/Hints.h"
#include "core/NumberEdit.h"
#include "core/WindowPorts.h"
#include "dialogs/NoticeBox.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

QFrame* groupPanel(QWidget* parent, const QString& name, const QString& meaning, int x, int y) {
    auto* panel = named(new QFrame(parent), name, meaning);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(x, y, 161, 65);
    return panel;
}

QPushButton* arrowButton(QWidget* parent, const QString& name, const QString& caption, int x) {
    return pushButton(parent, name, caption, QRect(x, 32, 33, 17));
}

}  // namespace

SettingsDialog::SettingsDialog(AppState& state, Windows& windows)
    : state_(state), windows_(windows) {
    setAccessibleNames(*this, QStringLiteral("Form5"));
    makeDialogWindow(*this, 194, 201, CloseButton::Hidden);
    setWindowTitle(QStringLiteral("設定"));

    Panel1 =
        groupPanel(this, QStringLiteral("Panel1"), QStringLiteral("サムネイルの大きさ"), 16, 8);
    setHint(*Panel1,
            QStringLiteral("サムネイルの大きさ変更は\r\n次回ファイルを開き直した時から有効です"));
    Label1 =
        named(new QLabel(QStringLiteral("サムネイルの大きさ"), Panel1), QStringLiteral("Label1"));
    Label1->move(8, 8);
    Edit1 = named(new NumberEdit(kMaxThumbnail, 3, Panel1), QStringLiteral("Edit1"),
                  QStringLiteral("サムネイルの大きさ"));
    Edit1->setGeometry(24, 28, 41, 23);
    setPixelFont(*Edit1, 15);
    Edit1->setText(QStringLiteral("80"));
    Button3 = arrowButton(Panel1, QStringLiteral("Button3"), QStringLiteral("↑"), 80);
    Button4 = arrowButton(Panel1, QStringLiteral("Button4"), QStringLiteral("↓"), 113);

    Panel2 = groupPanel(this, QStringLiteral("Panel2"), QStringLiteral("自動選択の許容誤差範囲"),
                        16, 80);
    Label2 = named(new QLabel(QStringLiteral("自動選択の許容誤差範囲"), Panel2),
                   QStringLiteral("Label2"));
    Label2->move(8, 8);
    Label3 = named(new QLabel(QStringLiteral("±"), Panel2), QStringLiteral("Label3"));
    Label3->move(7, 31);
    setPixelFont(*Label3, 15);
    Edit2 = named(new NumberEdit(kMaxTolerance, 3, Panel2), QStringLiteral("Edit2"),
                  QStringLiteral("自動選択の許容誤差範囲"));
    Edit2->setGeometry(24, 28, 41, 23);
    setPixelFont(*Edit2, 15);
    Edit2->setText(QStringLiteral("10"));
    Button5 = arrowButton(Panel2, QStringLiteral("Button5"), QStringLiteral("↑"), 80);
    Button6 = arrowButton(Panel2, QStringLiteral("Button6"), QStringLiteral("↓"), 113);

    Button1 =
        pushButton(this, QStringLiteral("Button1"), QStringLiteral("OK"), QRect(16, 160, 75, 25));
    Button2 = pushButton(this, QStringLiteral("Button2"), QStringLiteral("キャンセル"),
                         QRect(104, 160, 75, 25));

    connect(Button1, &QPushButton::clicked, this, &SettingsDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &SettingsDialog::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &SettingsDialog::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &SettingsDialog::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &SettingsDialog::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &SettingsDialog::Button6Click);
}

// The dialog has no close button; OK or cancel is the way out.
void SettingsDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void SettingsDialog::closeDialog() {
    hide();
    windows_.main->window().setEnabled(true);
}

void SettingsDialog::Button3Click() {
    Edit1->step(StepDirection::Up, state_.WorkText, kMaxThumbnail);
}

void SettingsDialog::Button4Click() {
    Edit1->step(StepDirection::Down, state_.WorkText, kMinThumbnail);
}

void SettingsDialog::Button5Click() {
    Edit2->step(StepDirection::Up, QStringLiteral("-10"), kMaxTolerance);
}

void SettingsDialog::Button6Click() {
    Edit2->step(StepDirection::Down, QStringLiteral("1000"), 0);
}

void SettingsDialog::Button1Click() {
    if (Edit2->text().isEmpty())
        Edit2->setText(QStringLiteral("10"));
    int32_t size = 0;
    if (Edit1->text().isEmpty()) {
        Edit1->setText(state_.WorkText);
    } else {
        size = parseNumber(Edit1->text()).value;
    }
    if (size > kMaxThumbnail || size < kMinThumbnail) {
        windows_.noticeBox->notify(NoticeBox::ReturnTo::SettingsDialog, this,
                                   QStringLiteral("サムネイルは20から150までです"));
        return;
    }
    closeDialog();
}

void SettingsDialog::Button2Click() {
    Edit1->setText(state_.WorkText);
    closeDialog();
}
