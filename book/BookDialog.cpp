#include "book/BookDialog.h"

#include "core/NumberText.h"
#include "dialogs/NoticeBox.h"
#include "widgets/FormLook.h"
#include "widgets/Hints.h"
#include "widgets/NumberEdit.h"
#include "widgets/TextWidth.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr int kClientWidth = 400;
constexpr int kClientHeight = 356;
constexpr int kLargestDensity = 9999;

QLabel* label(QWidget* parent, const QString& name, const QString& text, QPoint at) {
    auto* shown = named(new QLabel(text, parent), name);
    shown->move(at);
    return shown;
}

QLineEdit* lineEdit(QWidget* parent, const QString& name, const QString& meaning, int y) {
    auto* edit = named(new QLineEdit(parent), name, meaning);
    edit->setGeometry(16, y, kClientWidth - 32, 21);
    return edit;
}

QRadioButton* radio(QGroupBox* parent, const QString& name, const QString& text, QPoint at) {
    auto* button = named(new QRadioButton(text, parent), name);
    button->setGeometry(at.x(), at.y(), 150, 17);
    widenToShowText(*button);
    return button;
}

QGroupBox* groupBox(QWidget* parent, const QString& name, const QString& title, int y) {
    auto* box = named(new QGroupBox(title, parent), name);
    box->setGeometry(16, y, kClientWidth - 32, 52);
    return box;
}

QString suffixOf(book::Format format) {
    return format == book::Format::Cbz ? QStringLiteral(".cbz") : QStringLiteral(".pdf");
}

}  // namespace

BookDialog::BookDialog(NoticeBox& notices) : notices_(notices) {
    setObjectAndAccessibleName(*this, QStringLiteral("BookDialog"));
    makeDialogWindow(*this, kClientWidth, kClientHeight, CloseButton::Shown);
    setWindowTitle(tr("Bind into a book"));

    label(this, QStringLiteral("PagesLabel"), tr("Pages"), {16, 10});
    pagesEdit = lineEdit(this, QStringLiteral("PagesEdit"), tr("Pages"), 28);
    pagesEdit->setReadOnly(true);
    label(this, QStringLiteral("BookFileLabel"), tr("Book file"), {16, 56});
    bookFileEdit = lineEdit(this, QStringLiteral("BookFileEdit"), tr("Book file"), 74);
    label(this, QStringLiteral("TitleLabel"), tr("Title"), {16, 102});
    titleEdit = lineEdit(this, QStringLiteral("TitleEdit"), tr("Title"), 120);

    formatPanel = groupBox(this, QStringLiteral("FormatPanel"), tr("Format"), 150);
    pdfButton = radio(formatPanel, QStringLiteral("PdfButton"), QStringLiteral("PDF"), {10, 26});
    cbzButton =
        radio(formatPanel, QStringLiteral("CbzButton"), tr("CBZ (comic book archive)"), {120, 26});
    pdfButton->setChecked(true);

    directionPanel = groupBox(this, QStringLiteral("DirectionPanel"), tr("Reading direction"), 208);
    leftToRightButton =
        radio(directionPanel, QStringLiteral("LeftToRightButton"), tr("Left to right"), {10, 26});
    rightToLeftButton =
        radio(directionPanel, QStringLiteral("RightToLeftButton"), tr("Right to left"), {180, 26});
    leftToRightButton->setChecked(true);

    label(this, QStringLiteral("DensityLabel"), tr("Density (dpi)"), {16, 274});
    densityEdit = named(new NumberEdit(kLargestDensity, 4, this), QStringLiteral("DensityEdit"),
                        tr("Density (dpi)"));
    densityEdit->setGeometry(120, 270, 64, 21);
    densityEdit->setPlaceholderText(tr("own"));
    setHint(*densityEdit, tr("Empty: each page's own density, %1 dpi where it has none\r\n"
                             "A number: that density for every page")
                              .arg(book::kDefaultDpi));
    skipBadBox = named(new QCheckBox(tr("Leave out pages that cannot be read"), this),
                       QStringLiteral("SkipBadBox"));
    skipBadBox->setGeometry(16, 300, 300, 17);
    widenToShowText(*skipBadBox);

    okButton = pushButton(this, QStringLiteral("OkButton"), QStringLiteral("OK"),
                          QRect(kClientWidth - 176, 322, 75, 25));
    cancelButton = pushButton(this, QStringLiteral("CancelButton"), tr("Cancel"),
                              QRect(kClientWidth - 91, 322, 75, 25));

    connect(okButton, &QPushButton::clicked, this, &BookDialog::startBinding);
    connect(cancelButton, &QPushButton::clicked, this, &BookDialog::cancel);
    connect(pdfButton, &QRadioButton::toggled, this, &BookDialog::matchSuffixToFormat);
    connect(&watcher_, &QFutureWatcherBase::finished, this, &BookDialog::finishBinding);
}

BookDialog::~BookDialog() {
    stopBinding();
}

void BookDialog::open(const QString& pagesFolder, book::Direction direction) {
    pagesFolder_ = pagesFolder;
    pagesEdit->setText(QDir::toNativeSeparators(pagesFolder));
    // Beside the folder ("scans/book1/" gives "scans/book1.pdf"); the root
    // has no name of its own.
    const QFileInfo folder(QDir::cleanPath(pagesFolder));
    const QString name = folder.fileName();
    bookFileEdit->setText(QDir(folder.absolutePath())
                              .filePath((name.isEmpty() ? QStringLiteral("book") : name) +
                                        suffixOf(request().format)));
    titleEdit->setText(name);
    (direction == book::Direction::RightToLeft ? rightToLeftButton : leftToRightButton)
        ->setChecked(true);
    show();
    raise();
    activateWindow();
    okButton->setFocus();
}

book::BindRequest BookDialog::request() const {
    book::BindRequest request;
    request.pagesFolder = pagesFolder_;
    request.outputFile = bookFileEdit->text();
    request.format = cbzButton->isChecked() ? book::Format::Cbz : book::Format::Pdf;
    request.direction = rightToLeftButton->isChecked() ? book::Direction::RightToLeft
                                                       : book::Direction::LeftToRight;
    const NumberParse density = parseNumber(densityEdit->text());
    if (density.errorPos == 0 && density.value > 0)
        request.dpi = density.value;
    request.title = titleEdit->text();
    request.skipBad = skipBadBox->isChecked();
    return request;
}

void BookDialog::matchSuffixToFormat() {
    const QString file = bookFileEdit->text();
    const QString suffix = suffixOf(request().format);
    const auto format = book::formatFromSuffix(file);
    if (!format) {
        bookFileEdit->setText(file + suffix);
    } else if (suffixOf(*format) != suffix) {
        bookFileEdit->setText(file.chopped(suffix.size()) + suffix);
    }
}

void BookDialog::cancel() {
    hide();
    emit closed();
}

void BookDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

void BookDialog::startBinding() {
    if (bookFileEdit->text().trimmed().isEmpty() || binding())
        return;
    // The name ends as the format says ("book.jpg" becomes "book.jpg.pdf").
    matchSuffixToFormat();
    const book::BindRequest asked = request();
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    // The notice's キャンセル, or the OK of its end, ends the dialog's work.
    notices_.showBatchProgress(tr("Reading the pages"), [this] {
        if (cancelled_)
            cancelled_->store(true);
        emit closed();
    });
    hide();
    // The dialog outlives its worker (stopBinding waits for it), so the
    // progress can be posted to it.
    watcher_.setFuture(QtConcurrent::run([this, asked, cancelled = cancelled_] {
        const auto progress = [this](int done, int total, const QString&) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { showProgress(done, total); }, Qt::QueuedConnection);
        };
        return book::bindBook(asked, progress, *cancelled);
    }));
}

void BookDialog::showProgress(int done, int total) {
    if (binding() && !cancelled_->load())
        notices_.updateBatchProgress(QStringLiteral("%1 / %2").arg(done).arg(total));
}

void BookDialog::finishBinding() {
    const bool cancelledByUser = cancelled_ && cancelled_->load();
    cancelled_.reset();
    if (cancelledByUser)
        return;
    const book::BindResult result = watcher_.result();
    QStringList badPages;
    for (const book::PageProblem& problem : result.badPages)
        badPages << problem.line();
    if (result.status) {
        // The line names the file; its hint gives the whole path and the
        // pages left out.
        const QString book = bookFileEdit->text();
        badPages.prepend(QDir::toNativeSeparators(book));
        notices_.showBatchEnd(
            tr("Done"),
            tr("%1: %n page(s)", nullptr, result.pagesBound).arg(QFileInfo(book).fileName()),
            badPages.join(QLatin1Char('\n')));
    } else {
        notices_.showBatchEnd(tr("The book was not made"), result.status.error().message,
                              badPages.join(QLatin1Char('\n')));
    }
}

void BookDialog::stopBinding() {
    if (cancelled_)
        cancelled_->store(true);
    watcher_.waitForFinished();
}
