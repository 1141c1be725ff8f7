// The relations of an IFC model that the facets follow, gathered in one pass over its relationship
// instances: type objects, property sets, classifications, materials, and the part-of relations
// (aggregation, nesting, spatial containment, grouping, voids and fillings).
//
//   Ids::ModelIndex index(model);
//   Ids::InstanceIndex type = index.TypeOf(wall);                 // invalid when untyped
//   for (Ids::InstanceIndex set : index.PropertySetsOf(wall)) ...  // the occurrence's own
#pragma once

#include <cassert>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "idscheck/check/ModelView.h"

namespace Ids {

enum class PartOfRelation { Aggregates, Nests, Contained, Group, VoidsOrFills };

// A relation as (from, to) pairs sorted by `from`: 8 bytes a link, found by binary search among
// the links of the run of 64 sources `from` is in.
class LinkTable {
 public:
  using Link = std::pair<std::uint32_t, std::uint32_t>;  // a model holds fewer than 2^32 instances

  // The targets of one source, in the order the links were added.
  class Targets {
   public:
    class Iterator {
     public:
      explicit Iterator(const Link* at) noexcept : at(at) {}
      InstanceIndex operator*() const noexcept { return InstanceIndex(at->second); }
      Iterator& operator++() noexcept {
        ++at;
        return *this;
      }
      bool operator!=(const Iterator& other) const noexcept { return at != other.at; }

     private:
      const Link* at;
    };
    Targets(const Link* first, const Link* last) noexcept : first(first), last(last) {}
    Iterator begin() const noexcept { return Iterator(first); }
    Iterator end() const noexcept { return Iterator(last); }
    bool empty() const noexcept { return first == last; }

   private:
    const Link* first;
    const Link* last;
  };

  // Both valid.
  void Add(InstanceIndex from, InstanceIndex to) {
    assert(from.Valid() && to.Valid());
    links.emplace_back(from.Value(), to.Value());
  }
  // Adds the links of `other` after these.
  void Append(const LinkTable& other) { links.insert(links.end(), other.links.begin(), other.links.end()); }
  // Sorts the links; call once after the last Add.
  void Seal();
  Targets Of(InstanceIndex from) const noexcept;

 private:
  static constexpr int kRunBits = 6;
  std::vector<Link> links;
  std::vector<std::uint32_t> runStart;  // by run of 2^RunBits sources: where its links begin
};

class ModelIndex {
 public:
  explicit ModelIndex(const ModelView& model);

  const ModelView& Model() const noexcept { return model; }
  InstanceIndex TypeOf(InstanceIndex object) const noexcept;
  LinkTable::Targets PropertySetsOf(InstanceIndex object) const noexcept { return links.propertySets.Of(object); }
  LinkTable::Targets ClassificationsOf(InstanceIndex object) const noexcept { return links.classifications.Of(object); }
  LinkTable::Targets MaterialsOf(InstanceIndex object) const noexcept { return links.materials.Of(object); }
  // The wholes `part` is directly part of through `relation`.
  LinkTable::Targets WholesOf(InstanceIndex part, PartOfRelation relation) const noexcept {
    assert(static_cast<std::size_t>(relation) < std::size(links.wholes));
    return links.wholes[static_cast<int>(relation)].Of(part);
  }

  // Attribute helpers; unset values and missing attributes read as Null.
  ModelValue Get(InstanceIndex instance, std::string_view attribute) const;
  InstanceIndex GetReference(InstanceIndex instance, std::string_view attribute) const;
  std::vector<InstanceIndex> GetReferences(InstanceIndex instance, std::string_view attribute) const;
  std::string GetText(InstanceIndex instance, std::string_view attribute) const;  // strings, enumerations
  InstanceIndex Resolve(const ModelValue& reference) const noexcept;

  // The entity's upper-case name.
  std::string UpperEntity(InstanceIndex instance) const;
  // The predefined type candidates that the entity facet matches: the occurrence's or, where the type
  // object gives one, the type's; with USERDEFINED both the word and the user's name.
  std::vector<std::string> PredefinedTypes(InstanceIndex instance) const;

 private:
  struct Links {
    LinkTable types, propertySets, classifications, materials;
    LinkTable wholes[5];
    std::vector<LinkTable*> All();
  };
  void AddRelation(Links& to, InstanceIndex relation, int kind) const;  // kind: a Relationship (ModelIndex.cpp)
  void Link(LinkTable& table, InstanceIndex relation, std::string_view from, std::string_view to) const;

  const ModelView& model;
  Links links;
};

}  // namespace Ids
