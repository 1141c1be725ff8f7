#include "exporter/trace/Trace.h"

#include <vector>

#include "API/IfcGlobalId.h"
#include "IPL/ClassificationReference.h"
#include "IPL/IFCType.h"
#include "IPL/PropertySingleValue.h"
#include "exporter/lookup/StepValueText.h"
#include "exporter/merge/AdaptedProperties.h"
#include "exporter/writer/PropertyText.h"

namespace Exporter {

namespace {

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

std::string Quoted(const KT::Optional<KT::UniString>& text) {
  return text.HasValue() ? Quoted(text.Get().ToUTF8()) : std::string("$");
}

std::string Count(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Reference(const char* role, const std::optional<API::ElementReference>& reference) {
  if (!reference) {
    return std::string("    ") + role + ": none\n";
  }
  return std::string("    ") + role + ": " + reference->entity + " " + Quoted(reference->globalId) + " " +
         Quoted(reference->name) + "\n";
}

// A single value as its typed value; other kinds as the instance the file's schema would get, or why
// none would be written.
std::string Property(const Ifc::Schema& schema, const IPL::Property& property) {
  std::string warning;
  if (const auto* single = dynamic_cast<const IPL::PropertySingleValue*>(&property)) {
    std::string value;
    AppendTypedValue(value, single->GetNominalValue(), warning);
    return value;
  }
  const AdaptedInstance adapted = AdaptProperty(schema, property);
  return adapted.Ok() || adapted.warnings.empty() ? adapted.body : "not written: " + adapted.warnings.front();
}

}  // namespace

Trace::Trace(const Ifc::Model& model, std::FILE* out) : model(model), out(out) {}

void Trace::Print(const std::string& text) const {
  if (out != nullptr) {
    std::fputs(text.c_str(), out);
    std::fflush(out);  // complete up to an add-on's crash
  }
}

ElementLookup::Listener Trace::LookUpListener() {
  return [this](const KT::Guid& guid, const ElementLookup::Result& answer) { PrintLookUp(guid, answer); };
}

// "#58 IfcWall '3W0000001008000000000H' 'Exterior wall W-01'", or the GlobalId alone when the file has
// no such instance.
std::string Trace::Describe(const GuidBytes& guid) const {
  char globalId[API::GlobalIdLength];
  EncodeGlobalId(guid, globalId);
  const std::string id = Quoted(std::string(globalId, API::GlobalIdLength));
  const Ifc::InstanceIndex instance = model.FindByGlobalId(guid);
  if (!instance.Valid()) {
    return id + " (not in the file)";
  }
  const std::optional<Ifc::Value> name = model.Attribute(instance, "Name");
  const std::optional<std::string> text = name ? ValueText(*name) : std::nullopt;
  return "#" + std::to_string(model.Number(instance).Value()) + " " +
         std::string(model.GetSchema().Name(model.Entity(instance))) + " " + id +
         (text ? " " + Quoted(*text) : std::string(" $"));
}

bool Trace::Only(const GuidBytes& guid) {
  only.insert(std::string(guid.begin(), guid.end()));
  return model.FindByGlobalId(guid).Valid();
}

bool Trace::Asks(Ifc::InstanceIndex, const GuidBytes& guid) {
  if (!only.empty() && only.count(std::string(guid.begin(), guid.end())) == 0) {
    return false;
  }
  Print(Describe(guid) + "\n");
  return true;
}

void Trace::PrintLookUp(const KT::Guid& guid, const ElementLookup::Result& answer) const {
  std::string text = "  look-up " + Quoted(API::GlobalIdFromGuid(guid)) + ": ";
  if (!answer.HasValue()) {
    Print(text + "failed: " + answer.GetError().message + "\n");
    return;
  }
  const API::ElementInfo& info = answer.Unwrap();
  text += info.entity + (info.predefinedType.empty() ? "" : " " + info.predefinedType) + "\n";
  const std::pair<const char*, const std::optional<std::string>*> attributes[] = {
      {"Name", &info.name}, {"Description", &info.description}, {"ObjectType", &info.objectType}, {"Tag", &info.tag}};
  for (const auto& [name, value] : attributes) {
    text += std::string("    ") + name + ": " + (*value ? Quoted(**value) : std::string("$")) + "\n";
  }
  text += Reference("type", info.type) + Reference("container", info.container);
  for (const API::ElementProperty& property : info.properties) {
    text += "    " + property.set + "." + property.name + ": " + property.kind + " " +
            (property.ifcType.empty() ? "" : property.ifcType + " ") + Quoted(property.value) +
            (property.fromType ? " (of the type)\n" : "\n");
  }
  Print(text);
}

void Trace::Answered(Ifc::InstanceIndex, const Answers& answers) {
  std::string text =
      "  GetHookProperties: " + Count(answers.propertySets.GetSize(), "property set", "property sets") + "\n";
  for (const IPL::PropertySet& set : answers.propertySets) {
    text += "    " + set.GetName().ToUTF8() + "\n";
    for (const auto& property : set.GetProperties()) {
      text += "      " + property->GetName().ToUTF8() + ": " + Property(model.GetSchema(), *property) + "\n";
    }
  }
  text += "  GetHookAttributes: " + Count(answers.attributes.GetSize(), "attribute", "attributes") + "\n";
  for (const IPL::GeneralAttribute& attribute : answers.attributes) {
    text += "    " + attribute.GetName().ToUTF8() + ": " +
            (attribute.HasValue() ? Quoted(attribute.GetValue().ToUTF8()) : std::string("no value (unset)")) + "\n";
  }
  text += "  GetHookClassificationReferences: " + Count(answers.references.GetSize(), "reference", "references") + "\n";
  for (const auto& reference : answers.references) {
    text += "    " + Quoted(reference->GetIdentification()) + " " + Quoted(reference->GetName());
    if (const auto* classified = dynamic_cast<const IPL::ClassificationReference*>(reference.Get())) {
      const auto& source = classified->GetReferencedSource();
      text += " in " + (source.HasValue() ? Quoted(source.Get().name.ToUTF8()) : std::string("no classification")) +
              " by " + Quoted(classified->relAssociatesClassificationName.ToUTF8());
    }
    text += " at " + Quoted(reference->GetLocation()) + "\n";
  }
  Print(text);
}

void Trace::AssignmentsAnswered(const KT::Array<IFCAPI::Impl::HookAssignments>& assignments) {
  std::string text = "GetHookAssignments: " + Count(assignments.GetSize(), "answer", "answers") + "\n";
  for (const IFCAPI::Impl::HookAssignments& answer : assignments) {
    for (const auto entry : answer.GetGroups()) {
      const auto& name = entry.value.name;
      text += "  " + std::string(IPL::GetIFCTypeName(entry.value.type)) + " " +
              Quoted(API::GlobalIdFromGuid(entry.key.GetGUID())) + " " +
              (name ? Quoted(name->ToUTF8()) : std::string("$")) + "\n";
      const auto* relations = answer.GetChildren().Get(entry.key);
      if (relations == nullptr) {
        continue;
      }
      for (const IFCAPI::Impl::ObjectID& relation : *relations) {
        const auto* info = answer.GetRelations().Get(relation);
        text += "    " + std::string(info != nullptr ? IPL::GetIFCTypeName(info->type) : "relation") + " " +
                Quoted(API::GlobalIdFromGuid(relation.GetGUID())) + "\n";
        if (const auto* members = answer.GetChildren().Get(relation)) {
          for (const IFCAPI::Impl::ObjectID& member : *members) {
            const auto* group = answer.GetGroups().Get(member);
            text +=
                "      " +
                (group != nullptr ? std::string(IPL::GetIFCTypeName(group->type)) + " " +
                                        Quoted(API::GlobalIdFromGuid(member.GetGUID())) + " (a group of this answer)"
                                  : Describe(FromKTGuid(member.GetGUID()))) +
                "\n";
          }
        }
      }
    }
  }
  Print(text);
}

}  // namespace Exporter
