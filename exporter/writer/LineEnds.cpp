#include "LineEnds.h"

#include <cstring>

namespace Exporter {

LineEnd DetectLineEnd(const char* data, std::size_t size) noexcept {
  const void* found = size == 0 ? nullptr : std::memchr(data, '\n', size);
  if (found == nullptr) {
    return LineEnd::Lf;
  }
  const char* newLine = static_cast<const char*>(found);
  return newLine > data && newLine[-1] == '\r' ? LineEnd::CrLf : LineEnd::Lf;
}

std::string WithLineEnds(std::string_view text, LineEnd end) {
  if (end == LineEnd::Lf) {
    return std::string(text);
  }
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (const char c : text) {
    if (c == '\n' && (out.empty() || out.back() != '\r')) {
      out.push_back('\r');
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace Exporter
