#pragma once

#include "trimming/FrameFields.h"
#include "trimming/ViewFit.h"

#include <cstdint>

namespace trimming {

// The frame in image pixels is the truth; these functions derive the view
// values from it. All scaling uses scaledTrunc (extended precision, division
// first, truncation toward zero). An image width or height of 0 maps
// everything to the image's view offset instead of dividing by zero.

// Each view value of the frame on its own, so that a key can remap exactly
// the values it changed:
//   ViewFrameLeft   = Trunc(FrameLeft / ImageWidth * ViewImageWidth) + ViewImageLeft
//   ViewFrameTop    = Trunc(FrameTop / ImageHeight * ViewImageHeight) + ViewImageTop
//   ViewFrameWidth  = Trunc(FrameWidth / ImageWidth * ViewImageWidth)
//   ViewFrameHeight = Trunc(FrameHeight / ImageHeight * ViewImageHeight)
int32_t viewFrameLeftOf(const FrameFields& frame);
int32_t viewFrameTopOf(const FrameFields& frame);
int32_t viewFrameWidthOf(const FrameFields& frame);
int32_t viewFrameHeightOf(const FrameFields& frame);

// Sets all four view values of the frame from the frame in image pixels.
void mapFrameToView(FrameFields& frame);

// Makes the frame the whole image: image values 0, 0, ImageWidth,
// ImageHeight and view values equal to the view image rectangle. Used at
// the first showing after start-up or a folder opening, and by the reset key.
void startWholeImage(FrameFields& frame);

// Records a newly shown image of imageWidth x imageHeight drawn at `fit`:
// sets ImageWidth, ImageHeight and the four view image values, starts the
// frame over the whole image when `startWhole` is set (the view's title was
// empty), and always remaps the frame to the view. A kept frame is left
// unchanged in image pixels, even where it reaches past a smaller image.
void showImage(FrameFields& frame, int32_t imageWidth, int32_t imageHeight, const ViewFit& fit,
               bool startWhole);

// The open-folder preview's footprint on the frame model: only when the
// picture was scaled does it record the drawn width and height; the image
// size, the view offsets and the frame itself are left alone.
void recordPreviewFit(FrameFields& frame, const ViewFit& fit);

}  // namespace trimming
