#include "NewInstances.h"

namespace Exporter {

std::uint32_t NewInstances::Add(const std::string& body) {
  const std::uint32_t number = nextNumber++;
  text.push_back('#');
  text += std::to_string(number);
  text.push_back('=');
  text += body;
  text += ";\n";
  return number;
}

NewInstances::Shared NewInstances::AddOnce(Pool& pool, const std::string& body) {
  const auto found = pool.find(body);
  if (found != pool.end()) {
    return Shared{found->second, false};
  }
  const std::uint32_t number = Add(body);
  pool.emplace(body, number);
  return Shared{number, true};
}

}  // namespace Exporter
