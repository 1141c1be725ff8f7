#include "exporter/merge/SchemaAdaptation.h"

#include <cstdlib>

#include "exporter/merge/NamedBody.h"
#include "exporter/writer/InstanceText.h"
#include "ifc/text/StepText.h"

namespace Exporter {

namespace {

std::string Text(const KT::UniString& text) {
  std::string out;
  AppendStepString(out, text.GetCodeUnits());
  return out;
}

std::string Optional(const KT::Optional<KT::UniString>& text) {
  return text.HasValue() ? Text(text.Get()) : std::string("$");
}

std::string SchemaNameOf(const Ifc::Schema& schema) {
  return std::string(Ifc::SchemaName(schema.Version()));
}

void Explain(const Ifc::Schema& schema, const std::string& entity, const NamedBody& body,
             std::vector<std::string>& warnings) {
  for (const std::string& attribute : body.dropped) {
    warnings.push_back(SchemaNameOf(schema) + "'s " + entity + " has no " + attribute + "; left out");
  }
}

// "YYYY-MM-DD" as day, month and year; empty when the text is no such date.
std::optional<std::vector<int>> ParseDate(const KT::UniString& text) {
  const std::string date = text.ToUTF8();
  if (date.size() < 10 || date[4] != '-' || date[7] != '-') {
    return std::nullopt;
  }
  for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (date[i] < '0' || date[i] > '9') {
      return std::nullopt;
    }
  }
  const int year = std::atoi(date.substr(0, 4).c_str());
  const int month = std::atoi(date.substr(5, 2).c_str());
  const int day = std::atoi(date.substr(8, 2).c_str());
  if (month < 1 || month > 12 || day < 1 || day > 31) {
    return std::nullopt;
  }
  return std::vector<int>{day, month, year};
}

// The EditionDate in the form the schema's attribute type asks for: a string, or a date entity.
std::string EditionDate(const Ifc::Schema& schema, const IPL::Classification& classification, const EmitInstance& emit,
                        std::vector<std::string>& warnings) {
  const KT::Optional<KT::UniString>& date = classification.GetEditionDate();
  const Ifc::EntityId entity = schema.FindEntity("IfcClassification");
  const Ifc::AttributeSlot slot = schema.FindAttribute(entity, "EditionDate");
  if (!date.HasValue() || !slot.Valid()) {
    return Optional(date);
  }
  const std::string type = schema.Attribute(entity, slot).type;
  if (!schema.FindEntity(type).Valid()) {
    return Text(date.Get());
  }
  const auto parts = ParseDate(date.Get());
  const NamedBody body = parts ? BuildNamedBody(schema, type,
                                                {{"DayComponent", std::to_string((*parts)[0])},
                                                 {"MonthComponent", std::to_string((*parts)[1])},
                                                 {"YearComponent", std::to_string((*parts)[2])}})
                               : NamedBody{};
  if (!body.Ok()) {
    warnings.push_back("the classification's EditionDate '" + date.Get().ToUTF8() + "' cannot be written as " +
                       SchemaNameOf(schema) + "'s " + type + "; left out");
    return "$";
  }
  return Reference(emit(body.text));
}

}  // namespace

std::optional<GroupEntity> AdaptGroupEntity(const Ifc::Schema& schema, IPL::IFCType type) {
  // The add-on's group types are IFC4 entities; their IFC4 supertypes give the stand-ins.
  const Ifc::Schema& ifc4 = Ifc::Schema::Get(Ifc::SchemaVersion::Ifc4);
  const Ifc::EntityId group = ifc4.FindEntity("IfcGroup");
  const std::string_view name = IPL::GetIFCTypeName(type);
  Ifc::EntityId entity = name.empty() ? Ifc::EntityId{} : ifc4.FindEntity(name);
  if (!ifc4.IsSubtypeOf(entity, group)) {
    return std::nullopt;
  }
  for (; entity.Valid(); entity = ifc4.Supertype(entity)) {
    const Ifc::EntityId there = schema.FindEntity(ifc4.Name(entity));
    if (there.Valid() && !schema.IsAbstract(there)) {
      const bool exact = entity == ifc4.FindEntity(name);
      return GroupEntity{std::string(schema.Name(there)), exact ? std::string() : std::string(name)};
    }
  }
  return std::nullopt;
}

std::string ClassificationBody(const Ifc::Schema& schema, const IPL::Classification& classification,
                               const EmitInstance& emit, std::vector<std::string>& warnings) {
  const std::vector<NamedValue> values{
      {"Source", Optional(classification.GetSource())},
      {"Edition", Optional(classification.GetEdition())},
      {"Name", Text(classification.name)},
      {"Description", Optional(classification.GetDescription())},
      {"Location", Optional(classification.GetLocation())},
  };
  NamedBody body = BuildNamedBody(schema, "IfcClassification", values);
  if (!body.Ok()) {
    warnings.push_back(SchemaNameOf(schema) + "'s IfcClassification requires " + body.missingRequired +
                       ", which the contribution leaves open; the reference is written without its classification");
    return std::string();
  }
  // The date only once the classification is known to be written: it may add an instance.
  std::vector<NamedValue> dated = values;
  dated.emplace_back("EditionDate", EditionDate(schema, classification, emit, warnings));
  body = BuildNamedBody(schema, "IfcClassification", dated);
  Explain(schema, "IfcClassification", body, warnings);
  return body.text;
}

std::string ClassificationReferenceBody(const Ifc::Schema& schema, const IPL::ClassificationReference& reference,
                                        const std::string& source, std::vector<std::string>& warnings) {
  const NamedBody body = BuildNamedBody(schema, "IfcClassificationReference",
                                        {{"Location", Optional(reference.GetLocation())},
                                         {"Identification", Optional(reference.GetIdentification())},
                                         {"Name", Optional(reference.GetName())},
                                         {"ReferencedSource", source}});
  Explain(schema, "IfcClassificationReference", body, warnings);
  return body.text;
}

}  // namespace Exporter
