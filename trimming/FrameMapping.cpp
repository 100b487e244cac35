#include "trimming/FrameMapping.h"

namespace trimming {

namespace {

// Trunc(value / imageSize * viewSize); an empty image maps to 0.
int32_t toView(int32_t value, int32_t imageSize, int32_t viewSize) {
    if (imageSize == 0) {
        return 0;
    }
    return scaledTrunc(value, imageSize, viewSize);
}

int32_t addClamped(int32_t a, int32_t b) {
    const int64_t sum = int64_t{a} + b;
    if (sum > INT32_MAX) {
        return INT32_MAX;
    }
    if (sum < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(sum);
}

}  // namespace

int32_t viewFrameLeftOf(const FrameFields& frame) {
    return addClamped(toView(frame.FrameLeft, frame.ImageWidth, frame.ViewImageWidth),
                      frame.ViewImageLeft);
}

int32_t viewFrameTopOf(const FrameFields& frame) {
    return addClamped(toView(frame.FrameTop, frame.ImageHeight, frame.ViewImageHeight),
                      frame.ViewImageTop);
}

int32_t viewFrameWidthOf(const FrameFields& frame) {
    return toView(frame.FrameWidth, frame.ImageWidth, frame.ViewImageWidth);
}

int32_t viewFrameHeightOf(const FrameFields& frame) {
    return toView(frame.FrameHeight, frame.ImageHeight, frame.ViewImageHeight);
}

void mapFrameToView(FrameFields& frame) {
    frame.ViewFrameLeft = viewFrameLeftOf(frame);
    frame.ViewFrameTop = viewFrameTopOf(frame);
    frame.ViewFrameWidth = viewFrameWidthOf(frame);
    frame.ViewFrameHeight = viewFrameHeightOf(frame);
}

void startWholeImage(FrameFields& frame) {
    frame.ViewFrameLeft = frame.ViewImageLeft;
    frame.ViewFrameTop = frame.ViewImageTop;
    frame.ViewFrameWidth = frame.ViewImageWidth;
    frame.ViewFrameHeight = frame.ViewImageHeight;
    frame.FrameLeft = 0;
    frame.FrameTop = 0;
    frame.FrameWidth = frame.ImageWidth;
    frame.FrameHeight = frame.ImageHeight;
}

void showImage(FrameFields& frame, int32_t imageWidth, int32_t imageHeight, const ViewFit& fit,
               bool startWhole) {
    frame.ImageWidth = imageWidth;
    frame.ImageHeight = imageHeight;
    frame.ViewImageLeft = fit.left;
    frame.ViewImageTop = fit.top;
    frame.ViewImageWidth = fit.width;
    frame.ViewImageHeight = fit.height;
    if (startWhole) {
        startWholeImage(frame);
    }
    mapFrameToView(frame);
}

void recordPreviewFit(FrameFields& frame, const ViewFit& fit) {
    if (fit.scaled) {
        frame.ViewImageWidth = fit.width;
        frame.ViewImageHeight = fit.height;
    }
}

}  // namespace trimming
