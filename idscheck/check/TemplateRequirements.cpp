#include "idscheck/check/TemplateRequirements.h"

#include <map>
#include <optional>

#include "idscheck/check/ModelIndex.h"
#include "ifc/psets/TemplateCheck.h"

namespace Ids {

namespace {

struct QuantityMeasure {
  const char* entity;
  const char* attribute;
  const char* measure;
};
constexpr QuantityMeasure kQuantities[] = {
    {"IFCQUANTITYLENGTH", "LengthValue", "IfcLengthMeasure"}, {"IFCQUANTITYAREA", "AreaValue", "IfcAreaMeasure"},
    {"IFCQUANTITYVOLUME", "VolumeValue", "IfcVolumeMeasure"}, {"IFCQUANTITYCOUNT", "CountValue", "IfcCountMeasure"},
    {"IFCQUANTITYWEIGHT", "WeightValue", "IfcMassMeasure"},   {"IFCQUANTITYTIME", "TimeValue", "IfcTimeMeasure"},
    {"IFCQUANTITYNUMBER", "NumberValue", "IfcNumericMeasure"}};

void AddValue(Ifc::GivenProperty& given, const ModelValue& value) {
  if (value.kind == ModelValue::Kind::List) {
    for (const ModelValue& item : value.items) {
      AddValue(given, item);
    }
    return;
  }
  if (value.kind != ModelValue::Kind::Typed || value.Unwrapped().IsNull()) {
    return;  // unset, or a value without a type: nothing to check
  }
  given.valueTypes.push_back(value.text);
  if (value.text == "IFCLABEL" && value.Unwrapped().kind == ModelValue::Kind::String) {
    given.labels.push_back(value.Unwrapped().text);
  }
}

Ifc::GivenProperty Given(const ModelIndex& index, InstanceIndex property) {
  Ifc::GivenProperty given;
  given.name = index.GetText(property, "Name");
  const std::string_view entity = index.Model().UpperEntityName(property);
  if (entity == "IFCPROPERTYSINGLEVALUE") {
    AddValue(given, index.Get(property, "NominalValue"));
  } else if (entity == "IFCPROPERTYENUMERATEDVALUE") {
    given.kind = Ifc::GivenKind::Enumerated;
    AddValue(given, index.Get(property, "EnumerationValues"));
  } else if (entity == "IFCPROPERTYBOUNDEDVALUE") {
    given.kind = Ifc::GivenKind::Bounded;
    for (const char* bound : {"UpperBoundValue", "LowerBoundValue", "SetPointValue"}) {
      AddValue(given, index.Get(property, bound));
    }
  } else if (entity == "IFCPROPERTYLISTVALUE") {
    given.kind = Ifc::GivenKind::List;
    AddValue(given, index.Get(property, "ListValues"));
  } else {
    given.kind = Ifc::GivenKind::Other;
    for (const QuantityMeasure& quantity : kQuantities) {
      if (entity == quantity.entity) {
        given.kind = Ifc::GivenKind::Quantity;
        if (!index.Get(property, quantity.attribute).IsNull()) {
          given.valueTypes.emplace_back(quantity.measure);
        }
      }
    }
  }
  return given;
}

class TemplateRun {
 public:
  TemplateRun(const ModelView& model, const Ifc::Schema& schema) : index(model), schema(schema), check(schema) {}

  void CheckObject(InstanceIndex object, std::vector<std::string>& notes) {
    std::vector<InstanceIndex> sets = index.GetReferences(object, "HasPropertySets");  // a type object's own
    for (const InstanceIndex set : index.PropertySetsOf(object)) {
      sets.push_back(set);
    }
    for (const InstanceIndex set : sets) {
      CheckSet(object, set, notes);
    }
  }

  std::vector<SpecificationResult> Results() {
    std::vector<SpecificationResult> results;
    for (auto& [name, specification] : specifications) {
      specification.failed = specification.failures.size();
      specification.passed = specification.applicable - specification.failed;
      specification.passes = specification.failed == 0;
      results.push_back(std::move(specification));
    }
    return results;
  }

 private:
  void CheckSet(InstanceIndex object, InstanceIndex set, std::vector<std::string>& notes) {
    const std::string name = index.GetText(set, "Name");
    if (!Ifc::IsStandardSetName(name)) {
      return;
    }
    const std::string schemaName(Ifc::SchemaName(schema.Version()));
    if (!check.Checks(name)) {
      if (!quantitiesNoted) {
        notes.push_back("Qto_ sets are not checked: the " + schemaName + " templates have no quantity sets");
        quantitiesNoted = true;
      }
      return;
    }
    const bool quantities = index.Model().UpperEntityName(set) == "IFCELEMENTQUANTITY";
    std::vector<Ifc::GivenProperty> given;
    for (const InstanceIndex property : index.GetReferences(set, quantities ? "Quantities" : "HasProperties")) {
      given.push_back(Given(index, property));
    }
    const Ifc::EntityId entity = schema.FindEntity(index.Model().EntityName(object));
    SpecificationResult& specification = Specification(name, schemaName);
    const auto [last, first] = lastObject.try_emplace(name, object);
    const bool again = !first && last->second == object;  // a second set of this name on the object
    last->second = object;
    specification.applicable += again ? 0 : 1;
    const std::vector<Ifc::TemplateMismatch> mismatches = check.Check(entity, name, given);
    if (mismatches.empty()) {
      return;
    }
    if (again && !specification.failures.empty() &&
        specification.failures.back().instance == index.Model().Number(object)) {
      for (const Ifc::TemplateMismatch& mismatch : mismatches) {
        specification.failures.back().reasons.push_back(mismatch.Text(schemaName, "the model has"));
      }
      return;
    }
    ElementFailure failure;
    failure.instance = index.Model().Number(object);
    failure.globalId = index.GetText(object, "GlobalId");
    failure.entity = std::string(index.Model().EntityName(object));
    failure.name = index.GetText(object, "Name");
    for (const Ifc::TemplateMismatch& mismatch : mismatches) {
      failure.reasons.push_back(mismatch.Text(schemaName, "the model has"));
    }
    specification.failures.push_back(std::move(failure));
  }

  SpecificationResult& Specification(const std::string& name, const std::string& schemaName) {
    auto [at, added] = specifications.try_emplace(name);
    if (added) {
      at->second.idsFile = kTemplatesSource;
      at->second.name = name;
      at->second.description = "the " + schemaName + " template of " + name + " (buildingSMART)";
      at->second.ifcVersions = schemaName;
      at->second.cardinality = "optional";
    }
    return at->second;
  }

  ModelIndex index;
  const Ifc::Schema& schema;
  Ifc::TemplateCheck check;
  std::map<std::string, SpecificationResult> specifications;
  std::map<std::string, InstanceIndex> lastObject;  // per set name, the object last counted
  bool quantitiesNoted = false;
};

}  // namespace

std::vector<SpecificationResult> CheckTemplates(const ModelView& model, std::vector<std::string>& notes) {
  const std::optional<Ifc::SchemaVersion> version = Ifc::FindSchemaVersion(model.SchemaName());
  if (!version) {
    notes.push_back("no templates for the schema " + std::string(model.SchemaName()));
    return {};
  }
  TemplateRun run(model, Ifc::Schema::Get(*version));
  for (const InstanceIndex object : model.InstancesOf("IFCOBJECTDEFINITION", false)) {
    run.CheckObject(object, notes);
  }
  return run.Results();
}

}  // namespace Ids
