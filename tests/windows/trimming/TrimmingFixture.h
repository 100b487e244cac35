#pragma once

#include "tests/windows/ProgramFixture.h"
#include "trimming/TrimSequence.h"
#include "trimming/ViewFit.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>

class QListWidget;
class QWidget;

// The whole program with a folder of three small picture files, a.b.bmp
// (40x30), p2.bmp (1000x200) and p3.jpg (30x50), and helpers that drive the
// trimming view as a user would: double-clicks and keys. A test starts with
// the pictures loaded into the catalogue, or (Preview) with the open-folder
// dialog listing them.
class TrimmingFixture : public ProgramFixture {
protected:
    enum class StartIn { Catalogue, OpenFolderDialog };
    explicit TrimmingFixture(StartIn start = StartIn::Catalogue) : startIn_(start) {}

    void SetUp() override;

    // A file of the picture folder; written as BMP or JPEG by its extension.
    QString picturePath(const QString& name) const;
    void writePicture(const QString& name, const QImage& picture) const;
    // The picture with the pattern that TrimmingFixture writes, for checks.
    static QImage pattern(int width, int height);

    // Opens the picture folder with the open command and OK, and waits
    // until every thumbnail is loaded.
    void loadPictures();
    // The open-folder dialog over the main window, listing the picture folder.
    void openDialog();
    // The open-folder dialog's button with this caption, clicked.
    void clickDialogButton(const QString& caption);

    // Double-clicks the thumbnail of catalogue item `row`.
    void doubleClickItem(int row);
    // Double-clicks entry `entry` of the open-folder dialog's file list.
    void doubleClickEntry(int entry);
    // Double-clicks the view's picture.
    void doubleClickPicture();
    // Waits until the view is shown maximised and its picture fills the
    // picture area as finally laid out.
    bool viewSettled();
    void waitForView();

    // A key pressed and released in the view.
    void key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A key held: the press, `repeats` auto-repeated press and release
    // pairs, then the release.
    void holdKey(int qtKey, int repeats);

    // The trim and copy sequence, driven tick by tick instead of waiting for
    // its timer: the timer must be due at the phase's interval, and the tick
    // runs at once.
    trimming::SequencePhase phase();
    void tick();
    // Ticks through a trim or copy: the work, then `doneText` in the
    // message panel, then the end.
    void runRequest(const QString& doneText);

    QString title();
    QString messageText();
    bool messageShown();
    QString stepText();
    QString showNextText();
    QString namingText();
    // Where a picture of this size lands in the view as it is laid out now.
    trimming::ViewFit fitInView(int width, int height);
    QString trimmingFile(const QString& name) const;
    QStringList trimmingFiles() const;

    QTemporaryDir pictures_;

private:
    StartIn startIn_;
};
