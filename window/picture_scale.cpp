#include "window/picture_scale.h"

#include <algorithm>
#include <cmath>

namespace {

struct Share {
  int source;
  double weight;
};

// For each of `to` target samples, the source samples it covers and by how much;
// the weights of one target sample add up to 1.
std::vector<std::vector<Share>> shares(int from, int to) {
  std::vector<std::vector<Share>> result(to);
  const double step = static_cast<double>(from) / to;
  for (int target = 0; target < to; ++target) {
    const double begin = target * step;
    const double end = begin + step;
    const int last = std::min(from, static_cast<int>(std::ceil(end)));
    for (int source = static_cast<int>(begin); source < last; ++source) {
      const double covered = std::min(end, source + 1.0) - std::max(begin, static_cast<double>(source));
      if (covered > 0) result[target].push_back({source, covered / step});
    }
  }
  return result;
}

}  // namespace

PixelSize fitInside(PixelSize picture, PixelSize box) {
  if (picture.width <= 0 || picture.height <= 0) return {1, 1};
  // Compare the two ratios without rounding: box.w / pic.w against box.h / pic.h.
  const bool widthLimits =
      static_cast<long long>(box.width) * picture.height <= static_cast<long long>(box.height) * picture.width;
  PixelSize fitted =
      widthLimits
          ? PixelSize{box.width,
                      static_cast<int>(std::lround(static_cast<double>(box.width) * picture.height / picture.width))}
          : PixelSize{static_cast<int>(std::lround(static_cast<double>(box.height) * picture.width / picture.height)),
                      box.height};
  return {std::max(1, fitted.width), std::max(1, fitted.height)};
}

PixelImage resample(const PixelImage& source, PixelSize size) {
  const int channels = source.channels;
  const int sourceWidth = source.size.width;
  const auto columns = shares(sourceWidth, size.width);
  const auto rows = shares(source.size.height, size.height);

  // Across first: each source row narrowed to the target width.
  std::vector<double> narrowed(static_cast<std::size_t>(source.size.height) * size.width * channels, 0.0);
  for (int y = 0; y < source.size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      for (const Share& share : columns[x]) {
        const std::uint8_t* pixel =
            &source.bytes[(static_cast<std::size_t>(y) * sourceWidth + share.source) * channels];
        double* target = &narrowed[(static_cast<std::size_t>(y) * size.width + x) * channels];
        for (int c = 0; c < channels; ++c) target[c] += pixel[c] * share.weight;
      }
    }
  }

  // Then down: the narrowed rows mixed to the target height.
  PixelImage result{size, channels,
                    std::vector<std::uint8_t>(static_cast<std::size_t>(size.width) * size.height * channels)};
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      for (int c = 0; c < channels; ++c) {
        double sum = 0;
        for (const Share& share : rows[y]) {
          sum += narrowed[(static_cast<std::size_t>(share.source) * size.width + x) * channels + c] * share.weight;
        }
        result.bytes[(static_cast<std::size_t>(y) * size.width + x) * channels + c] =
            static_cast<std::uint8_t>(std::clamp(std::lround(sum), 0L, 255L));
      }
    }
  }
  return result;
}
