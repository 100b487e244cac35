#include "model/CatalogueModel.h"

#include <algorithm>

namespace model {

QString CatalogueModel::fileName(int index) const {
    return index >= 0 && index < count() ? fileNames_.at(index) : QString();
}

void CatalogueModel::renameFile(int index, const QString& newName) {
    if (index < 0 || index >= count()) {
        return;
    }
    fileNames_[index] = newName;
    emit fileRenamed(index);
}

void CatalogueModel::beginLoading(const QString& folder, int total, bool slowReading) {
    folder_ = folder;
    fileNames_.clear();
    selected_.clear();
    selectedCount_ = 0;
    loading_ = {LoadingState::Phase::Running, 0, total, slowReading};
}

void CatalogueModel::appendLoaded(const QString& fileName) {
    fileNames_.push_back(fileName);
    selected_.push_back(false);
    ++loading_.next;
}

void CatalogueModel::endLoading(LoadingState::Phase phase, bool fileGone) {
    loading_.phase = phase;
    if (fileGone) {
        loading_.next = loading_.total;
    }
    current_ = -1;
    std::fill(selected_.begin(), selected_.end(), false);
    selectedCount_ = 0;
    emit selectionChanged(-1);
}

bool CatalogueModel::isSelected(int index) const {
    return index >= 0 && index < count() && selected_[static_cast<size_t>(index)];
}

int CatalogueModel::lowestSelected() const {
    const auto found = std::find(selected_.begin(), selected_.end(), true);
    return found == selected_.end() ? -1 : static_cast<int>(found - selected_.begin());
}

void CatalogueModel::select(int index, bool on) {
    auto&& bit = selected_[static_cast<size_t>(index)];
    if (bit != on) {
        bit = on;
        selectedCount_ += on ? 1 : -1;
    }
}

void CatalogueModel::takeSelection(const std::vector<bool>& selected) {
    for (int index = 0; index < count(); ++index) {
        select(index,
               index < static_cast<int>(selected.size()) && selected[static_cast<size_t>(index)]);
    }
}

void CatalogueModel::takeSelectionRange(int first, int last, bool on) {
    for (int index = std::max(first, 0); index <= last && index < count(); ++index) {
        select(index, on);
    }
}

void CatalogueModel::setCurrent(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    current_ = index;
    std::fill(selected_.begin(), selected_.end(), false);
    selected_[static_cast<size_t>(index)] = true;
    selectedCount_ = 1;
    emit selectionChanged(index);
}

void CatalogueModel::reselect(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    select(index, true);
    emit selectionChanged(index);
}

void CatalogueModel::invertSelection() {
    if (count() == 0) {
        return;
    }
    int focus = -1;
    for (int index = count() - 1; index >= 0 && focus < 0; --index) {
        if (!isSelected(index)) {
            focus = index;
        }
    }
    selected_.flip();
    selectedCount_ = count() - selectedCount_;
    emit selectionChanged(focus);
}

void CatalogueModel::applyVerdicts(const std::vector<SelectionVerdict>& verdicts) {
    const int items = std::min(static_cast<int>(verdicts.size()), count());
    for (int index = 0; index < items; ++index) {
        const SelectionVerdict verdict = verdicts[static_cast<size_t>(index)];
        if (verdict != SelectionVerdict::Keep) {
            select(index, verdict == SelectionVerdict::Select);
        }
    }
    emit selectionChanged(-1);
}

}  // namespace model
