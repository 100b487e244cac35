#include "trimming/FrameKeys.h"

#include "trimming/FrameMapping.h"

#include <array>

namespace trimming {

namespace {

int32_t grow(int32_t size, int32_t by) {
    const int64_t sum = int64_t{size} + by;
    return sum > INT32_MAX ? INT32_MAX : static_cast<int32_t>(sum);
}

bool below(int32_t position, int32_t step, int32_t limit) {
    return int64_t{position} + step < limit;
}

// W and A: the near edge moves out by the step, or to 0 when closer than
// the step; the far edge stays, so the size grows by what the edge moved.
bool moveNearEdgeOut(int32_t& position, int32_t& size, int32_t step) {
    if (position <= 0) {
        return false;
    }
    const int32_t moved = position <= step ? position : step;
    size = grow(size, moved);
    position -= moved;
    return true;
}

// S and D: the near edge moves in by the step while the size exceeds it
// and the edge stays inside the image.
bool moveNearEdgeIn(int32_t& position, int32_t& size, int32_t step, int32_t imageSize) {
    if (size <= step || !below(position, step, imageSize)) {
        return false;
    }
    position += step;
    size -= step;
    return true;
}

bool shrinkFarEdge(int32_t& size, int32_t step) {
    if (size <= step) {
        return false;
    }
    size -= step;
    return true;
}

bool shiftBack(int32_t& position, int32_t step) {
    if (position <= 0) {
        return false;
    }
    position = position <= step ? 0 : position - step;
    return true;
}

bool shiftForward(int32_t& position, int32_t step, int32_t imageSize) {
    if (!below(position, step, imageSize)) {
        return false;
    }
    position += step;
    return true;
}

}  // namespace

std::optional<FrameKey> frameKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_W:
            return FrameKey::W;
        case Qt::Key_A:
            return FrameKey::A;
        case Qt::Key_S:
            return FrameKey::S;
        case Qt::Key_D:
            return FrameKey::D;
        case Qt::Key_Up:
            return FrameKey::Up;
        case Qt::Key_Down:
            return FrameKey::Down;
        case Qt::Key_Left:
            return FrameKey::Left;
        case Qt::Key_Right:
            return FrameKey::Right;
        default:
            return std::nullopt;
    }
}

namespace {

// One row of the key-down table: tests the row's condition, applies its
// change and remaps the view values it names. False when the condition
// failed and nothing was touched.
bool applyRow(FrameFields& f, FrameKey key, bool shift) {
    const int32_t step = f.FrameStep;
    switch (key) {
        case FrameKey::W:
            if (!moveNearEdgeOut(f.FrameTop, f.FrameHeight, step)) {
                return false;
            }
            f.ViewFrameHeight = viewFrameHeightOf(f);
            f.ViewFrameTop = viewFrameTopOf(f);
            return true;
        case FrameKey::S:
            if (!moveNearEdgeIn(f.FrameTop, f.FrameHeight, step, f.ImageHeight)) {
                return false;
            }
            f.ViewFrameTop = viewFrameTopOf(f);
            f.ViewFrameHeight = viewFrameHeightOf(f);
            return true;
        case FrameKey::A:
            if (!moveNearEdgeOut(f.FrameLeft, f.FrameWidth, step)) {
                return false;
            }
            f.ViewFrameWidth = viewFrameWidthOf(f);
            f.ViewFrameLeft = viewFrameLeftOf(f);
            return true;
        case FrameKey::D:
            if (!moveNearEdgeIn(f.FrameLeft, f.FrameWidth, step, f.ImageWidth)) {
                return false;
            }
            f.ViewFrameLeft = viewFrameLeftOf(f);
            f.ViewFrameWidth = viewFrameWidthOf(f);
            return true;
        case FrameKey::Up:
            if (shift) {
                if (!shiftBack(f.FrameTop, step)) {
                    return false;
                }
                f.ViewFrameTop = viewFrameTopOf(f);
                return true;
            }
            if (!shrinkFarEdge(f.FrameHeight, step)) {
                return false;
            }
            f.ViewFrameHeight = viewFrameHeightOf(f);
            return true;
        case FrameKey::Down:
            if (shift) {
                if (!shiftForward(f.FrameTop, step, f.ImageHeight)) {
                    return false;
                }
                f.ViewFrameTop = viewFrameTopOf(f);
                return true;
            }
            f.FrameHeight = grow(f.FrameHeight, step);
            f.ViewFrameHeight = viewFrameHeightOf(f);
            return true;
        case FrameKey::Left:
            if (shift) {
                if (!shiftBack(f.FrameLeft, step)) {
                    return false;
                }
                f.ViewFrameLeft = viewFrameLeftOf(f);
                return true;
            }
            if (!shrinkFarEdge(f.FrameWidth, step)) {
                return false;
            }
            f.ViewFrameWidth = viewFrameWidthOf(f);
            return true;
        case FrameKey::Right:
            if (shift) {
                if (!shiftForward(f.FrameLeft, step, f.ImageWidth)) {
                    return false;
                }
                f.ViewFrameLeft = viewFrameLeftOf(f);
                return true;
            }
            f.FrameWidth = grow(f.FrameWidth, step);
            f.ViewFrameWidth = viewFrameWidthOf(f);
            return true;
    }
    return false;
}

}  // namespace

bool applyFrameKey(FrameFields& frame, FrameKey key, bool shift) {
    const FrameFields before = frame;
    return applyRow(frame, key, shift) && !(frame == before);
}

std::optional<int32_t> frameStepForKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier) || qtKey < Qt::Key_1 || qtKey > Qt::Key_6) {
        return std::nullopt;
    }
    static constexpr std::array<int32_t, 6> steps{1, 5, 50, 2, 8, 32};
    return steps[static_cast<size_t>(qtKey - Qt::Key_1)];
}

}  // namespace trimming
