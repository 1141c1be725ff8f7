#include "idscheck/check/Facets.h"

#include <cctype>
#include <unordered_set>

#include "idscheck/check/FacetMemo.h"
#include "idscheck/check/Matching.h"
#include "idscheck/check/Tables.h"
#include "idscheck/check/UpperCase.h"

namespace Ids {

namespace {

// No value to IDS: unset, an empty string, a logical UNKNOWN, an empty list or set.
bool IsEmpty(const ModelValue& value) noexcept {
  const ModelValue& inner = value.Unwrapped();
  return inner.IsNull() || inner.kind == ModelValue::Kind::Logical ||
         (inner.kind == ModelValue::Kind::String && inner.text.empty()) ||
         (inner.kind == ModelValue::Kind::List && inner.items.empty());
}

// Why an empty value is empty: "not set", "empty", "UNKNOWN", "an empty list".
std::string EmptyInWords(const ModelValue& value) {
  const ModelValue& inner = value.Unwrapped();
  if (inner.IsNull()) {
    return "not set";
  }
  if (inner.kind == ModelValue::Kind::Logical) {
    return "UNKNOWN";
  }
  return inner.kind == ModelValue::Kind::List ? "an empty list" : "empty";
}

}  // namespace

std::string ValueConstraint::Describe() const {
  switch (kind) {
    case Kind::Absent:
      return "any value";
    case Kind::Simple:
      return "'" + simple + "'";
    case Kind::Restricted:
      break;
  }
  std::string text;
  const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
  if (!restriction.enumerations.empty()) {
    std::string options;
    for (const std::string& option : restriction.enumerations) {
      options += (options.empty() ? "'" : ", '") + option + "'";
    }
    add("one of " + options);
  }
  for (const XmlRegex& pattern : restriction.patterns) {
    add("matching '" + pattern.Pattern() + "'");
  }
  const auto bound = [&add](const char* op, const std::optional<double>& value) {
    if (value) {
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, "%s %.15g", op, *value);
      add(buffer);
    }
  };
  bound(">=", restriction.minInclusive);
  bound(">", restriction.minExclusive);
  bound("<=", restriction.maxInclusive);
  bound("<", restriction.maxExclusive);
  if (restriction.length) {
    add("of length " + std::to_string(*restriction.length));
  }
  if (restriction.minLength) {
    add("of length >= " + std::to_string(*restriction.minLength));
  }
  if (restriction.maxLength) {
    add("of length <= " + std::to_string(*restriction.maxLength));
  }
  return text.empty() ? "any value" : text;
}

const char* CardinalityName(Cardinality cardinality) noexcept {
  switch (cardinality) {
    case Cardinality::Required:
      return "required";
    case Cardinality::Optional:
      return "optional";
    case Cardinality::Prohibited:
      return "prohibited";
  }
  return "required";
}

namespace {

// A parameter in words without quotes around a simple value: "IFCWALL", "one of 'A', 'B'".
std::string Plain(const ValueConstraint& value) {
  return value.kind == ValueConstraint::Kind::Simple ? value.simple : value.Describe();
}

// What a value parameter asks for, "a value" when it is absent: an element has a value or it has none.
std::string ValueOrAny(const ValueConstraint& value) {
  return value.IsPresent() ? value.Describe() : "a value";
}

// "IFCWALL of type SHEAR".
std::string DescribeEntity(const Facet& facet) {
  return Plain(facet.name) + (facet.predefinedType.IsPresent() ? " of type " + Plain(facet.predefinedType) : "");
}

}  // namespace

std::string DescribeFacet(const Facet& facet) {
  const auto plain = Plain;
  switch (facet.kind) {
    case FacetKind::Entity:
      return "entity " + DescribeEntity(facet);
    case FacetKind::Attribute:
      return "attribute " + plain(facet.name);
    case FacetKind::Classification:
      return "classification" + (facet.system.IsPresent() ? " in " + plain(facet.system) : std::string()) +
             (facet.value.IsPresent() ? " " + plain(facet.value) : std::string());
    case FacetKind::Property:
      return plain(facet.propertySet) + "." + plain(facet.baseName);
    case FacetKind::Material:
      return "material" + (facet.value.IsPresent() ? " " + plain(facet.value) : std::string());
    case FacetKind::PartOf:
      return "part of " + DescribeEntity(facet) + (facet.relation.empty() ? std::string() : " by " + facet.relation);
  }
  return "facet";
}

FacetEvaluator::FacetEvaluator(const ModelIndex& index, const ModelUnits& units)
    : index(index), units(units), memo(std::make_unique<FacetMemo>()) {}
FacetEvaluator::FacetEvaluator(FacetEvaluator&&) noexcept = default;
FacetEvaluator::~FacetEvaluator() = default;

FacetOutcome FacetEvaluator::Evaluate(const Facet& facet, InstanceIndex instance, bool asRequirement) const {
  explaining = asRequirement;  // an applicability filter's reasons are never shown
  unchecked.clear();
  Finding finding;
  switch (facet.kind) {
    case FacetKind::Entity:
      finding = Entity(facet, instance);
      break;
    case FacetKind::Attribute:
      finding = Attribute(facet, instance);
      break;
    case FacetKind::Classification:
      finding = Classification(facet, instance);
      break;
    case FacetKind::Property:
      finding = Property(facet, instance);
      break;
    case FacetKind::Material:
      finding = Material(facet, instance);
      break;
    case FacetKind::PartOf:
      finding = PartOf(facet, instance);
      break;
  }
  if (!finding.pass && !unchecked.empty()) {
    return {false, unchecked};  // whatever the cardinality: the model may or may not meet the facet
  }
  const Cardinality cardinality = asRequirement ? facet.cardinality : Cardinality::Required;
  switch (cardinality) {
    case Cardinality::Required:
      return {finding.pass, finding.pass ? std::string() : finding.reason};
    case Cardinality::Optional:
      if (!finding.present || finding.pass) {
        return {true, {}};
      }
      return {false, finding.reason};
    case Cardinality::Prohibited:
      if (!finding.pass) {
        return {true, {}};
      }
      return {false, DescribeFacet(facet) + " is present, but prohibited"};
  }
  return {false, "unknown cardinality"};
}

bool FacetEvaluator::Holds(const MatchOutcome& outcome) const {
  if (!outcome.Checked() && unchecked.empty()) {
    unchecked = outcome.reason;
  }
  return outcome.Matched();
}

bool FacetEvaluator::EntityMatches(const Facet& facet, InstanceIndex instance) const {
  if (!NameMatches(facet, instance)) {
    return false;
  }
  if (!facet.predefinedType.IsPresent()) {
    return true;
  }
  for (const std::string& predefined : index.PredefinedTypes(instance)) {
    if (Holds(MatchesText(facet.predefinedType, predefined))) {
      return true;
    }
  }
  return false;
}

// Outside IFC2X3 the name depends on the entity alone: it is matched once per entity.
bool FacetEvaluator::NameMatches(const Facet& facet, InstanceIndex instance) const {
  const ModelView& model = index.Model();
  if (model.SchemaName() != "IFC2X3") {
    const std::string_view entity = model.UpperEntityName(instance);
    if (facet.name.kind == ValueConstraint::Kind::Simple) {
      return entity == facet.name.simple;
    }
    const auto [known, added] = memo->entityNames.try_emplace(FacetAndEntity{&facet, entity});
    if (added) {
      known->second = MatchesText(facet.name, entity);
    }
    return Holds(known->second);
  }
  std::vector<std::string> names{index.UpperEntity(instance)};
  // IFC2X3 tells some occurrences apart only by their type object: an IfcFlowTerminal typed by an
  // IfcAirTerminalType is an IFCAIRTERMINAL to IDS.
  const InstanceIndex type = index.TypeOf(instance);
  if (model.SchemaName() == "IFC2X3" && type.Valid()) {
    const std::string typeName = index.UpperEntity(type);
    for (std::size_t i = 0; i < Tables::kIfc2x3MappingCount; ++i) {
      const Tables::Ifc2x3MappingRow& row = Tables::kIfc2x3Mapping[i];
      if (Upper(row.occurrence) == names.front() && Upper(row.type) == typeName) {
        names.push_back(Upper(row.idsName));
      }
    }
  }
  bool nameMatches = false;
  for (const std::string& name : names) {
    nameMatches = nameMatches || Holds(MatchesText(facet.name, name));
  }
  return nameMatches;
}

FacetEvaluator::Finding FacetEvaluator::Entity(const Facet& facet, InstanceIndex instance) const {
  Finding finding;
  finding.present = true;
  finding.pass = EntityMatches(facet, instance);
  if (!finding.pass && explaining) {
    const std::vector<std::string> predefined = index.PredefinedTypes(instance);
    finding.reason = "is " + index.UpperEntity(instance) +
                     (predefined.empty() ? std::string() : " of type " + predefined.front()) + ", required " +
                     DescribeEntity(facet);
  }
  return finding;
}

FacetEvaluator::Finding FacetEvaluator::Attribute(const Facet& facet, InstanceIndex instance) const {
  const ModelView& model = index.Model();
  std::vector<std::pair<std::string, ModelValue>> attributes;  // those the name selects, with their values
  ModelValue read;
  if (facet.name.kind == ValueConstraint::Kind::Simple) {
    if (model.Attribute(instance, facet.name.simple, read)) {
      attributes.emplace_back(facet.name.simple, std::move(read));
    }
  } else {
    for (const std::string& name : model.AttributeNames(instance)) {
      if (!Holds(MatchesText(facet.name, name))) {
        continue;
      }
      ModelValue value;  // unset when the instance is written with fewer attributes
      model.Attribute(instance, name, value);
      attributes.emplace_back(name, std::move(value));
    }
  }
  Finding finding;
  if (attributes.empty()) {
    finding.reason = "has no attribute " + Plain(facet.name) + ", required one with " + ValueOrAny(facet.value);
    return finding;
  }
  // A restricted name may select several attributes: one set to a matching value is enough.
  for (const auto& [name, value] : attributes) {
    if (IsEmpty(value)) {
      if (finding.reason.empty()) {
        finding.reason = name + " is " + EmptyInWords(value) + ", required " + ValueOrAny(facet.value);
      }
      continue;
    }
    finding.present = true;
    if (Holds(Matches(facet.value, value))) {
      finding.pass = true;
      finding.reason.clear();
      return finding;
    }
    if (finding.reason.empty() || attributes.size() == 1) {
      finding.reason = name + " is " + DescribeValue(value) + ", required " + facet.value.Describe();
    }
  }
  return finding;
}

namespace {

PartOfRelation RelationOf(const std::string& name) noexcept {
  if (name == "IFCRELAGGREGATES") {
    return PartOfRelation::Aggregates;
  }
  if (name == "IFCRELNESTS") {
    return PartOfRelation::Nests;
  }
  if (name == "IFCRELCONTAINEDINSPATIALSTRUCTURE") {
    return PartOfRelation::Contained;
  }
  if (name == "IFCRELASSIGNSTOGROUP") {
    return PartOfRelation::Group;
  }
  return PartOfRelation::VoidsOrFills;
}

constexpr std::size_t kWholesNamed = 3;

// "nothing", "IFCBUILDINGSTOREY #12, IFCBUILDING #9 and 2 more".
std::string WholesInWords(const ModelIndex& index, const std::vector<InstanceIndex>& wholes) {
  if (wholes.empty()) {
    return "nothing";
  }
  std::string text;
  for (std::size_t i = 0; i < wholes.size() && i < kWholesNamed; ++i) {
    text +=
        (i ? ", " : "") + index.UpperEntity(wholes[i]) + " #" + std::to_string(index.Model().Number(wholes[i]).Value());
  }
  if (wholes.size() > kWholesNamed) {
    text += " and " + std::to_string(wholes.size() - kWholesNamed) + " more";
  }
  return text;
}

}  // namespace

FacetEvaluator::Finding FacetEvaluator::PartOf(const Facet& facet, InstanceIndex instance) const {
  // The relations followed from each whole onwards; containment continues up the spatial aggregation
  // (an element in a storey is in the building that aggregates the storey).
  std::vector<PartOfRelation> first, further;
  if (facet.relation.empty()) {
    first = {PartOfRelation::Aggregates, PartOfRelation::Nests, PartOfRelation::Contained, PartOfRelation::Group,
             PartOfRelation::VoidsOrFills};
    further = first;
  } else {
    first = {RelationOf(facet.relation)};
    further = first;
    if (first.front() == PartOfRelation::Contained) {
      further.push_back(PartOfRelation::Aggregates);
    }
  }
  std::unordered_set<InstanceIndex> seen{instance};
  std::vector<InstanceIndex> pending;
  for (const PartOfRelation relation : first) {
    for (const InstanceIndex whole : index.WholesOf(instance, relation)) {
      pending.push_back(whole);
    }
  }
  Finding finding;
  std::vector<InstanceIndex> wholes;  // those found, for the reason
  while (!pending.empty()) {
    const InstanceIndex whole = pending.back();
    pending.pop_back();
    if (!seen.insert(whole).second) {
      continue;
    }
    finding.present = true;
    if (explaining) {
      wholes.push_back(whole);
    }
    if (EntityMatches(facet, whole)) {
      finding.pass = true;
      return finding;
    }
    for (const PartOfRelation relation : further) {
      for (const InstanceIndex next : index.WholesOf(whole, relation)) {
        pending.push_back(next);
      }
    }
  }
  if (explaining) {
    finding.reason = "is part of " + WholesInWords(index, wholes) + ", required " + DescribeFacet(facet);
  }
  return finding;
}

}  // namespace Ids
