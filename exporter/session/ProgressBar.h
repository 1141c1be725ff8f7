// A one-line progress bar on standard error that redraws itself, at most once a percent.
//
//   ProgressBar bar(enabled);
//   bar.Show("reading", done, total);   // "reading  [#########           ]  45%"
//   bar.Clear();                        // erases the line before other output
#pragma once

#include <cstddef>

namespace Exporter {

class ProgressBar {
 public:
  explicit ProgressBar(bool enabled) noexcept : enabled(enabled) {}

  void Show(const char* phase, std::size_t done, std::size_t total) noexcept;
  void Clear() noexcept;

 private:
  bool enabled;
  bool shown = false;
  const char* lastPhase = nullptr;
  int lastPercent = -1;
};

}  // namespace Exporter
