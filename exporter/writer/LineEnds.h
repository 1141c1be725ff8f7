// The line ends of the written file follow the input's: a file whose lines end in CR LF gets its new
// lines with CR LF too, so that no file mixes both.
//
//   const LineEnd end = file.CrLf() ? LineEnd::CrLf : LineEnd::Lf;   // the reader tells
//   std::string text = "#12=IFCWALL(...);\n#13=...;\n";
//   WithLineEnds(text, end);                                   // "\r\n" after each when CrLf
#pragma once

#include <string>
#include <string_view>

namespace Exporter {

enum class LineEnd { Lf, CrLf };

// `text`, whose lines end in LF, with `end` after each line.
std::string WithLineEnds(std::string_view text, LineEnd end);

// The text of one line end.
inline std::string_view LineEndText(LineEnd end) noexcept {
  return end == LineEnd::CrLf ? std::string_view("\r\n") : std::string_view("\n");
}

}  // namespace Exporter
