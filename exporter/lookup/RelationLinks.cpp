#include "exporter/lookup/RelationLinks.h"

#include <algorithm>

namespace Exporter {

using Ifc::InstanceIndex;
using Ifc::InstanceNumber;
using Ifc::Value;

void ReferencesIn(const Value& value, std::vector<InstanceNumber>& out) {
  if (value.kind == Value::Kind::Reference) {
    out.push_back(value.reference);
  }
  if (value.kind == Value::Kind::List || value.kind == Value::Kind::Typed) {
    for (const Value& item : value.items) {
      ReferencesIn(item, out);
    }
  }
}

namespace {

struct KindName {
  const char* entity;
  const char* relating;
  const char* related;
};

// In the order a relation's kind is decided: IFC2X3 derives its type relation from its property
// relation, so the type relation comes first.
constexpr KindName kKinds[] = {
    {"IfcRelDefinesByType", "RelatingType", "RelatedObjects"},
    {"IfcRelContainedInSpatialStructure", "RelatingStructure", "RelatedElements"},
    {"IfcRelAggregates", "RelatingObject", "RelatedObjects"},
    {"IfcRelDefinesByProperties", "RelatingPropertyDefinition", "RelatedObjects"},
};

}  // namespace

RelationLinks::RelationLinks(const Ifc::Model& model) : model(model) {
  const auto& schema = model.GetSchema();
  Ifc::EntityId kindEntities[std::size(kKinds)];
  std::vector<InstanceIndex> all;
  for (std::size_t kind = 0; kind < std::size(kKinds); ++kind) {
    kindEntities[kind] = schema.FindEntity(kKinds[kind].entity);
    if (kindEntities[kind].Valid()) {
      const std::vector<InstanceIndex> some = model.InstancesOf(kindEntities[kind]);
      all.insert(all.end(), some.begin(), some.end());
    }
  }
  std::sort(all.begin(), all.end());  // file order, as indexes follow it
  all.erase(std::unique(all.begin(), all.end()), all.end());
  for (const InstanceIndex relation : all) {
    for (std::size_t kind = 0; kind < std::size(kKinds); ++kind) {
      if (schema.IsSubtypeOf(model.Entity(relation), kindEntities[kind])) {
        Add(static_cast<Kind>(kind), relation, kKinds[kind].relating, kKinds[kind].related);
        break;
      }
    }
  }
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.object < b.object; });
}

void RelationLinks::Add(Kind kind, InstanceIndex relation, const char* relating, const char* related) {
  const auto first = static_cast<std::uint32_t>(relatingPool.size());
  if (const std::optional<Value> value = model.Attribute(relation, relating)) {
    ReferencesIn(*value, relatingPool);
  }
  std::vector<InstanceNumber> numbers;
  if (const std::optional<Value> value = model.Attribute(relation, related)) {
    ReferencesIn(*value, numbers);
  }
  std::vector<std::uint32_t> objects;
  for (const InstanceNumber number : numbers) {
    const InstanceIndex object = model.Find(number);
    if (object.Valid()) {
      objects.push_back(object.Value());
    }
  }
  std::sort(objects.begin(), objects.end());
  objects.erase(std::unique(objects.begin(), objects.end()), objects.end());
  const auto ordinal = static_cast<std::uint32_t>(relations.size());
  relations.push_back(Relation{kind, first, static_cast<std::uint32_t>(relatingPool.size()) - first});
  for (const std::uint32_t object : objects) {
    entries.push_back(Entry{object, ordinal});
  }
}

std::vector<RelationLinks::Link> RelationLinks::Of(InstanceIndex object) const {
  const auto lower = std::lower_bound(entries.begin(), entries.end(), object.Value(),
                                      [](const Entry& entry, std::uint32_t value) { return entry.object < value; });
  const InstanceNumber number = model.Number(object);
  std::vector<Link> links;
  for (auto entry = lower; entry != entries.end() && entry->object == object.Value(); ++entry) {
    const Relation& relation = relations[entry->relation];
    const InstanceNumber* begin = relatingPool.data() + relation.firstRelating;
    const InstanceNumber* end = begin + relation.relatingCount;
    if (begin != end && std::find(begin, end, number) == end) {
      links.push_back(Link{relation.kind, begin, relation.relatingCount});
    }
  }
  return links;
}

}  // namespace Exporter
