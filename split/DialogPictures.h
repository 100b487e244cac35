#pragma once

#include "model/SplitOptions.h"

#include <QImage>

// The small pictures of the split dialog, drawn by the program: which page
// comes first for each cut direction, and which way a quarter turn goes.

// Two boxes numbered 1 and 2 in reading order: side by side for Right
// (1 on the left) and Left (2 on the left), one above the other for Down
// (1 on top) and Up (2 on top). None gives a null picture.
QImage pageOrderPicture(split::SplitDirection direction);

// Two circular arrows chasing each other round a circle: counter-clockwise
// for TurnDirection::Left, clockwise for TurnDirection::Right.
QImage turnPicture(split::TurnDirection direction);
