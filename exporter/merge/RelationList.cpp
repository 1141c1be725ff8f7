#include "exporter/merge/RelationList.h"

namespace Exporter {

RelationList::Relation& RelationList::Get(InstanceNumber relating, const std::string& name) {
  const auto [found, added] = byKey.emplace(std::to_string(relating.Value()) + "," + name, relations.size());
  if (added) {
    relations.push_back(Relation{relating, name, {}});
  }
  return relations[found->second];
}

void RelationList::Relate(InstanceNumber relating, const std::string& name, InstanceNumber element) {
  std::vector<InstanceNumber>& elements = Get(relating, name).elements;
  if (elements.empty() || elements.back() != element) {
    elements.push_back(element);
  }
}

std::vector<InstanceNumber>& RelationList::Elements(InstanceNumber relating, const std::string& name) {
  return Get(relating, name).elements;
}

}  // namespace Exporter
