#pragma once

#include <QGroupBox>
#include <QRect>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QRadioButton;

// A framed group of radio buttons chosen by index. The items are laid out
// in `columns` columns filled top to bottom, each item at the top-left of
// its cell; itemCell() tells where, so that a picture can sit beside it.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& text, const QStringList& items, int columns, const QRect& geometry,
               QWidget* parent);

    // The chosen item, -1 for none.
    int itemIndex() const;
    void setItemIndex(int index);

    QRadioButton* item(int index) const;
    int itemCount() const { return count_; }
    // The item's cell within the group.
    QRect itemCell(int index) const;

signals:
    // The chosen item changed, by the user or by the program.
    void itemChosen(int index);

private:
    QButtonGroup* group_ = nullptr;
    std::vector<QRadioButton*> items_;
    int count_ = 0;
    int columns_ = 1;
};
