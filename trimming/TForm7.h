#pragma once

#include "app/Windows.h"

#include <QWidget>

struct AppState;

// The trimming view: one picture as large as the screen allows, with a
// frame the keyboard moves; also the open-folder dialog's preview.
class TForm7 : public QWidget, public TrimmingViewPort {
    Q_OBJECT
public:
    TForm7(AppState& state, Windows& windows);

    QWidget& window() override { return *this; }
    void Image1DblClick() override;
    bool showPreview(const QString& path, const QString& name, QString* error) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppState& state_;
    Windows& windows_;
};
