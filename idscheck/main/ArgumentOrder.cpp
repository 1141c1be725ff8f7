#include "idscheck/main/ArgumentOrder.h"

#include <fstream>
#include <string_view>

namespace Ids {

namespace {

// The file's first bytes after a UTF-8 byte order mark and white space; empty when unreadable.
std::string Start(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string bytes(kSniffedBytes, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  std::string_view text(bytes);
  if (text.substr(0, 3) == "\xEF\xBB\xBF") {
    text.remove_prefix(3);
  }
  const std::size_t start = text.find_first_not_of(" \t\r\n");
  return start == std::string_view::npos ? std::string() : std::string(text.substr(start));
}

}  // namespace

bool ModelAndIdsSwapped(const std::string& first, const std::string& second) {
  const std::string firstStart = Start(first);
  return !firstStart.empty() && firstStart.front() == '<' && Start(second).rfind("ISO-10303-21", 0) == 0;
}

}  // namespace Ids
