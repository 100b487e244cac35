#pragma once

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
struct Windows;

// The notice box: the program's one way of telling the user something. A
// window that has something to say calls notify(), which disables it and
// shows the box; OK gives control back to the window the notice names. It
// has no close button: OK is the only way out, so the return always
// happens. The split batch also uses it as its progress window, with a
// "キャンセル" button, and for its end.
class NoticeBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNormalWidth = 256;
    static constexpr int kBatchEndWidth = 768;

    // What OK does after it has closed the box.
    enum class ReturnTo {
        // No notice shown yet.
        Nobody,
        // Enables the main window and closes an open trimming view.
        MainWindow,
        // Enables the open-folder dialog and closes an open preview.
        OpenFolderDialog,
        // Ends or cancels the split batch: enables the main window, puts a
        // box the batch end widened back, stops the batch.
        MainWindowAfterBatch,
        RenameDialog,
        SettingsDialog,
        FolderChooser,
        // Closes the main window, which ends the program.
        ProgramEnd,
    };

    explicit NoticeBox(Windows& windows);

    // Shows `message` (and `secondLine` when given) for the window `returnTo`
    // names: disables `caller` (if any), shows the box and gives OK the focus.
    void notify(ReturnTo returnTo, QWidget* caller, const QString& message,
                const std::optional<QString>& secondLine = std::nullopt);

    // The split batch has started: "処理中" over the progress `line`
    // ("1 / 12"), with a "キャンセル" button that stops the batch.
    void showBatchProgress(const QString& line);
    // The batch has got further: only the progress line changes.
    void updateBatchProgress(const QString& line);
    // The batch has ended: the box moves left by its own width and widens
    // to kBatchEndWidth, showing `message` over `secondLine` with "OK". OK
    // puts it back where it was.
    void showBatchEnd(const QString& message, const QString& secondLine);

    // OK (or the batch's "キャンセル"): closes the box and gives control back.
    void acknowledge();

    ReturnTo returnTo() const { return returnTo_; }
    // The box's left position before the batch end widened it; nothing
    // while it is not widened.
    std::optional<int> leftBeforeBatchEnd() const { return leftBeforeBatchEnd_; }

    // The box's outer width (frame included).
    void setOuterWidth(int width);

    // Read by the tests; the windows go through the methods above.
    QLabel* messageLabel = nullptr;
    QLabel* secondLineLabel = nullptr;
    QPushButton* okButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutControls();
    // Places the second line, wrapped where it is too long for one line.
    void fitSecondLine();
    void showWithFocus();
    // Undoes the batch end's widening and move.
    void restoreBatchEndPlace();

    Windows& windows_;
    ReturnTo returnTo_ = ReturnTo::Nobody;
    std::optional<int> leftBeforeBatchEnd_;
};
