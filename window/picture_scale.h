// Shrinking or growing a picture to the box that shows it, keeping its proportions.
// Pure functions on plain pixel rows, so the picture looks the same whatever the
// platform's own scaler does (some interpolate, some only pick the nearest pixel).
#pragma once

#include <cstdint>
#include <vector>

struct PixelSize {
  int width = 0;
  int height = 0;
};

// The largest size with the picture's proportions that fits in the box, at least 1 × 1.
PixelSize fitInside(PixelSize picture, PixelSize box);

// Pixels in rows without padding, `channels` bytes per pixel.
struct PixelImage {
  PixelSize size;
  int channels = 3;
  std::vector<std::uint8_t> bytes;
};

// The image at `size`: every target pixel is the average of the source area it covers.
PixelImage resample(const PixelImage& source, PixelSize size);
