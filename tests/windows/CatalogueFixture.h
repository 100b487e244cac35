#pragma once

#include "tests/windows/ProgramFixture.h"

#include <QSize>
#include <QString>

class QListWidgetItem;

// The whole program and folders of real picture files made for the test,
// loaded into the catalogue through the open command and the open-folder
// dialog's OK (ProgramFixture::loadFolder).
class CatalogueFixture : public ProgramFixture {
protected:
    // A new folder in the start folder with `count` small JPEG files
    // p01.jpg, p02.jpg ...
    QString makeFolder(const QString& name, int count = 0);
    // Starts loading a new folder of 60 small files: the loading still runs
    // when this returns, as every tick of the window adds one file at most.
    void startLongLoading();
    // A JPEG of one colour at this pixel size.
    void writeSizedJpeg(const QString& path, QSize size);

    QListWidgetItem& item(int row);
};
