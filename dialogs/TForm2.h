#pragma once

#include <QWidget>

struct AppState;
struct Windows;

// The open-folder dialog: a folder tree, the folder's pictures, and OK that starts loading them.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2(AppState& state, Windows& windows);

    // Selects `folder` in the folder tree (at start-up, the default folder).
    void selectFolder(const QString& folder);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppState& state_;
    Windows& windows_;
};
