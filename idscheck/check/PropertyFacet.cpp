// The property facet: property sets (and quantity sets) of the occurrence and of its type object,
// the occurrence's properties overriding the type's by name within a set of the same name.
#include "idscheck/check/FacetMemo.h"
#include "idscheck/check/Facets.h"
#include "idscheck/check/Matching.h"

namespace Ids {

namespace {

constexpr const char* kRootAttributes[] = {"GlobalId", "OwnerHistory", "Name", "Description"};

// Whether the instance is of the entity `upper` or a subtype, where `upper` is one of `known`, none of
// which is a subtype of another: an instance of one of them is answered by its name alone, without
// looking the entities up in the schema.
class KindTest {
 public:
  template <std::size_t N>
  KindTest(const ModelView& model, InstanceIndex instance, const char* const (&known)[N])
      : model(model), instance(instance), entity(model.UpperEntityName(instance)) {
    for (const char* name : known) {
      exact = exact || entity == name;
    }
  }
  bool Is(const char* upper) const { return exact ? entity == upper : model.IsSubtypeOf(instance, upper); }

 private:
  const ModelView& model;
  InstanceIndex instance;
  std::string_view entity;
  bool exact = false;
};

constexpr const char* kSetEntities[] = {"IFCPROPERTYSET", "IFCELEMENTQUANTITY"};

void AddSet(const ModelIndex& index, InstanceIndex set, PropertySets& sets) {
  const ModelView& model = index.Model();
  auto& properties = sets[index.GetText(set, "Name")];
  const KindTest kind(model, set, kSetEntities);
  const bool propertySet = kind.Is("IFCPROPERTYSET");
  if (propertySet || kind.Is("IFCELEMENTQUANTITY")) {
    const char* list = propertySet ? "HasProperties" : "Quantities";
    for (const InstanceIndex property : index.GetReferences(set, list)) {
      properties[index.GetText(property, "Name")] = {property, {}};
    }
    return;
  }
  for (const std::string& attribute : model.AttributeNames(set)) {
    bool root = false;
    for (const char* name : kRootAttributes) {
      root = root || attribute == name;
    }
    if (!root) {
      properties[attribute] = {InstanceIndex(), index.Get(set, attribute)};
    }
  }
}

// The instance's own sets added to `sets`, which holds those of its type object.
PropertySets AddOwnSets(const ModelIndex& index, InstanceIndex instance, PropertySets sets) {
  for (const InstanceIndex set : index.GetReferences(instance, "HasPropertySets")) {  // a type object itself
    AddSet(index, set, sets);
  }
  for (const InstanceIndex definition : index.PropertySetsOf(instance)) {
    AddSet(index, definition, sets);
  }
  return sets;
}

struct QuantityKind {
  const char* entity;
  const char* attribute;
  const char* measure;
};
constexpr QuantityKind kQuantities[] = {
    {"IFCQUANTITYLENGTH", "LengthValue", "IFCLENGTHMEASURE"}, {"IFCQUANTITYAREA", "AreaValue", "IFCAREAMEASURE"},
    {"IFCQUANTITYVOLUME", "VolumeValue", "IFCVOLUMEMEASURE"}, {"IFCQUANTITYCOUNT", "CountValue", "IFCCOUNTMEASURE"},
    {"IFCQUANTITYWEIGHT", "WeightValue", "IFCMASSMEASURE"},   {"IFCQUANTITYTIME", "TimeValue", "IFCTIMEMEASURE"},
    {"IFCQUANTITYNUMBER", "NumberValue", "IFCNUMERICMEASURE"}};

constexpr const char* kPropertyEntities[] = {
    "IFCPROPERTYSINGLEVALUE", "IFCPROPERTYENUMERATEDVALUE", "IFCPROPERTYLISTVALUE", "IFCPROPERTYBOUNDEDVALUE",
    "IFCPROPERTYTABLEVALUE",  "IFCQUANTITYLENGTH",          "IFCQUANTITYAREA",      "IFCQUANTITYVOLUME",
    "IFCQUANTITYCOUNT",       "IFCQUANTITYWEIGHT",          "IFCQUANTITYTIME",      "IFCQUANTITYNUMBER"};

// The values a property holds, unset ones left out; false for kinds of property IDS cannot check.
bool ValuesOf(const ModelIndex& index, const PropertyEntry& entry, std::vector<ModelValue>& values,
              std::string& unsupported) {
  const auto add = [&values](const ModelValue& value) {
    if (value.kind == ModelValue::Kind::List) {
      for (const ModelValue& item : value.items) {
        values.push_back(item);
      }
    } else if (!value.IsNull()) {
      values.push_back(value);
    }
  };
  if (!entry.property.Valid()) {
    add(entry.direct);
    return true;
  }
  const ModelView& model = index.Model();
  const InstanceIndex property = entry.property;
  const KindTest is(model, property, kPropertyEntities);
  if (is.Is("IFCPROPERTYSINGLEVALUE")) {
    add(index.Get(property, "NominalValue"));
  } else if (is.Is("IFCPROPERTYENUMERATEDVALUE")) {
    add(index.Get(property, "EnumerationValues"));
  } else if (is.Is("IFCPROPERTYLISTVALUE")) {
    add(index.Get(property, "ListValues"));
  } else if (is.Is("IFCPROPERTYBOUNDEDVALUE")) {
    for (const char* bound : {"UpperBoundValue", "LowerBoundValue", "SetPointValue"}) {
      add(index.Get(property, bound));
    }
  } else if (is.Is("IFCPROPERTYTABLEVALUE")) {
    add(index.Get(property, "DefiningValues"));
    add(index.Get(property, "DefinedValues"));
  } else {
    for (const QuantityKind& kind : kQuantities) {
      if (is.Is(kind.entity)) {
        const ModelValue value = index.Get(property, kind.attribute);
        if (!value.IsNull()) {
          values.push_back(ModelValue::Typed(kind.measure, value));
        }
        return true;
      }
    }
    unsupported = std::string(model.EntityName(property));
    return false;
  }
  return true;
}

// "a value" or what the facet's value parameter asks for, with its data type: "'EI 60' of type IFCLABEL".
std::string RequiredValue(const Facet& facet) {
  const std::string value = facet.value.IsPresent() ? facet.value.Describe() : "a value";
  return facet.dataType.empty() ? value : value + " of type " + facet.dataType;
}

// ", required ..." when the facet asks for a value or a data type, else nothing.
std::string RequiredIfAsked(const Facet& facet) {
  return facet.value.IsPresent() || !facet.dataType.empty() ? ", required " + RequiredValue(facet) : std::string();
}

// No value to IDS: unset, an empty string or a logical UNKNOWN.
bool IsEmptyValue(const ModelValue& value) noexcept {
  const ModelValue& inner = value.Unwrapped();
  return inner.IsNull() || inner.kind == ModelValue::Kind::Logical ||
         (inner.kind == ModelValue::Kind::String && inner.text.empty());
}

}  // namespace

// A type object's sets are read once: many occurrences share them.
const PropertySets& FacetEvaluator::TypeSetsOf(InstanceIndex type) const {
  std::shared_ptr<PropertySets>& sets = memo->typeSets[type];
  if (!sets) {
    sets = std::make_shared<PropertySets>();
    for (const InstanceIndex set : index.GetReferences(type, "HasPropertySets")) {
      AddSet(index, set, *sets);
    }
  }
  return *sets;
}

const PropertySets& FacetEvaluator::PropertySetsOf(InstanceIndex instance) const {
  if (!memo->sets || memo->setsOf != instance) {
    const InstanceIndex type = index.TypeOf(instance);
    memo->sets =
        std::make_shared<PropertySets>(AddOwnSets(index, instance, !type.Valid() ? PropertySets() : TypeSetsOf(type)));
    memo->setsOf = instance;
  }
  return *memo->sets;
}

FacetEvaluator::Finding FacetEvaluator::Property(const Facet& facet, InstanceIndex instance) const {
  Finding finding;
  const PropertySets& sets = PropertySetsOf(instance);
  const auto fail = [&finding](std::string reason) {
    if (finding.pass || finding.reason.empty()) {
      finding.reason = std::move(reason);
    }
    finding.pass = false;
  };
  bool anySet = false;
  finding.pass = true;
  for (const auto& [setName, properties] : sets) {
    if (!Holds(MatchesText(facet.propertySet, setName))) {
      continue;
    }
    anySet = true;
    bool anyProperty = false;
    for (const auto& [propertyName, entry] : properties) {
      if (!Holds(MatchesText(facet.baseName, propertyName))) {
        continue;
      }
      anyProperty = true;
      const auto where = [&set = setName, &property = propertyName] { return set + "." + property; };
      std::vector<ModelValue> values;
      std::string unsupported;
      if (!ValuesOf(index, entry, values, unsupported)) {
        finding.present = true;
        fail(where() + " is an " + unsupported + ", which IDS cannot check, required " + RequiredValue(facet));
        continue;
      }
      std::vector<ModelValue*> filled;
      for (ModelValue& value : values) {
        if (!IsEmptyValue(value)) {
          filled.push_back(&value);
        }
      }
      // A property without a value is one the element does not have.
      if (filled.empty()) {
        fail(where() + " has " + (values.empty() ? "no value" : "the value " + DescribeValue(values.front())) +
             ", required " + RequiredValue(facet));
        continue;
      }
      finding.present = true;
      // Of the values (a list, table or bounded property has several), those of the data type asked
      // for count, and one of them meeting the value is enough.
      std::vector<ModelValue*> typed;
      for (ModelValue* value : filled) {
        if (facet.dataType.empty() || (value->kind == ModelValue::Kind::Typed && value->text == facet.dataType) ||
            value->kind != ModelValue::Kind::Typed) {
          typed.push_back(value);
        }
      }
      if (typed.empty()) {
        fail(where() + " is " + DescribeValue(*filled.front()) + ", required of type " + facet.dataType);
        continue;
      }
      bool anyMatch = false;
      for (ModelValue* value : typed) {
        if (value->kind == ModelValue::Kind::Typed && value->items.front().kind == ModelValue::Kind::Real) {
          value->items.front().real = units.ToSi(value->text, value->items.front().real);
        }
        anyMatch = anyMatch || Holds(Matches(facet.value, *value));
      }
      if (!anyMatch) {
        fail(where() + " is " + DescribeValue(*typed.front()) + ", required " + facet.value.Describe());
      }
    }
    if (!anyProperty) {
      fail(setName + "." +
           (facet.baseName.kind == ValueConstraint::Kind::Simple ? facet.baseName.simple : facet.baseName.Describe()) +
           " is missing" + RequiredIfAsked(facet));
    }
  }
  if (!anySet) {
    fail(DescribeFacet(facet) + " is missing" + RequiredIfAsked(facet));
  }
  return finding;
}

}  // namespace Ids
