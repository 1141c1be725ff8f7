// ASCII upper case, as STEP files spell entity and type names: Upper("IfcWall") == "IFCWALL".
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace Ids {

inline std::string Upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return result;
}

}  // namespace Ids
