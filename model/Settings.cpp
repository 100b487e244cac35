#include "model/Settings.h"

#include "model/SplitOptions.h"

namespace model {

SplitBoxes designedSplitBoxes() {
    const split::SplitOptions defaults;
    return {QString::number(defaults.jpegQuality), QString::number(defaults.marginThreshold),
            QString::number(defaults.keptMargin), QString::number(defaults.centreWidth)};
}

}  // namespace model
