#include "exporter/session/ProgressBar.h"

#include <cstdio>

namespace Exporter {

void ProgressBar::Show(const char* phase, std::size_t done, std::size_t total) noexcept {
  if (!enabled || total == 0) {
    return;
  }
  const int percent = static_cast<int>(done * 100 / total);
  if (percent == lastPercent && phase == lastPhase) {
    return;
  }
  lastPercent = percent;
  lastPhase = phase;
  constexpr int kWidth = 30;
  char bar[kWidth + 1];
  for (int i = 0; i < kWidth; ++i) {
    bar[i] = i < percent * kWidth / 100 ? '#' : ' ';
  }
  bar[kWidth] = '\0';
  std::fprintf(stderr, "\r%-8s [%s] %3d%%", phase, bar, percent);
  std::fflush(stderr);
  shown = true;
}

void ProgressBar::Clear() noexcept {
  if (shown) {
    std::fprintf(stderr, "\r%60s\r", "");
    std::fflush(stderr);
    shown = false;
  }
}

}  // namespace Exporter
