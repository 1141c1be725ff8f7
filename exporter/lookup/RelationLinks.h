// Which relations list an object on their related side: the element look-up's index of the file's
// type, containment, aggregation and property relations, built from those relations alone (a file's
// relations are few beside its instances).
//
//   const RelationLinks links(model);
//   for (const RelationLinks::Link& link : links.Of(wall))        // in the file order of the relations
//     if (link.kind == RelationLinks::Kind::Type) type = link.relating[0];
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ifc/step/Model.h"

namespace Exporter {

// Appends the instance numbers in a reference, or in an aggregate of references, typed or not (IFC4
// writes a set of property sets as IFCPROPERTYSETDEFINITIONSET((#1,#2))).
void ReferencesIn(const Ifc::Value& value, std::vector<Ifc::InstanceNumber>& out);

class RelationLinks {
 public:
  enum class Kind : std::uint8_t { Type, Container, Aggregate, Properties };

  struct Link {
    Kind kind;
    // The relation's relating side (one instance, or IFC4's typed set of property sets), never empty;
    // valid while the index lives.
    const Ifc::InstanceNumber* relating;
    std::size_t relatingCount;
  };

  // Reads the relations of `model`, which must outlive this index.
  explicit RelationLinks(const Ifc::Model& model);

  // The relations that list `object` among their related objects, each once, in file order; a
  // relation with nothing on its relating side, or with the object there too, is left out.
  std::vector<Link> Of(Ifc::InstanceIndex object) const;

 private:
  struct Relation {
    Kind kind;
    std::uint32_t firstRelating;  // in `relatingPool`
    std::uint32_t relatingCount;
  };
  struct Entry {  // one object listed by one relation
    std::uint32_t object;
    std::uint32_t relation;  // in `relations`
  };

  void Add(Kind kind, Ifc::InstanceIndex relation, const char* relating, const char* related);

  const Ifc::Model& model;
  std::vector<Relation> relations;
  std::vector<Ifc::InstanceNumber> relatingPool;
  std::vector<Entry> entries;  // by object, then in file order of the relations
};

}  // namespace Exporter
