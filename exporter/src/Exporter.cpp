#include "Exporter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

#include "IFCAPI/HookAssignments.h"
#include "IFCAPI/HookManager.h"
#include "IFCAPI/ObjectID.h"
#include "IPL/ClassificationReference.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "Platform.h"
#include "PropertyText.h"
#include "Schema.h"
#include "StepText.h"

#ifndef IFCAPI_EXPORT_VERSION
#define IFCAPI_EXPORT_VERSION "0"
#endif

namespace Exporter {

namespace {

using IFCAPI::Impl::HookAssignments;
using IFCAPI::Impl::HookManager;
using IFCAPI::Impl::ObjectID;

// The token under which the tool makes its ObjectIDs, as the host's exporter uses its own.
const KT::Guid ToolToken("{1FCA9E70-E4B0-4C7A-9D1E-0000000000E1}");

// Big spans of the input go to the file in pieces of this size, so progress can be shown.
constexpr std::size_t CopyChunk = std::size_t{8} << 20;

std::uint64_t Fnv64(std::string_view text, std::uint64_t hash) noexcept {
  for (const char c : text) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  }
  return hash;
}

std::uint64_t Mix(std::uint64_t x) noexcept {
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

std::string StepText(const KT::UniString& text) {
  std::string out;
  AppendStepString(out, text.GetCodeUnits());
  return out;
}

std::string OptionalText(const KT::Optional<KT::UniString>& text) {
  return text.HasValue() ? StepText(text.Get()) : std::string("$");
}

std::string Reference(std::uint32_t number) {
  return "#" + std::to_string(number);
}

std::string ReferenceList(const std::vector<std::uint32_t>& numbers) {
  std::string out = "(";
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i != 0) {
      out.push_back(',');
    }
    out += Reference(numbers[i]);
  }
  out.push_back(')');
  return out;
}

std::string Join(const std::vector<std::string>& items) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i != 0) {
      out.push_back(',');
    }
    out += items[i];
  }
  return out;
}

std::string GuidText(const GuidBytes& guid) {
  char text[22];
  EncodeGlobalId(guid, text);
  return std::string(text, 22);
}

// A group type's entity and the number of its attributes.
struct GroupEntity {
  IPL::IFCType type;
  const char* name;
  int attributes;
};
constexpr GroupEntity GroupEntities[] = {
    {IPL::IFCType::IfcGroup, "IFCGROUP", 5},
    {IPL::IFCType::IfcSystem, "IFCSYSTEM", 5},
    {IPL::IFCType::IfcBuildingSystem, "IFCBUILDINGSYSTEM", 7},
    {IPL::IFCType::IfcDistributionSystem, "IFCDISTRIBUTIONSYSTEM", 7},
    {IPL::IFCType::IfcDistributionCircuit, "IFCDISTRIBUTIONCIRCUIT", 7},
};

// A file written through a buffer; on any failure the partial file is removed.
class OutputFile {
 public:
  explicit OutputFile(std::string path) : path(std::move(path)) {}
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile() {
    if (file != nullptr) {
      std::fclose(file);
      RemoveFile(path);
    }
  }

  bool Open() {
    file = std::fopen(path.c_str(), "wb");
    if (file != nullptr) {
      std::setvbuf(file, nullptr, _IOFBF, std::size_t{1} << 20);
    }
    return file != nullptr;
  }

  bool Write(std::string_view text) {
    return text.empty() || std::fwrite(text.data(), 1, text.size(), file) == text.size();
  }

  // Closes the file; false when the last writes failed.
  bool Close() {
    const bool ok = std::fflush(file) == 0 && std::ferror(file) == 0;
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    if (!ok || !closed) {
      RemoveFile(path);
    }
    return ok && closed;
  }

 private:
  std::string path;
  std::FILE* file = nullptr;
};

}  // namespace

Exporter::Exporter(const StepFile& file, bool alternative)
    : file(file), alternative(alternative), token(ToAPIGuid(ToolToken)), nextNumber(file.LargestNumber() + 1) {}

void Exporter::Warn(std::string text) {
  summary.warnings.push_back(std::move(text));
}

std::string Exporter::ElementName(std::uint32_t index) const {
  const InstanceRecord& record = file.Instances()[index];
  return "#" + std::to_string(record.number) + " (" +
         std::string(IfcReader::Schema::Get(IfcReader::SchemaVersion::Ifc4).Name(record.entity)) + ")";
}

std::uint32_t Exporter::Emit(const std::string& body) {
  const std::uint32_t number = nextNumber++;
  newText.push_back('#');
  newText += std::to_string(number);
  newText.push_back('=');
  newText += body;
  newText += ";\n";
  return number;
}

std::uint32_t Exporter::EmitOnce(std::unordered_map<std::string, std::uint32_t>& written, const std::string& body) {
  const auto found = written.find(body);
  if (found != written.end()) {
    return found->second;
  }
  const std::uint32_t number = Emit(body);
  written.emplace(body, number);
  return number;
}

std::string Exporter::NewGlobalId(const std::string& key) {
  for (std::uint64_t attempt = 0;; ++attempt) {
    const std::uint64_t seed = Mix(attempt + 1);
    const std::uint64_t high = Mix(Fnv64(key, 0xCBF29CE484222325ull ^ seed));
    const std::uint64_t low = Mix(Fnv64(key, 0x84222325CBF29CE4ull + seed));
    GuidBytes guid{};
    for (int i = 0; i < 8; ++i) {
      guid[i] = static_cast<std::uint8_t>(high >> (56 - 8 * i));
      guid[8 + i] = static_cast<std::uint8_t>(low >> (56 - 8 * i));
    }
    guid[6] = static_cast<std::uint8_t>((guid[6] & 0x0F) | 0x80);  // version 8: made by this tool's own rule
    guid[8] = static_cast<std::uint8_t>((guid[8] & 0x3F) | 0x80);  // RFC 4122 variant
    std::string text = GuidText(guid);
    if (file.FindByGlobalId(guid) < 0 && newGlobalIds.insert(text).second) {
      return text;
    }
  }
}

void Exporter::IndexExistingSets() {
  existingSetsIndexed = true;
  const IfcReader::Schema& schema = IfcReader::Schema::Get(IfcReader::SchemaVersion::Ifc4);
  std::vector<std::string_view> attributes;
  std::vector<std::string_view> related;
  const auto& instances = file.Instances();
  for (std::uint32_t i = 0; i < instances.size(); ++i) {
    if (instances[i].entity != schema.ifcRelDefinesByProperties) {
      continue;
    }
    if (!SplitStepList(file.Arguments(i), attributes) || attributes.size() != 6) {
      continue;
    }
    const std::int32_t set = file.FindByNumber(ParseStepReference(attributes[5]));
    const auto items = StepListItems(attributes[4]);
    if (set < 0 || instances[static_cast<std::size_t>(set)].entity != schema.ifcPropertySet || !items ||
        !SplitStepList(*items, related)) {
      continue;
    }
    for (const std::string_view element : related) {
      const std::uint32_t number = ParseStepReference(element);
      if (number != 0) {
        existingSets.push_back(ExistingSet{number, static_cast<std::uint32_t>(set), i, 0});
      }
    }
  }
  // How many elements share each set, over all its relations.
  std::unordered_map<std::uint32_t, std::uint32_t> sharers;
  for (const ExistingSet& entry : existingSets) {
    ++sharers[entry.set];
  }
  for (ExistingSet& entry : existingSets) {
    entry.sharers = sharers[entry.set];
  }
  std::stable_sort(existingSets.begin(), existingSets.end(),
                   [](const ExistingSet& a, const ExistingSet& b) { return a.element < b.element; });
}

std::optional<Exporter::ExistingSet> Exporter::FindExistingSet(std::uint32_t element,
                                                               const std::u16string& name) const {
  auto it = std::lower_bound(existingSets.begin(), existingSets.end(), element,
                             [](const ExistingSet& a, std::uint32_t number) { return a.element < number; });
  std::vector<std::string_view> attributes;
  for (; it != existingSets.end() && it->element == element; ++it) {
    if (SplitStepList(file.Arguments(it->set), attributes) && attributes.size() == 5) {
      const auto setName = DecodeStepString(attributes[2]);
      if (setName && *setName == name) {
        return *it;
      }
    }
  }
  return std::nullopt;
}

void Exporter::Collect(const Progress& progress) {
  const IfcReader::Schema& schema = IfcReader::Schema::Get(IfcReader::SchemaVersion::Ifc4);
  std::vector<std::uint8_t> isObject(schema.EntityCount());
  for (std::size_t entity = 0; entity < schema.EntityCount(); ++entity) {
    isObject[entity] =
        schema.IsSubtypeOf(IfcReader::EntityId{static_cast<std::int16_t>(entity)}, schema.ifcObject) ? 1 : 0;
  }
  const auto& rooted = file.RootedInstances();
  for (std::size_t r = 0; r < rooted.size(); ++r) {
    const std::uint32_t index = rooted[r].index;
    if (isObject[file.Instances()[index].entity.Index()] != 0) {
      CollectElement(index, rooted[r].guid);
    }
    if (progress && (r & 0x3FFF) == 0) {
      progress(r, rooted.size());
    }
  }
  AddAssignments();
  FinishRelations();
  summary.references = references.size();
}

void Exporter::CollectElement(std::uint32_t index, const GuidBytes& guid) {
  ++summary.elements;
  const ObjectID id(token, ToKTGuid(guid));
  KT::Array<IPL::PropertySet> propertySets;
  HookManager::GetHookProperties(id, alternative, propertySets);
  KT::Array<IPL::GeneralAttribute> attributes;
  HookManager::GetHookAttributes(id, alternative, attributes);
  KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>> classificationReferences;
  HookManager::GetHookClassificationReferences(id, alternative, classificationReferences);
  if (!propertySets.IsEmpty()) {
    AddPropertySets(index, propertySets);
  }
  if (!attributes.IsEmpty()) {
    SetAttributes(index, attributes);
  }
  if (!classificationReferences.IsEmpty()) {
    AddReferences(index, classificationReferences);
  }
}

std::vector<std::u16string> Exporter::PropertyNames(std::uint32_t set) const {
  std::vector<std::u16string> names;
  std::vector<std::string_view> attributes;
  std::vector<std::string_view> items;
  const auto list = SplitStepList(file.Arguments(set), attributes) && attributes.size() == 5
                        ? StepListItems(attributes[4])
                        : std::nullopt;
  if (!list || !SplitStepList(*list, items)) {
    return names;
  }
  for (const std::string_view item : items) {
    const std::int32_t property = file.FindByNumber(ParseStepReference(item));
    if (property >= 0 && SplitStepList(file.Arguments(static_cast<std::size_t>(property)), attributes) &&
        !attributes.empty()) {
      names.push_back(DecodeStepString(attributes[0]).value_or(std::u16string()));
    }
  }
  return names;
}

void Exporter::AddPropertySets(std::uint32_t index, const KT::Array<IPL::PropertySet>& propertySets) {
  const std::uint32_t element = file.Instances()[index].number;
  if (!existingSetsIndexed) {
    IndexExistingSets();
  }
  for (const IPL::PropertySet& set : propertySets) {
    // The element's own set of this name keeps what it has: a contributed property of a name it
    // already holds is dropped.
    const std::optional<ExistingSet> existing = FindExistingSet(element, set.GetName().GetCodeUnits());
    const std::vector<std::u16string> existingNames =
        existing ? PropertyNames(existing->set) : std::vector<std::u16string>();
    std::vector<std::uint32_t> contributed;
    for (const KT::SharedPtr<IPL::Property>& property : set.GetProperties()) {
      if (property.Get() == nullptr) {
        continue;
      }
      const std::string where =
          ElementName(index) + ": property " + set.GetName().ToUTF8() + "." + property->GetName().ToUTF8();
      if (std::find(existingNames.begin(), existingNames.end(), property->GetName().GetCodeUnits()) !=
          existingNames.end()) {
        Warn(where + " is already in the file's set; the file's value stays");
        continue;
      }
      std::uint32_t enumeration = 0;
      std::string warning;
      if (const auto* enumerated = dynamic_cast<const IPL::PropertyEnumeratedValue*>(property.Get())) {
        const IPL::PropertyEnumeration* allowed = enumerated->GetEnumerationReference();
        if (allowed != nullptr) {
          const std::string body = EnumerationBody(*allowed, warning);
          if (body.find(",$,$)") == std::string::npos) {  // an enumeration needs at least one value
            enumeration = EmitOnce(enumerations, body);
          }
        }
      }
      const std::string body = PropertyBody(*property, enumeration, warning);
      if (!warning.empty()) {
        Warn(where + ": " + warning);
      }
      if (body.empty()) {
        Warn(where + " is of no known kind; skipped");
        continue;
      }
      contributed.push_back(EmitOnce(properties, body));
      ++summary.values;
    }
    if (contributed.empty()) {
      continue;
    }
    if (existing && existing->sharers == 1) {
      // The set is this element's alone: it grows in place.
      std::vector<std::uint32_t>& grown = grownSets[existing->set];
      if (grown.empty()) {
        ++summary.sets;
      }
      grown.insert(grown.end(), contributed.begin(), contributed.end());
      continue;
    }
    // A new set; when the element shares a set of this name with others, the new set holds the shared
    // set's properties too and replaces it for this element alone.
    std::vector<std::uint32_t> members;
    std::string description = "$";
    std::vector<std::string_view> attributes;
    std::vector<std::string_view> items;
    if (existing && SplitStepList(file.Arguments(existing->set), attributes) && attributes.size() == 5) {
      description = std::string(attributes[3]);
      const auto list = StepListItems(attributes[4]);
      if (list && SplitStepList(*list, items)) {
        for (const std::string_view item : items) {
          members.push_back(ParseStepReference(item));
        }
      }
    }
    members.insert(members.end(), contributed.begin(), contributed.end());
    const std::string key = StepText(set.GetName()) + "," + description + "," + ReferenceList(members);
    std::uint32_t number;
    const auto found = sets.find(key);
    if (found != sets.end()) {
      number = found->second;
    } else {
      number = Emit("IFCPROPERTYSET('" + NewGlobalId("set" + key) + "',$," + key + ")");
      sets.emplace(key, number);
      ++summary.sets;
    }
    if (existing) {
      detaches.push_back(Detach{existing->relation, element, number});
    }
    const auto [relation, added] = setRelationOf.emplace(number, setRelations.size());
    if (added) {
      setRelations.push_back(Relation{number, "$", {}});
    }
    setRelations[relation->second].elements.push_back(element);
  }
}

void Exporter::SetAttributes(std::uint32_t index, const KT::Array<IPL::GeneralAttribute>& attributes) {
  const IfcReader::Schema& schema = IfcReader::Schema::Get(IfcReader::SchemaVersion::Ifc4);
  const InstanceRecord& record = file.Instances()[index];
  std::vector<std::string_view> tokens;
  if (!SplitStepList(file.Arguments(index), tokens) || tokens.size() != schema.AttributeCount(record.entity)) {
    Warn(ElementName(index) + ": its attribute list does not match its entity; attributes skipped");
    return;
  }
  std::vector<std::string> values(tokens.begin(), tokens.end());
  bool changed = false;
  for (const IPL::GeneralAttribute& attribute : attributes) {
    const std::string name = attribute.GetName().ToUTF8();
    const IfcReader::AttributeSlot at = schema.FindAttribute(record.entity, name);
    const IfcReader::AttributeDef* def = at.value > 0 ? &schema.Attribute(record.entity, at) : nullptr;
    if (def == nullptr || def->aggregate || !schema.IsStringType(def->type)) {
      Warn(ElementName(index) + ": '" + name + "' is no string-valued attribute of " +
           std::string(schema.Name(record.entity)) + "; skipped");
      continue;
    }
    if (attribute.HasValue()) {
      values[at.Index()] = StepText(attribute.GetValue());
    } else if (def->optional) {
      values[at.Index()] = "$";
    } else {
      Warn(ElementName(index) + ": '" + name + "' is required and cannot be unset; skipped");
      continue;
    }
    changed = true;
    ++summary.attributes;
  }
  if (changed) {
    replacements.emplace_back(index, "#" + std::to_string(record.number) + "=" +
                                         std::string(schema.UpperName(record.entity)) + "(" + Join(values) + ");");
  }
}

void Exporter::AddReferences(std::uint32_t index,
                             const KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>& classificationReferences) {
  const std::uint32_t element = file.Instances()[index].number;
  for (const KT::SharedPtr<IPL::ExternalReferenceBase>& base : classificationReferences) {
    const auto* reference = dynamic_cast<const IPL::ClassificationReference*>(base.Get());
    if (reference == nullptr) {
      Warn(ElementName(index) + ": a reference that is no classification reference was skipped");
      continue;
    }
    std::string source = "$";
    if (reference->GetReferencedSource().HasValue()) {
      const IPL::Classification& c = reference->GetReferencedSource().Get();
      source = Reference(EmitOnce(
          classifications, "IFCCLASSIFICATION(" + OptionalText(c.GetSource()) + "," + OptionalText(c.GetEdition()) +
                               "," + OptionalText(c.GetEditionDate()) + "," + StepText(c.name) + "," +
                               OptionalText(c.GetDescription()) + "," + OptionalText(c.GetLocation()) + ",$)"));
    }
    const std::uint32_t number =
        EmitOnce(references, "IFCCLASSIFICATIONREFERENCE(" + OptionalText(reference->GetLocation()) + "," +
                                 OptionalText(reference->GetIdentification()) + "," +
                                 OptionalText(reference->GetName()) + "," + source + ",$,$)");
    const std::string name = reference->relAssociatesClassificationName.IsEmpty()
                                 ? "$"
                                 : StepText(reference->relAssociatesClassificationName);
    const std::string key = Reference(number) + "," + name;
    const auto [relation, added] = classificationRelationOf.emplace(key, classificationRelations.size());
    if (added) {
      classificationRelations.push_back(Relation{number, name, {}});
    }
    std::vector<std::uint32_t>& elements = classificationRelations[relation->second].elements;
    if (elements.empty() || elements.back() != element) {
      elements.push_back(element);
    }
  }
}

void Exporter::AddAssignments() {
  const IfcReader::Schema& schema = IfcReader::Schema::Get(IfcReader::SchemaVersion::Ifc4);
  KT::Array<HookAssignments> all;
  HookManager::GetHookAssignments(all);
  std::map<GuidBytes, std::uint32_t> groups;  // group GUID -> instance number
  for (const HookAssignments& assignments : all) {
    for (const auto entry : assignments.GetGroups()) {
      const GuidBytes guid = FromKTGuid(entry.key.GetGUID());
      if (groups.count(guid) != 0) {
        continue;
      }
      const std::string text = GuidText(guid);
      const std::int32_t clash = file.FindByGlobalId(guid);
      const GroupEntity* entity = nullptr;
      for (const GroupEntity& candidate : GroupEntities) {
        if (candidate.type == entry.value.type) {
          entity = &candidate;
        }
      }
      if (clash >= 0 || entity == nullptr || !newGlobalIds.insert(text).second) {
        Warn("group '" + text + "': " + (entity == nullptr ? "not of a group type" : "its GlobalId is already used") +
             "; skipped");
        continue;
      }
      std::string body = std::string(entity->name) + "('" + text + "',$," +
                         (entry.value.name ? StepText(*entry.value.name) : std::string("$")) + ",$,$";
      body += entity->attributes == 7 ? ",$,$)" : ")";
      groups.emplace(guid, Emit(body));
      ++summary.groups;
    }
  }
  std::unordered_set<std::string> writtenRelations;
  for (const HookAssignments& assignments : all) {
    for (const auto entry : assignments.GetGroups()) {
      const auto group = groups.find(FromKTGuid(entry.key.GetGUID()));
      const auto* relationNodes = assignments.GetChildren().Get(entry.key);
      if (group == groups.end() || relationNodes == nullptr) {
        continue;
      }
      for (const ObjectID& relationId : *relationNodes) {
        const auto* info = assignments.GetRelations().Get(relationId);
        const auto* memberIds = assignments.GetChildren().Get(relationId);
        const std::string text = GuidText(FromKTGuid(relationId.GetGUID()));
        if (info == nullptr || memberIds == nullptr || writtenRelations.count(text) != 0) {
          continue;
        }
        const bool services = info->type == IPL::IFCType::IfcRelServicesBuildings;
        std::vector<std::uint32_t> members;
        for (const ObjectID& member : *memberIds) {
          const GuidBytes guid = FromKTGuid(member.GetGUID());
          const std::int32_t found = file.FindByGlobalId(guid);
          const auto madeGroup = groups.find(guid);
          std::uint32_t number = 0;
          if (found >= 0) {
            const IfcReader::EntityId entity = file.Instances()[static_cast<std::size_t>(found)].entity;
            if (schema.IsSubtypeOf(entity, services ? schema.ifcSpatialElement : schema.ifcObjectDefinition)) {
              number = file.Instances()[static_cast<std::size_t>(found)].number;
            } else {
              Warn("group '" + GuidText(FromKTGuid(entry.key.GetGUID())) +
                   "': " + ElementName(static_cast<std::uint32_t>(found)) + " cannot be " +
                   (services ? "a serviced building" : "a member") + "; left out");
            }
          } else if (!services && madeGroup != groups.end()) {
            number = madeGroup->second;
          } else {
            Warn("group '" + GuidText(FromKTGuid(entry.key.GetGUID())) + "': " +
                 (services ? "serviced building '" : "member '") + GuidText(guid) + "' is not in the file; left out");
          }
          if (number != 0 && std::find(members.begin(), members.end(), number) == members.end()) {
            members.push_back(number);
          }
        }
        if (members.empty()) {
          continue;
        }
        if (file.FindByGlobalId(FromKTGuid(relationId.GetGUID())) >= 0 || !newGlobalIds.insert(text).second) {
          Warn("relation '" + text + "': its GlobalId is already used; skipped");
          continue;
        }
        writtenRelations.insert(text);
        if (services) {
          Emit("IFCRELSERVICESBUILDINGS('" + text + "',$,$,$," + Reference(group->second) + "," +
               ReferenceList(members) + ")");
        } else {
          Emit("IFCRELASSIGNSTOGROUP('" + text + "',$,$,$," + ReferenceList(members) + ",$," +
               Reference(group->second) + ")");
        }
        ++summary.relations;
      }
    }
  }
}

void Exporter::FinishRelations() {
  // Elements leave the relations of the sets that contributions replaced for them.
  std::map<std::uint32_t, std::vector<const Detach*>> byRelation;
  for (const Detach& detach : detaches) {
    byRelation[detach.relation].push_back(&detach);
  }
  std::vector<std::string_view> attributes;
  std::vector<std::string_view> related;
  for (const auto& [relation, leaving] : byRelation) {
    const auto items =
        SplitStepList(file.Arguments(relation), attributes) ? StepListItems(attributes[4]) : std::nullopt;
    if (!items || !SplitStepList(*items, related)) {
      continue;
    }
    std::vector<std::uint32_t> remaining;
    for (const std::string_view item : related) {
      const std::uint32_t number = ParseStepReference(item);
      const bool leaves =
          std::any_of(leaving.begin(), leaving.end(), [&](const Detach* d) { return d->element == number; });
      if (!leaves) {
        remaining.push_back(number);
      }
    }
    std::string relating(attributes[5]);
    if (remaining.empty()) {
      // A relation may not be left empty: it keeps the elements whose new set is the first one's and
      // relates them to that set instead.
      const std::uint32_t merged = leaving.front()->merged;
      std::vector<std::uint32_t>& moved = setRelations[setRelationOf.at(merged)].elements;
      for (const Detach* d : leaving) {
        if (d->merged == merged) {
          remaining.push_back(d->element);
          moved.erase(std::remove(moved.begin(), moved.end(), d->element), moved.end());
        }
      }
      relating = Reference(merged);
    }
    const std::uint32_t number = file.Instances()[relation].number;
    replacements.emplace_back(relation, "#" + std::to_string(number) + "=IFCRELDEFINESBYPROPERTIES(" +
                                            std::string(attributes[0]) + "," + std::string(attributes[1]) + "," +
                                            std::string(attributes[2]) + "," + std::string(attributes[3]) + "," +
                                            ReferenceList(remaining) + "," + relating + ");");
  }
  for (const Relation& relation : setRelations) {
    if (!relation.elements.empty()) {
      Emit("IFCRELDEFINESBYPROPERTIES('" + NewGlobalId("defines" + Reference(relation.relating)) + "',$,$,$," +
           ReferenceList(relation.elements) + "," + Reference(relation.relating) + ")");
      ++summary.relations;
    }
  }
  for (const Relation& relation : classificationRelations) {
    Emit("IFCRELASSOCIATESCLASSIFICATION('" + NewGlobalId("classifies" + Reference(relation.relating) + relation.name) +
         "',$," + relation.name + ",$," + ReferenceList(relation.elements) + "," + Reference(relation.relating) + ")");
    ++summary.relations;
  }
  std::vector<std::string_view> setAttributes;
  for (const auto& [set, added] : grownSets) {
    if (!SplitStepList(file.Arguments(set), setAttributes) || setAttributes.size() != 5) {
      continue;
    }
    const auto items = StepListItems(setAttributes[4]);
    std::string text = "#" + std::to_string(file.Instances()[set].number) + "=IFCPROPERTYSET(" +
                       std::string(setAttributes[0]) + "," + std::string(setAttributes[1]) + "," +
                       std::string(setAttributes[2]) + "," + std::string(setAttributes[3]) + ",(" +
                       std::string(items ? *items : std::string_view());
    for (const std::uint32_t number : added) {
      text += "," + Reference(number);
    }
    replacements.emplace_back(set, text + "));");
  }
  std::sort(replacements.begin(), replacements.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
}

bool Exporter::Write(const std::string& path, const std::string& fileName, std::string& error,
                     const Progress& progress) {
  const std::string partial = path + ".partial";
  OutputFile out(partial);
  if (!out.Open()) {
    error = partial + ": cannot create: " + std::strerror(errno);
    return false;
  }
  const char* data = file.Data();
  const std::size_t total = file.Size() + newText.size();
  std::size_t done = 0;
  bool ok = true;
  const auto copy = [&](std::size_t from, std::size_t to) {
    while (ok && from < to) {
      const std::size_t end = std::min(to, from + CopyChunk);
      ok = out.Write(std::string_view(data + from, end - from));
      done += end - from;
      from = end;
      if (progress) {
        progress(done, total);
      }
    }
  };

  // The header names this tool as the preprocessor and the output as the file.
  copy(0, file.FileNameBegin());
  std::vector<std::string_view> fields;
  std::string fileNameRecord;
  if (SplitStepList(file.FileNameArguments(), fields) && fields.size() == 7) {
    std::vector<std::string> values(fields.begin(), fields.end());
    values[0] = StepText(KT::UniString(fileName));
    values[4] = "'ifcapi-export " IFCAPI_EXPORT_VERSION "'";
    fileNameRecord = "FILE_NAME(" + Join(values) + ");";
  } else {
    fileNameRecord = "FILE_NAME(" + StepText(KT::UniString(fileName)) +
                     ",'1970-01-01T00:00:00',(''),(''),'ifcapi-export " IFCAPI_EXPORT_VERSION "','','');";
  }
  ok = ok && out.Write(fileNameRecord);
  std::size_t cursor = file.FileNameEnd();
  for (const auto& [index, text] : replacements) {
    const InstanceRecord& record = file.Instances()[index];
    copy(cursor, record.offset);
    ok = ok && out.Write(text);
    cursor = record.offset + record.length;
  }
  copy(cursor, file.DataEnd());
  if (file.DataEnd() > 0 && data[file.DataEnd() - 1] != '\n') {
    ok = ok && out.Write("\n");
  }
  ok = ok && out.Write(newText);
  copy(file.DataEnd(), file.Size());
  if (!ok || !out.Close()) {
    error = partial + ": cannot write: " + std::strerror(errno);
    return false;
  }
  if (!RenameReplacing(partial, path, error)) {
    RemoveFile(partial);
    error = path + ": cannot replace with " + partial + ": " + error;
    return false;
  }
  return true;
}

}  // namespace Exporter
