#pragma once

#include <QString>

namespace trimming {

// How a trim's output file is named (the view's N switch): the source's
// name without its last extension, then nothing, "_1" or "_2", then ".bmp".
// Plain is the start value.
enum class TrimNaming { Plain, First, Second };

// N: Plain -> First -> Second -> Plain.
TrimNaming nextNaming(TrimNaming naming);

// ".bmp", "_1.bmp" or "_2.bmp".
QString namingSuffix(TrimNaming naming);

}  // namespace trimming
