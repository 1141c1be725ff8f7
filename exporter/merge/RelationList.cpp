#include "RelationList.h"

namespace Exporter {

RelationList::Relation& RelationList::Get(std::uint32_t relating, const std::string& name) {
  const auto [found, added] = byKey.emplace(std::to_string(relating) + "," + name, relations.size());
  if (added) {
    relations.push_back(Relation{relating, name, {}});
  }
  return relations[found->second];
}

void RelationList::Relate(std::uint32_t relating, const std::string& name, std::uint32_t element) {
  std::vector<std::uint32_t>& elements = Get(relating, name).elements;
  if (elements.empty() || elements.back() != element) {
    elements.push_back(element);
  }
}

std::vector<std::uint32_t>& RelationList::Elements(std::uint32_t relating, const std::string& name) {
  return Get(relating, name).elements;
}

}  // namespace Exporter
