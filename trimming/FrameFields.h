#pragma once

#include <cstdint>

// The trimming view's frame model: the image being shown, where it is drawn
// in the view, and the frame in image pixels and in view pixels. The frame
// in image pixels is the truth; the view values are derived from it.
struct FrameFields {
    int32_t ImageWidth = 0;
    int32_t ImageHeight = 0;
    int32_t ViewImageLeft = 0;
    int32_t ViewImageTop = 0;
    int32_t ViewImageWidth = 0;
    int32_t ViewImageHeight = 0;
    int32_t FrameLeft = 0;
    int32_t FrameTop = 0;
    int32_t FrameWidth = 0;
    int32_t FrameHeight = 0;
    int32_t ViewFrameLeft = 0;
    int32_t ViewFrameTop = 0;
    int32_t ViewFrameWidth = 0;
    int32_t ViewFrameHeight = 0;
    // Step of the frame keys in image pixels.
    int32_t FrameStep = 0;

    bool operator==(const FrameFields&) const = default;
};
