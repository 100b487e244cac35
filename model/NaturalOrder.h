#pragma once

#include <QCollator>
#include <QString>
#include <QStringList>

namespace model {

// The order in which a folder's files are listed and therefore numbered in
// the catalogue: natural ("p2.jpg" before "p10.jpg") and case-insensitive,
// as desktop file managers sort.
//
// Names are compared by the Japanese collation of ICU with numeric mode on
// and letter case ignored (so full-width and half-width forms, and hiragana
// and katakana, also compare equal). The collation is fixed rather than
// taken from the environment, so the numbering of a folder never depends on
// the locale the program was started in. Names equal under that collation
// ("a.jpg" and "A.jpg", "p1.jpg" and "p01.jpg") are ordered by their UTF-16
// code units, so the order is total: only identical names compare equal and
// sorting gives the same result on every run.
//
// Not thread-safe: use one instance per thread.
class NaturalOrder {
public:
    NaturalOrder();

    // Negative, zero or positive as `a` sorts before, with or after `b`;
    // zero only for identical names.
    int compare(const QString& a, const QString& b) const;
    bool operator()(const QString& a, const QString& b) const { return compare(a, b) < 0; }

    // Sorts `names` into this order (through collation keys, so it stays
    // fast for folders of many thousand files).
    void sort(QStringList& names) const;

private:
    QCollator collator_;
};

}  // namespace model
