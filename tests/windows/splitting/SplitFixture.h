#pragma once

#include "tests/windows/CatalogueFixture.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// A catalogue of pictures in a source folder "book1" and a destination
// folder "out", with the split dialog driven as a user drives it.
class SplitFixture : public CatalogueFixture {
protected:
    using Pictures = std::vector<std::pair<QString, QImage>>;

    // Writes the pictures into book1 (".bmp" or ".jpg" by name) and loads
    // the folder through the open command.
    void loadBook(const Pictures& pictures);
    // Selects the items of these rows by clicks (the first plain, the
    // others with Ctrl).
    void selectRows(const std::vector<int>& rows);
    // The row of the item with this caption, -1 when there is none.
    int rowOf(const QString& caption);
    // Presses B in the main window; the dialog must open.
    void openSplitDialog();
    // OK with the destination typed in; the notice box must show.
    void pressOk(const QString& destination);
    // After pressOk: the test takes the batch timer over, so that each item can be
    // watched; stepItem() runs ticks until one more item is done.
    void takeTimerOver();
    void stepItem();
    // Lets the timer run until the end notice shows.
    void runToEnd();

    // File names in a folder, sorted.
    QStringList filesIn(const QString& folder) const;
    QImage loadOutput(const QString& path) const;

    QString book_;
    QString out_;
};
