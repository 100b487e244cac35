#include "model/NaturalOrder.h"

#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

namespace model {

NaturalOrder::NaturalOrder() : collator_(QLocale(QLocale::Japanese, QLocale::Japan)) {
    collator_.setNumericMode(true);
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    collator_.setIgnorePunctuation(false);
}

namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

}  // namespace

int NaturalOrder::compare(const QString& a, const QString& b) const {
    const int collated = collator_.compare(a, b);
    if (collated != 0) {
        return sign(collated);
    }
    return sign(a.compare(b, Qt::CaseSensitive));
}

void NaturalOrder::sort(QStringList& names) const {
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<size_t>(names.size()));
    for (const QString& name : names) {
        keys.push_back(collator_.sortKey(name));
    }
    std::vector<qsizetype> positions(keys.size());
    std::iota(positions.begin(), positions.end(), qsizetype{0});
    std::sort(positions.begin(), positions.end(), [&](qsizetype left, qsizetype right) {
        const int collated =
            keys[static_cast<size_t>(left)].compare(keys[static_cast<size_t>(right)]);
        if (collated != 0) {
            return collated < 0;
        }
        return names[left].compare(names[right], Qt::CaseSensitive) < 0;
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const qsizetype position : positions) {
        sorted.push_back(names[position]);
    }
    names = std::move(sorted);
}

}  // namespace model
