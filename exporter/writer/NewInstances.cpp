#include "exporter/writer/NewInstances.h"

namespace Exporter {

InstanceNumber NewInstances::Add(const std::string& body) {
  const InstanceNumber number = nextNumber;
  nextNumber = InstanceNumber(number.Value() + 1);
  text.push_back('#');
  text += std::to_string(number.Value());
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
  const InstanceNumber number = Add(body);
  pool.emplace(body, number);
  return Shared{number, true};
}

}  // namespace Exporter
