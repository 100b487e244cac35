#include "split/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>

#include <algorithm>

namespace {
constexpr int kInnerLeft = 10;
constexpr int kInnerTop = 18;
constexpr int kRowHeight = 30;
}  // namespace

RadioGroup::RadioGroup(const QString& text, const QStringList& items, int columns,
                       const QRect& geometry, QWidget* parent)
    : QGroupBox(text, parent),
      group_(new QButtonGroup(this)),
      count_(static_cast<int>(items.size())),
      columns_(std::max(1, columns)) {
    setGeometry(geometry);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setAccessibleName(items[i].trimmed());
        const QRect cell = itemCell(i);
        button->setGeometry(cell.x(), cell.y(), std::min(button->sizeHint().width(), cell.width()),
                            std::min(button->sizeHint().height(), cell.height()));
        group_->addButton(button, i);
        items_.push_back(button);
    }
    // The items have no designer names of their own: tools find them as
    // the group's items, "<group>.Items[2]", once the group is named.
    connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
        for (size_t i = 0; i < items_.size(); ++i)
            items_[i]->setObjectName(QStringLiteral("%1.Items[%2]").arg(name).arg(i));
    });
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemChosen(id);
    });
}

int RadioGroup::itemIndex() const {
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = group_->button(index))
        button->setChecked(true);
}

QRadioButton* RadioGroup::item(int index) const {
    return index >= 0 && index < static_cast<int>(items_.size())
               ? items_[static_cast<size_t>(index)]
               : nullptr;
}

QRect RadioGroup::itemCell(int index) const {
    const int count = std::max(1, itemCount());
    const int rows = (count + columns_ - 1) / columns_;
    const int columnWidth = (width() - 2 * kInnerLeft) / columns_;
    return QRect(kInnerLeft + (index / rows) * columnWidth, kInnerTop + (index % rows) * kRowHeight,
                 columnWidth, kRowHeight);
}
