// The new relations of one kind a run writes, each relating one instance (a set, a reference) under
// one name to the elements that received it, in order of first use.
//
//   RelationList relations;
//   relations.Relate(setNumber, "$", elementNumber);   // made on first use
//   for (const RelationList::Relation& r : relations.InOrder()) Write(r);
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "exporter/writer/InstanceIds.h"

namespace Exporter {

class RelationList {
 public:
  struct Relation {
    InstanceNumber relating;
    std::string name;  // STEP text of the relation's Name, or "$"
    std::vector<InstanceNumber> elements;
  };

  // Adds `element` to the relation of `relating` under `name` (unless it was the last one added).
  void Relate(InstanceNumber relating, const std::string& name, InstanceNumber element);

  // The elements of the relation of `relating` under `name`, made empty if there is none.
  std::vector<InstanceNumber>& Elements(InstanceNumber relating, const std::string& name);

  const std::vector<Relation>& InOrder() const noexcept { return relations; }

 private:
  Relation& Get(InstanceNumber relating, const std::string& name);

  std::vector<Relation> relations;
  std::unordered_map<std::string, std::size_t> byKey;
};

}  // namespace Exporter
