#include "exporter/writer/NewInstances.h"

#include <cassert>
#include <limits>

namespace Exporter {

Ifc::Status NewInstances::RoomAfter(const Ifc::Model& model) {
  const InstanceNumber largest = model.LargestNumber();
  if (largest.Value() <= std::numeric_limits<std::uint64_t>::max() - kMostAdded) {
    return {};
  }
  return Ifc::Failure(model.Where(model.Find(largest)) + "instance number too large: the instances this tool adds " +
                      "are numbered after the largest one, which must be at most " +
                      std::to_string(std::numeric_limits<std::uint64_t>::max() - kMostAdded));
}

InstanceNumber NewInstances::Add(const std::string& body) {
  const InstanceNumber number = nextNumber;
  assert(number.Valid() && "more new instances than the numbers after the input's largest (see RoomAfter)");
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
