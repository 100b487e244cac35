#pragma once

#include "book/BookOutput.h"

namespace book {

// Writes the job's pages as a PDF through qpdf, into a temporary file
// renamed over request.outputFile once complete. A JPEG page is its own
// file's bytes as a DCTDecode image (grey, RGB or CMYK, Adobe's inverted
// CMYK with a Decode array that turns it back); a BMP page is decoded and
// stored losslessly (FlateDecode). Each page is as large as its pixels at
// its density (pageSizeInPoints) and holds only its picture. Right-to-left
// books open from the right (/Direction /R2L, /PageLayout /TwoPageRight).
// The title and author go into the document information and its XMP
// metadata. Pages are read from disk while the file is written, one at a
// time.
BookOutput writePdf(const BookJob& job);

}  // namespace book
