#pragma once

#include <QWidget>

struct AppState;
struct Windows;

// The rename dialog: renames the current catalogue item's file.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    TForm4(AppState& state, Windows& windows);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppState& state_;
    Windows& windows_;
};
