#pragma once

#include <cstdint>
#include <optional>

namespace trimming {

// Stepping through a list with the view's X (next, direction +1) and Z
// (previous, direction -1) keys, and the show-next step after a save.
//
// The test is made on the list's item index (its lowest selected index, -1
// when nothing is selected): X needs it below count - 1, Z above 0. The
// step itself moves the shown item, `currentIndex`, by one. The two agree
// after any step, since a step leaves only the new item selected; where a
// multiple selection makes them differ, a step that would leave the list is
// refused instead of addressing an item that does not exist.
//
// Returns the index to show next, or nothing when no step is made.
std::optional<int32_t> stepTarget(int32_t itemIndex, int32_t currentIndex, int32_t count,
                                  int direction);

}  // namespace trimming
