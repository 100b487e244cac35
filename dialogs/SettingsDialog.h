#pragma once

#include "dialogs/ThumbnailSide.h"

#include <QWidget>

class NumberEdit;
class QFrame;
class QLabel;
class QPushButton;
struct AppState;
struct Windows;

// The settings dialog: thumbnail size and the tolerance of the automatic
// selection. Its two boxes are the settings themselves.
class SettingsDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinThumbnail = dialogs::kMinThumbnailSide;
    static constexpr int kMaxThumbnail = dialogs::kMaxThumbnailSide;
    static constexpr int kMaxTolerance = 990;

    SettingsDialog(AppState& state, Windows& windows);

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    NumberEdit* Edit1 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    NumberEdit* Edit2 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void closeDialog();

    AppState& state_;
    Windows& windows_;
};
