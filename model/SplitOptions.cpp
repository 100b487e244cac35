#include "model/SplitOptions.h"

#include <algorithm>

namespace split {

int SplitOptions::centreWidthInUse() const {
    if (!removeCentre || direction == SplitDirection::None) {
        return 0;
    }
    return std::max(centreWidth, 0);
}

}  // namespace split
