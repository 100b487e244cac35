#pragma once

#include <QWidget>

struct AppState;
struct Windows;

// The folder chooser: picks the split job's destination folder.
class TForm8 : public QWidget {
    Q_OBJECT
public:
    TForm8(AppState& state, Windows& windows);

    // Selects `folder` in the folder tree (at start-up, the default folder).
    void selectFolder(const QString& folder);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppState& state_;
    Windows& windows_;
};
