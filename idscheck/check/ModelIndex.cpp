#include "idscheck/check/ModelIndex.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <thread>

namespace Ids {

namespace {

// The relationships the index follows, by entity (none a subtype of another).
enum class Relationship {
  Type,
  Properties,
  Classification,
  Material,
  Aggregates,
  Nests,
  Contained,
  Group,
  Voids,
  Fills
};
constexpr std::pair<const char*, Relationship> kRelationships[] = {
    {"IFCRELDEFINESBYTYPE", Relationship::Type},
    {"IFCRELDEFINESBYPROPERTIES", Relationship::Properties},
    {"IFCRELASSOCIATESCLASSIFICATION", Relationship::Classification},
    {"IFCRELASSOCIATESMATERIAL", Relationship::Material},
    {"IFCRELAGGREGATES", Relationship::Aggregates},
    {"IFCRELNESTS", Relationship::Nests},
    {"IFCRELCONTAINEDINSPATIALSTRUCTURE", Relationship::Contained},
    {"IFCRELASSIGNSTOGROUP", Relationship::Group},
    {"IFCRELVOIDSELEMENT", Relationship::Voids},
    {"IFCRELFILLSELEMENT", Relationship::Fills}};

}  // namespace

ModelIndex::ModelIndex(const ModelView& model) : model(model) {
  // Every relationship in file order, so that each object's links keep the file's order.
  std::vector<std::pair<InstanceIndex, Relationship>> relations;
  for (const auto& [entity, kind] : kRelationships) {
    const auto before = static_cast<std::ptrdiff_t>(relations.size());
    for (const InstanceIndex relation : model.InstancesOf(entity, false)) {
      relations.emplace_back(relation, kind);
    }
    std::inplace_merge(relations.begin(), relations.begin() + before, relations.end());  // each in file order
  }
  // Many relations are read in two halves at once, the first one's links put before the second's.
  constexpr std::size_t kRelationsWorthAThread = 4096;
  const std::size_t half =
      relations.size() >= kRelationsWorthAThread && std::thread::hardware_concurrency() > 1 ? relations.size() / 2 : 0;
  const auto add = [this, &relations](Links& to, std::size_t begin, std::size_t end) {
    for (std::size_t r = begin; r < end; ++r) {
      AddRelation(to, relations[r].first, static_cast<int>(relations[r].second));
    }
  };
  Links first;
  std::thread firstHalf;
  if (half > 0) {
    firstHalf = std::thread(add, std::ref(first), 0, half);
  }
  Links second;
  add(second, half, relations.size());
  // Resources (materials, profiles) take classification references through this relation.
  for (const InstanceIndex relation : model.InstancesOf("IFCEXTERNALREFERENCERELATIONSHIP", false)) {
    Link(second.classifications, relation, "RelatedResourceObjects", "RelatingReference");
  }
  if (firstHalf.joinable()) {
    firstHalf.join();
  }
  const std::vector<LinkTable*> tables = links.All();
  const std::vector<LinkTable*> firstTables = first.All();
  const std::vector<LinkTable*> secondTables = second.All();
  for (std::size_t t = 0; t < tables.size(); ++t) {
    *tables[t] = std::move(*firstTables[t]);
    tables[t]->Append(*secondTables[t]);
    tables[t]->Seal();
  }
}

std::vector<LinkTable*> ModelIndex::Links::All() {
  return {&types,     &propertySets, &classifications, &materials, &wholes[0],
          &wholes[1], &wholes[2],    &wholes[3],       &wholes[4]};
}

void LinkTable::Seal() {
  std::stable_sort(links.begin(), links.end(), [](const Link& a, const Link& b) { return a.first < b.first; });
  links.shrink_to_fit();
  const std::size_t runs = links.empty() ? 0 : (links.back().first >> kRunBits) + 1;
  runStart.assign(runs + 1, 0);
  std::size_t at = 0;
  for (std::size_t run = 0; run <= runs; ++run) {
    while (at < links.size() && (links[at].first >> kRunBits) < run) {
      ++at;
    }
    runStart[run] = static_cast<std::uint32_t>(at);
  }
}

LinkTable::Targets LinkTable::Of(InstanceIndex from) const noexcept {
  const std::size_t run = from.Value() >> kRunBits;
  if (!from.Valid() || run + 1 >= runStart.size()) {
    return Targets(nullptr, nullptr);  // none, or past the last source
  }
  const Link* first = links.data() + runStart[run];
  const Link* last = links.data() + runStart[run + 1];
  const auto range = std::equal_range(first, last, Link(from.Value(), 0),
                                      [](const Link& a, const Link& b) { return a.first < b.first; });
  return Targets(range.first, range.second);
}

void ModelIndex::Link(LinkTable& table, InstanceIndex relation, std::string_view from, std::string_view to) const {
  const InstanceIndex target = GetReference(relation, to);
  if (!target.Valid()) {
    return;
  }
  for (const InstanceIndex source : GetReferences(relation, from)) {
    table.Add(source, target);
  }
}

void ModelIndex::AddRelation(Links& to, InstanceIndex relation, int kind) const {
  const auto whole = [&to](PartOfRelation part) -> LinkTable& { return to.wholes[static_cast<int>(part)]; };
  switch (static_cast<Relationship>(kind)) {
    case Relationship::Type:
      return Link(to.types, relation, "RelatedObjects", "RelatingType");
    case Relationship::Properties: {
      // IFC4 lets one relation carry a set of property sets.
      const std::vector<InstanceIndex> definitions = GetReferences(relation, "RelatingPropertyDefinition");
      for (const InstanceIndex object : GetReferences(relation, "RelatedObjects")) {
        for (const InstanceIndex definition : definitions) {
          to.propertySets.Add(object, definition);
        }
      }
      return;
    }
    case Relationship::Classification:
      return Link(to.classifications, relation, "RelatedObjects", "RelatingClassification");
    case Relationship::Material:
      return Link(to.materials, relation, "RelatedObjects", "RelatingMaterial");
    case Relationship::Aggregates:
      return Link(whole(PartOfRelation::Aggregates), relation, "RelatedObjects", "RelatingObject");
    case Relationship::Nests:
      return Link(whole(PartOfRelation::Nests), relation, "RelatedObjects", "RelatingObject");
    case Relationship::Contained:
      return Link(whole(PartOfRelation::Contained), relation, "RelatedElements", "RelatingStructure");
    case Relationship::Group:
      return Link(whole(PartOfRelation::Group), relation, "RelatedObjects", "RelatingGroup");
    case Relationship::Voids:
      return Link(whole(PartOfRelation::VoidsOrFills), relation, "RelatedOpeningElement", "RelatingBuildingElement");
    case Relationship::Fills:
      return Link(whole(PartOfRelation::VoidsOrFills), relation, "RelatedBuildingElement", "RelatingOpeningElement");
  }
}

InstanceIndex ModelIndex::TypeOf(InstanceIndex object) const noexcept {
  const LinkTable::Targets found = links.types.Of(object);
  return found.empty() ? InstanceIndex() : *found.begin();
}

ModelValue ModelIndex::Get(InstanceIndex instance, std::string_view attribute) const {
  ModelValue value;
  if (!instance.Valid() || !model.Attribute(instance, attribute, value)) {
    return ModelValue::Null();
  }
  return value;
}

InstanceIndex ModelIndex::Resolve(const ModelValue& reference) const noexcept {
  return reference.kind == ModelValue::Kind::Reference ? model.FindByNumber(reference.reference) : InstanceIndex();
}

InstanceIndex ModelIndex::GetReference(InstanceIndex instance, std::string_view attribute) const {
  return Resolve(Get(instance, attribute));
}

std::vector<InstanceIndex> ModelIndex::GetReferences(InstanceIndex instance, std::string_view attribute) const {
  std::vector<InstanceIndex> result;
  if (instance.Valid()) {
    model.References(instance, attribute, result);
  }
  return result;
}

std::string ModelIndex::GetText(InstanceIndex instance, std::string_view attribute) const {
  ModelValue read = Get(instance, attribute);
  // The text is moved out of the value read, which goes right after.
  ModelValue& value = read.Unwrapped();
  const bool textual = value.kind == ModelValue::Kind::String || value.kind == ModelValue::Kind::Enumeration;
  return textual ? std::move(value.text) : std::string();
}

std::string ModelIndex::UpperEntity(InstanceIndex instance) const {
  return std::string(model.UpperEntityName(instance));
}

namespace {

// The user's name for a USERDEFINED predefined type: ObjectType on occurrences, ElementType or
// ProcessType on type objects.
std::string UserDefinedName(const ModelIndex& index, InstanceIndex instance) {
  for (const char* attribute : {"ObjectType", "ElementType", "ProcessType"}) {
    const std::string name = index.GetText(instance, attribute);
    if (!name.empty()) {
      return name;
    }
  }
  return {};
}

void AddPredefined(const ModelIndex& index, InstanceIndex instance, const std::string& predefined,
                   std::vector<std::string>& out) {
  out.push_back(predefined);
  if (predefined == "USERDEFINED") {
    const std::string name = UserDefinedName(index, instance);
    if (!name.empty()) {
      out.push_back(name);
    }
  }
}

}  // namespace

std::vector<std::string> ModelIndex::PredefinedTypes(InstanceIndex instance) const {
  std::vector<std::string> result;
  const InstanceIndex type = TypeOf(instance);
  const std::string typePredefined = type.Valid() ? GetText(type, "PredefinedType") : std::string();
  if (!typePredefined.empty() && typePredefined != "NOTDEFINED") {
    AddPredefined(*this, type, typePredefined, result);
    return result;
  }
  const std::string own = GetText(instance, "PredefinedType");
  if (!own.empty()) {
    AddPredefined(*this, instance, own, result);
  }
  return result;
}

}  // namespace Ids
