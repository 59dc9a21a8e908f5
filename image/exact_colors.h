#pragma once
// The optimal palette of an image with few colours, in one pass. When an image
// has no more colours than the octree may keep, every colour becomes a leaf of
// its own and the octree's table lists them in the order of its walk: by the
// bits of red, green and blue interleaved from the top. If besides no two of
// them share a cell of the fast lookup's cache, every lookup answers a pixel
// with its own colour, so no dither has an error to spread and each pixel's
// index is its colour's place in the table. Almost every button is such an image.
#include "image/image.h"
#include "image/indexed_image.h"

namespace nimbrel {

// Fills out (size, pixels and colour table) as the octree, the fast lookup and
// any dither engine would, and returns true; returns false, with out in no
// particular state, when the image has more than maxColors colours (at most
// 256) or two of its colours share a lookup cell.
bool reduceToExactColors(const Bgr24View& source, int maxColors, IndexedImage& out);

}  // namespace nimbrel
