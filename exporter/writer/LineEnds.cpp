#include "exporter/writer/LineEnds.h"

namespace Exporter {

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
