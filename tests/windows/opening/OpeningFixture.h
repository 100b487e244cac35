#pragma once

#include "tests/windows/ProgramFixture.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>

// The whole program and a temporary folder of files to open in it.
class OpeningFixture : public ProgramFixture {
protected:
    void SetUp() override;

    // Path of `name` in the folder of files (created on demand).
    QString file(const QString& name) const;
    QString folder() const { return files_.path(); }
    void writeEmpty(const QString& name) const;
    void writeJpeg(const QString& name, const QImage& picture) const;
    void writeBmp(const QString& name, const QImage& picture) const;

    bool loadingEnded();
    void waitUntilLoaded();

    int itemCount();
    QString caption(int item);
    QStringList captions();
    int selectedCount();
    // Thumbnail `item` as it is shown: its icon at the list's icon size.
    QImage thumbnail(int item);
    // The catalogue's thumbnail background.
    QRgb background();

private:
    QTemporaryDir files_;
};
