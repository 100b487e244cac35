#pragma once

#include "tests/windows/ProgramFixture.h"

#include <QSize>
#include <QString>

#include <vector>

class CatalogueList;
class QListWidgetItem;

// The whole program with a folder of real picture files loaded into the
// catalogue through the open command and the open-folder dialog's OK.
class CatalogueFixture : public ProgramFixture {
protected:
    // A new folder with `count` small JPEG files p01.jpg, p02.jpg ...
    QString makeFolder(const QString& name, int count = 0);
    // A JPEG of one colour at this pixel size.
    void writeSizedJpeg(const QString& path, QSize size);
    // Opens `folder`; loadFolder also waits until the loading is complete.
    void startLoading(const QString& folder);
    void loadFolder(const QString& folder);

    CatalogueList& list();
    QListWidgetItem& item(int row);
    QString panel(int index);
    std::vector<int> selectedRows();
    int focusedRow();
    void clickItem(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void clickEmptySpace();
    void keyInList(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
};
