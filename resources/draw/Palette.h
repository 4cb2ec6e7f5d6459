// Reducing a drawn picture to the few colours its file format allows.
#pragma once

#include "BmpFile.h"

#include <QImage>
#include <QRect>

#include <vector>

namespace draw {

// A palette of `count` colours for the image: the fixed colours first, then median-cut boxes
// over the remaining pixels. Pixels outside `region` (when not null) do not vote.
std::vector<QRgb> MedianCutPalette(const QImage& image, int count, const std::vector<QRgb>& fixed = {},
                                   const QRect& region = {});

// Maps every pixel to its nearest palette colour; inside `ditherRegion` the error is spread
// Floyd-Steinberg fashion, elsewhere edges stay crisp.
IndexedImage MapToPalette(const QImage& image, const std::vector<QRgb>& palette, const QRect& ditherRegion = {});

} // namespace draw
