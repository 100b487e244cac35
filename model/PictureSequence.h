#pragma once

#include <QString>

namespace model {

// Pictures the trimming view steps through with its X and Z keys: the
// catalogue's items, or the files the open-folder dialog lists. The view
// shows the current one and, to step, makes another one current; it never
// asks the window that owns the sequence.
class PictureSequence {
public:
    virtual int count() const = 0;
    // The index a step is tested on: the catalogue's lowest selected item
    // (several may be selected), the listing's selected entry; -1 for none.
    virtual int stepFrom() const = 0;
    // The picture shown; -1 for none.
    virtual int current() const = 0;
    // Makes `index` the current picture (and the only selected one).
    virtual void setCurrent(int index) = 0;
    virtual QString folder() const = 0;
    // The file name of picture `index`; empty outside the sequence.
    virtual QString fileName(int index) const = 0;
    // folder + file name.
    QString path(int index) const;

protected:
    ~PictureSequence() = default;
};

}  // namespace model
