#include "exporter/merge/AdaptedProperties.h"

#include <algorithm>

#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyListValue.h"
#include "IPL/PropertySingleValue.h"
#include "IPL/PropertyTableValue.h"
#include "exporter/merge/NamedBody.h"
#include "exporter/merge/ValueRules.h"
#include "exporter/writer/InstanceText.h"
#include "exporter/writer/PropertyText.h"
#include "ifc/text/StepText.h"

namespace Exporter {

namespace {

std::string NameText(const KT::UniString& name) {
  std::string out;
  AppendStepString(out, name.GetCodeUnits());
  return out;
}

// Collects the text of values and the first reason why one of them cannot be written.
class ValueWriter {
 public:
  explicit ValueWriter(const Ifc::Schema& schema) : schema(schema) {}

  // "IFCLABEL('x')", or "$" for a value that holds nothing.
  std::string One(const IPL::Value& value) {
    Check(value);
    std::string out;
    std::string warning;
    AppendTypedValue(out, value, warning);
    Note(warning);
    return out;
  }

  // "(v1,v2,...)" of the values that hold something, or "$" for none.
  std::string List(const KT::Array<IPL::Value>& values) {
    std::string out;
    for (const IPL::Value& value : values) {
      if (value.HasValue()) {
        out += (out.empty() ? "(" : ",") + One(value);
      }
    }
    return out.empty() ? std::string("$") : out + ")";
  }

  std::string problem;  // empty while every value can be written
  std::vector<std::string> notes;

 private:
  void Check(const IPL::Value& value) {
    if (problem.empty()) {
      problem = ValueProblem(schema, value);
    }
  }
  void Note(const std::string& warning) {
    if (!warning.empty()) {
      notes.push_back(warning);
    }
  }

  const Ifc::Schema& schema;
};

// What each kind of property is written as, by attribute name.
std::vector<NamedValue> PropertyValues(const IPL::Property& property, InstanceNumber enumeration, ValueWriter& values,
                                       std::string& entity, std::string& problem) {
  std::vector<NamedValue> named{{"Name", NameText(property.GetName())}};
  if (const auto* single = dynamic_cast<const IPL::PropertySingleValue*>(&property)) {
    entity = "IfcPropertySingleValue";
    named.emplace_back("NominalValue", values.One(single->GetNominalValue()));
  } else if (const auto* bounded = dynamic_cast<const IPL::PropertyBoundedValue*>(&property)) {
    entity = "IfcPropertyBoundedValue";
    named.emplace_back("UpperBoundValue", values.One(bounded->GetUpperBoundValue()));
    named.emplace_back("LowerBoundValue", values.One(bounded->GetLowerBoundValue()));
    named.emplace_back("SetPointValue", values.One(bounded->GetSetPointValue()));
  } else if (const auto* list = dynamic_cast<const IPL::PropertyListValue*>(&property)) {
    entity = "IfcPropertyListValue";
    named.emplace_back("ListValues", values.List(list->GetListValues()));
  } else if (const auto* enumerated = dynamic_cast<const IPL::PropertyEnumeratedValue*>(&property)) {
    entity = "IfcPropertyEnumeratedValue";
    named.emplace_back("EnumerationValues", values.List(enumerated->GetEnumerationValues()));
    const IPL::PropertyEnumeration* allowed = enumerated->GetEnumerationReference();
    for (const IPL::Value& value : enumerated->GetEnumerationValues()) {
      if (allowed != nullptr && value.HasValue() && !IsAllowedValue(value, allowed->GetEnumerationValues())) {
        std::string text;
        std::string ignored;
        AppendTypedValue(text, value, ignored);
        problem = "the value " + text + " is not in its enumeration";
        break;
      }
    }
    if (enumeration.Valid()) {
      named.emplace_back("EnumerationReference", Reference(enumeration));
    }
  } else if (const auto* table = dynamic_cast<const IPL::PropertyTableValue*>(&property)) {
    entity = "IfcPropertyTableValue";
    named.emplace_back("DefiningValues", values.List(table->GetDefiningValues()));
    named.emplace_back("DefinedValues", values.List(table->GetDefinedValues()));
    if (table->GetDefiningValues().GetSize() != table->GetDefinedValues().GetSize()) {
      problem = "its defining and defined values differ in number";
    }
  }
  return named;
}

// Warnings for attributes the schema lacks, and the reason when the body cannot be written.
void Explain(const Ifc::Schema& schema, const std::string& entity, const NamedBody& body, AdaptedInstance& adapted) {
  const std::string schemaName(Ifc::SchemaName(schema.Version()));
  for (const std::string& attribute : body.dropped) {
    adapted.warnings.push_back(schemaName + "'s " + entity + " has no " + attribute + "; left out");
  }
  if (!body.missingEntity.empty()) {
    adapted.warnings.push_back(schemaName + " has no " + entity + "; skipped");
  } else if (!body.missingRequired.empty()) {
    adapted.warnings.push_back(schemaName + "'s " + entity + " requires " + body.missingRequired +
                               ", which the contribution leaves open; skipped");
  }
}

}  // namespace

AdaptedInstance AdaptProperty(const Ifc::Schema& schema, const IPL::Property& property, InstanceNumber enumeration) {
  AdaptedInstance adapted;
  ValueWriter values(schema);
  std::string entity;
  std::string problem;
  const std::vector<NamedValue> named = PropertyValues(property, enumeration, values, entity, problem);
  if (entity.empty()) {
    adapted.warnings.push_back("is of no known kind; skipped");
    return adapted;
  }
  adapted.warnings = values.notes;
  if (!values.problem.empty() || !problem.empty()) {
    adapted.warnings.push_back((values.problem.empty() ? problem : values.problem) + "; skipped");
    return adapted;
  }
  const NamedBody body = BuildNamedBody(schema, entity, named);
  Explain(schema, entity, body, adapted);
  // A property whose every value was left out says nothing: not written.
  bool anyValue = false;
  for (std::size_t i = 1; i < named.size(); ++i) {
    const bool dropped = std::find(body.dropped.begin(), body.dropped.end(), named[i].first) != body.dropped.end();
    anyValue = anyValue || (named[i].second != "$" && named[i].first != "EnumerationReference" && !dropped);
  }
  if (body.Ok() && !anyValue) {
    adapted.warnings.push_back("holds no value that " + std::string(Ifc::SchemaName(schema.Version())) +
                               " can take; skipped");
    return adapted;
  }
  adapted.body = body.text;
  return adapted;
}

AdaptedInstance AdaptEnumeration(const Ifc::Schema& schema, const IPL::PropertyEnumeration& enumeration,
                                 const std::u16string& name) {
  AdaptedInstance adapted;
  ValueWriter values(schema);
  const std::string list = values.List(enumeration.GetEnumerationValues());
  adapted.warnings = values.notes;
  if (!values.problem.empty()) {
    adapted.warnings.push_back("its enumeration: " + values.problem + "; skipped");
    return adapted;
  }
  std::string nameText;
  AppendStepString(nameText, name);
  const NamedBody body =
      BuildNamedBody(schema, "IfcPropertyEnumeration", {{"Name", nameText}, {"EnumerationValues", list}});
  Explain(schema, "IfcPropertyEnumeration", body, adapted);
  adapted.body = body.text;
  return adapted;
}

std::string EnumerationValuesText(const IPL::PropertyEnumeration& enumeration) {
  std::string out;
  for (const IPL::Value& value : enumeration.GetEnumerationValues()) {
    std::string warning;
    out += out.empty() ? "(" : ",";
    AppendTypedValue(out, value, warning);
  }
  return out + ")";
}

}  // namespace Exporter
