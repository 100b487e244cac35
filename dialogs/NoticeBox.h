#pragma once

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
struct AppState;
struct Windows;

// The notice box: the program's one way of telling the user something. A
// window that has something to say fills it, disables itself and shows it;
// OK gives control back to the window that `ReturnTo` names. It has no close
// button: OK is the only way out, so the return always happens. The split
// batch also uses it as its progress window with a "キャンセル" button.
class NoticeBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNormalWidth = 256;
    static constexpr int kBatchEndWidth = 768;
    // The return code of a notice the program ends with: OK closes the main
    // window, which ends the program.
    static constexpr int kEndsProgram = 9;

    NoticeBox(AppState& state, Windows& windows);

    // Shows a notice for the window `returnTo` names: sets ReturnTo, the
    // message and (when given) the second line, disables `caller` (if any),
    // shows the box and gives OK the focus.
    void notify(int returnTo, QWidget* caller, const QString& message,
                const std::optional<QString>& secondLine = std::nullopt);

    QLabel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;

    void Button1Click();

    // The box's outer width, as the batch end step widens it.
    void setOuterWidth(int width);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutControls();
    // Places the second line, wrapped where it is too long for one line.
    void fitSecondLine();

    AppState& state_;
    Windows& windows_;
};
