#pragma once

#include "model/PictureSequence.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace model {

// The files the open-folder dialog lists: a snapshot of one folder's
// picture files (listPictureFiles), read when the folder is chosen and
// never following the disk on its own, since the catalogue numbers its
// items by their place in it; and the entry selected in the list, which
// the preview shows and steps from.
class ListedPictures : public QObject, public PictureSequence {
    Q_OBJECT
public:
    // Reads `folder`'s picture files; no entry is selected. An empty path
    // lists nothing.
    void list(const QString& folder);

    QString folder() const override { return folder_; }
    int count() const override { return static_cast<int>(names_.size()); }
    QString fileName(int index) const override;
    const QStringList& fileNames() const { return names_; }

    int selected() const { return selected_; }
    // The list view's own selection; not announced.
    void takeSelected(int index) { selected_ = index; }

    int stepFrom() const override { return selected_; }
    int current() const override { return selected_; }
    // Selects entry `index`; the list view follows.
    void setCurrent(int index) override;

signals:
    void selectionChanged(int index);

private:
    QString folder_;
    QStringList names_;
    int selected_ = -1;
};

}  // namespace model
