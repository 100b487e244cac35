#include "split/TForm3.h"

#include "app/AppState.h"
#include "app/FormLook.h"
#include "app/NumberEdit.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

struct NumberBox {
    const char* name;
    const char* label;
    int32_t bound;
    const char* text;
};

// Quality, threshold, kept margin and centre width, in that order.
constexpr NumberBox kNumberBoxes[] = {
    {"Edit2", "圧縮率", 100, "80"},
    {"Edit3", "余白のしきい値", 255, "100"},
    {"Edit4", "残す余白幅", 9999, "0"},
    {"Edit5", "除去する中心幅", 9999, "20"},
};

QPushButton* arrowButton(QWidget* parent, int number, const QString& caption) {
    return named(new QPushButton(caption, parent), QStringLiteral("Button%1").arg(number), caption);
}

}  // namespace

TForm3::TForm3(AppState& state, Windows& windows) : state_(state), windows_(windows) {
    setAccessibleNames(*this, QStringLiteral("Form3"), QStringLiteral("分割"));
    makeDialogWindow(*this, 473, 454, CloseButton::Shown);
    setWindowTitle(QStringLiteral("分割"));

    Edit1 = named(new QLineEdit(this), QStringLiteral("Edit1"), QStringLiteral("保存先フォルダ"));
    Edit1->setGeometry(16, 32, 360, 21);
    Button3 = named(new QPushButton(QStringLiteral("参 照"), this), QStringLiteral("Button3"),
                    QStringLiteral("参 照"));
    Button3->setGeometry(384, 30, 73, 25);

    NumberEdit** edits[] = {&Edit2, &Edit3, &Edit4, &Edit5};
    QPushButton** buttons[] = {&Button4, &Button5, &Button6,  &Button7,
                               &Button8, &Button9, &Button10, &Button11};
    for (int i = 0; i < 4; ++i) {
        const NumberBox& box = kNumberBoxes[i];
        NumberEdit* edit = named(new NumberEdit(state_, box.bound, 4, this),
                                 QString::fromLatin1(box.name), QString::fromUtf8(box.label));
        edit->setText(QString::fromLatin1(box.text));
        edit->setGeometry(16, 80 + 40 * i, 41, 21);
        *edits[i] = edit;
        QPushButton* up = arrowButton(this, 4 + 2 * i, QStringLiteral("↑"));
        QPushButton* down = arrowButton(this, 5 + 2 * i, QStringLiteral("↓"));
        up->setGeometry(64, 80 + 40 * i, 33, 17);
        down->setGeometry(97, 80 + 40 * i, 33, 17);
        *buttons[2 * i] = up;
        *buttons[2 * i + 1] = down;
        // Empty boxes step from just outside their range: up gives 0, down
        // gives the bound.
        const QString belowZero = QStringLiteral("-10");
        const QString aboveBound = QString::number(box.bound + 10);
        connect(up, &QPushButton::clicked, this, [edit, belowZero] {
            edit->step(StepDirection::Up, belowZero, edit->upperBound());
        });
        connect(down, &QPushButton::clicked, this,
                [edit, aboveBound] { edit->step(StepDirection::Down, aboveBound, 0); });
    }

    MediaPlayer1 = new QSoundEffect(this);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
}

void TForm3::closeEvent(QCloseEvent* event) {
    windows_.main->window().setEnabled(true);
    event->accept();
}

void TForm3::stopBatch() {
    Timer1->stop();
}

void TForm3::setDestination(const QString& folder) {
    Edit1->setText(folder);
}

void TForm3::openCompletionSound(const QString& fileName) {
    MediaPlayer1->setSource(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
}

bool TForm3::completionSoundOpened() const {
    return !MediaPlayer1->source().isEmpty();
}
