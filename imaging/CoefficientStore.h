#pragma once

#include "imaging/PackedBlocks.h"

#include <QtGlobal>

#include <array>

namespace imaging {

// The memory a thread keeps for lossless JPEG work: the packed DCT
// coefficients of the picture read last (see LosslessJpeg), one
// PackedComponent per colour component. Each grows to the largest picture
// it has met and keeps its memory for the next, so a long batch touches
// fresh memory once. One store serves one picture at a time.
class CoefficientStore {
public:
    // libjpeg's limit on the components of a picture.
    static constexpr int kMaxComponents = 10;

    PackedComponent& component(int index) { return components_.at(static_cast<size_t>(index)); }
    const PackedComponent& component(int index) const {
        return components_.at(static_cast<size_t>(index));
    }

    // What the packed coefficients of the last picture take.
    qsizetype packedBytes() const {
        qsizetype bytes = 0;
        for (const PackedComponent& packed : components_) {
            bytes += packed.packedBytes();
        }
        return bytes;
    }

private:
    std::array<PackedComponent, kMaxComponents> components_;
};

}  // namespace imaging
