#include "trimming/StepTarget.h"

namespace trimming {

std::optional<int32_t> stepTarget(int32_t itemIndex, int32_t currentIndex, int32_t count,
                                  int direction) {
    const bool allowed = direction > 0 ? int64_t{itemIndex} < int64_t{count} - 1 : itemIndex > 0;
    if (!allowed || direction == 0) {
        return std::nullopt;
    }
    const int64_t target = int64_t{currentIndex} + (direction > 0 ? 1 : -1);
    if (target < 0 || target >= count) {
        return std::nullopt;
    }
    return static_cast<int32_t>(target);
}

}  // namespace trimming
