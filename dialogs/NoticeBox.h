#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;

// The notice box: the program's one way of telling the user something. A
// window that has something to say calls notify() with itself as the
// opener: the opener is disabled and the box shown; OK hides the box,
// enables the opener again and runs the caller's follow-up. It has no
// close button: OK is the only way out, so the return always happens. A
// notice shown while another is up replaces it: one OK answers both, for
// the later one. The split batch also uses it as its progress window, with
// a "キャンセル" button, and for its end.
class NoticeBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNormalWidth = 256;
    static constexpr int kBatchEndWidth = 768;

    NoticeBox();

    // Shows `message` (and `secondLine` when given) over `opener` (none
    // when null): disables the opener, shows the box and gives OK the
    // focus. OK then enables the opener and runs `afterOk`.
    void notify(QWidget* opener, const QString& message,
                const std::optional<QString>& secondLine = std::nullopt,
                std::function<void()> afterOk = {});

    // The split batch has started: "処理中" over the progress `line`
    // ("1 / 12"), with a "キャンセル" button. That button, and the OK of
    // the batch's end, run `afterOk`.
    void showBatchProgress(const QString& line, std::function<void()> afterOk);
    // The batch has got further: only the progress line changes.
    void updateBatchProgress(const QString& line);
    // The batch has ended: the box moves left by its own width and widens
    // to kBatchEndWidth, showing `message` over `secondLine` with "OK". OK
    // puts it back where it was. `details`, when given, is the second
    // line's hint (and what screen readers read as its description).
    void showBatchEnd(const QString& message, const QString& secondLine,
                      const QString& details = {});

    // OK (or the batch's "キャンセル"): closes the box and gives control back.
    void acknowledge();

    // The box's left position before the batch end widened it; nothing
    // while it is not widened.
    std::optional<int> leftBeforeBatchEnd() const { return leftBeforeBatchEnd_; }

    // The box's outer width (frame included).
    void setOuterWidth(int width);

    // Read by the tests; the windows go through the methods above.
    QLabel* messageLabel = nullptr;
    QLabel* secondLineLabel = nullptr;
    QPushButton* okButton = nullptr;

signals:
    // OK was pressed and the box has given control back.
    void acknowledged();

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

    // The window the notice was shown over, and what OK does after it.
    QPointer<QWidget> opener_;
    std::function<void()> afterOk_;
    bool batchShown_ = false;
    std::optional<int> leftBeforeBatchEnd_;
};
