#pragma once

#include "tests/windows/ProgramFixture.h"
#include "trimming/ViewFit.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>

class QListWidget;

// The whole program with a folder of small picture files, loaded into the
// catalogue through the open-folder dialog, and helpers that drive the
// trimming view as a user would: double-clicks and keys.
class TrimmingFixture : public ProgramFixture {
protected:
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

    QString title();
    QString panel1Text();
    bool panel1Shown();
    QString viewStatus(int panel);
    // Where a picture of this size lands in the view as it is laid out now.
    trimming::ViewFit fitInView(int width, int height);
    QString trimmingFile(const QString& name) const;

    QTemporaryDir pictures_;
};
