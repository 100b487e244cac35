#pragma once

#include "model/AutoSelect.h"
#include "model/LoadingState.h"
#include "model/PictureSequence.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

namespace model {

// The catalogue without widgets: the folder it shows, its files in their
// order (file i is item i, numbered i + 1 for the user), which of them are
// selected, the current one and how the loading stands. The main window is
// its view; the split batch, the automatic selection, renaming and the
// trimming view read and change it here.
//
// Changes the view makes itself (the user's clicks and keys, the loading's
// selection of each new item) come in through takeSelection() and
// setCurrent() and are not announced back. Every other change of the
// selection is announced by selectionChanged(), which the view follows.
//
// Use from the window thread.
class CatalogueModel : public QObject, public PictureSequence {
    Q_OBJECT
public:
    CatalogueModel() = default;

    // --- files ---
    QString folder() const override { return folder_; }
    int count() const override { return static_cast<int>(fileNames_.size()); }
    QString fileName(int index) const override;
    const QStringList& fileNames() const { return fileNames_; }
    // The file of `index` has been renamed on disk to `newName`.
    void renameFile(int index, const QString& newName);

    // --- loading ---
    const LoadingState& loading() const { return loading_; }
    // While thumbnails load every command of the catalogue is refused.
    bool busy() const { return loading_.running(); }
    // A folder is opened: the catalogue empties and shows `folder`, whose
    // `total` files the view adds one by one (appendLoaded). Not announced:
    // the view itself loads.
    void beginLoading(const QString& folder, int total, bool slowReading);
    // The next file of the loading is in: it becomes the last item.
    void appendLoaded(const QString& fileName);
    // The loading has ended in `phase`: no item is current or selected.
    // `fileGone`: a file went missing and ended it, which counts as having
    // passed the last file.
    void endLoading(LoadingState::Phase phase, bool fileGone = false);

    // --- the current item ---
    // The item last clicked or reached by keyboard (or by a step of the
    // trimming view); -1 for none.
    int current() const override { return current_; }
    void setCurrentItem(int index) { current_ = index; }

    // --- selection ---
    bool isSelected(int index) const;
    int selectedCount() const { return selectedCount_; }
    // The lowest selected item, or -1.
    int lowestSelected() const;
    int stepFrom() const override { return lowestSelected(); }

    // The view's selection as it now stands: `selected` holds one entry per
    // item. Not announced.
    void takeSelection(const std::vector<bool>& selected);
    // The view selected (on) or unselected (off) items first to last.
    void takeSelectionRange(int first, int last, bool on);

    // `index` becomes the current item and the only selected one (the
    // trimming view's step).
    void setCurrent(int index) override;
    // `index` is selected and made the view's focused item, the others
    // keeping their state; nothing outside the catalogue.
    void reselect(int index);
    // Every item's selection flips; the view's focus goes to the highest
    // item that becomes selected.
    void invertSelection();
    // The automatic selection's verdicts, item by item; the focus stays.
    void applyVerdicts(const std::vector<SelectionVerdict>& verdicts);

signals:
    void fileRenamed(int index);
    // The selection changed other than by the view: the view selects as
    // the model says and, when `focus` is not -1, focuses that item.
    void selectionChanged(int focus);

private:
    void select(int index, bool on);

    QString folder_;
    QStringList fileNames_;
    std::vector<bool> selected_;
    int selectedCount_ = 0;
    int current_ = -1;
    LoadingState loading_;
};

}  // namespace model
