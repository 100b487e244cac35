#pragma once

#include "book/BindBook.h"

#include <QFutureWatcher>
#include <QWidget>

#include <atomic>
#include <memory>

class NoticeBox;
class NumberEdit;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The book dialog: binds the pages of the catalogue's folder into one PDF
// or CBZ file. OK hands its request to book::bindBook on a worker thread
// and hides the dialog; the notice box shows the pages bound, can cancel,
// and tells the end. The window is never blocked meanwhile. The dialog is
// done (closed()) when it is cancelled, or when the binding's notice is
// answered.
class BookDialog : public QWidget {
    Q_OBJECT
public:
    explicit BookDialog(NoticeBox& notices);
    ~BookDialog() override;

    // Shows the dialog for the pages of `pagesFolder` in front, the book
    // file beside that folder and named after it, the reading direction
    // preset to `direction`.
    void open(const QString& pagesFolder, book::Direction direction);
    // What OK would bind.
    book::BindRequest request() const;
    bool binding() const { return cancelled_ != nullptr; }
    // Stops a binding under way and waits for its worker: no book and no
    // temporary file is left.
    void stopBinding();

    // --- handlers ---
    // OK: starts binding when the book file has a name.
    void startBinding();
    void cancel();

    QLineEdit* pagesEdit = nullptr;
    QLineEdit* bookFileEdit = nullptr;
    QLineEdit* titleEdit = nullptr;
    QGroupBox* formatPanel = nullptr;
    QRadioButton* pdfButton = nullptr;
    QRadioButton* cbzButton = nullptr;
    QGroupBox* directionPanel = nullptr;
    QRadioButton* leftToRightButton = nullptr;
    QRadioButton* rightToLeftButton = nullptr;
    NumberEdit* densityEdit = nullptr;
    QCheckBox* skipBadBox = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

signals:
    // The dialog is done and gives control back.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The book file's suffix follows the format chosen.
    void matchSuffixToFormat();
    void showProgress(int done, int total);
    void finishBinding();

    NoticeBox& notices_;
    QString pagesFolder_;
    // Shared with the worker, which polls it between pages.
    std::shared_ptr<std::atomic<bool>> cancelled_;
    QFutureWatcher<book::BindResult> watcher_;
};
