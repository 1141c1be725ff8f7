#include "exporter/merge/PropertySetMerge.h"

#include <algorithm>

#include "IPL/PropertyEnumeratedValue.h"
#include "exporter/merge/AdaptedProperties.h"
#include "exporter/merge/InstanceAttributes.h"
#include "exporter/merge/NamedBody.h"
#include "exporter/merge/PropertyKey.h"
#include "exporter/merge/UnreferencedInstances.h"
#include "exporter/merge/ValueRules.h"
#include "exporter/writer/InstanceText.h"
#include "exporter/writer/PropertyText.h"
#include "ifc/text/StepText.h"

namespace Exporter {

namespace {

// What a schema cannot hold is said once, for the first element given it.
constexpr char kOnceNote[] = " (said once for every element given it)";

// How many distinct properties the merge remembers as written; those beyond are adapted every time.
constexpr std::size_t kMaxRememberedProperties = 1 << 16;

}  // namespace

PropertySetMerge::PropertySetMerge(MergeContext& context)
    : context(context),
      existing(context),
      quantities(context),
      standardSets(context),
      enumerationNames(WidthOf(context.schema, "IfcLabel")),
      related(context.schema.FindAttribute(context.schema.ifcRelDefinesByProperties, "RelatedObjects")),
      relating(context.schema.FindAttribute(context.schema.ifcRelDefinesByProperties, "RelatingPropertyDefinition")),
      setProperties(context.schema.FindAttribute(context.schema.ifcPropertySet, "HasProperties")) {}

void PropertySetMerge::ReserveFileEnumerationNames() {
  enumerationNamesReserved = true;
  const Ifc::EntityId entity = context.schema.FindEntity("IfcPropertyEnumeration");
  if (!entity.Valid()) {
    return;
  }
  const Ifc::AttributeSlot name = context.schema.FindAttribute(entity, "Name");
  InstanceAttributes attributes(context.Model());
  for (const InstanceIndex index : context.Model().InstancesOf(entity)) {
    if (attributes.Read(index)) {
      enumerationNames.Reserve(DecodeStepString(attributes[name]).value_or(std::u16string()));
    }
  }
}

InstanceNumber PropertySetMerge::WriteEnumeration(const IPL::Property& property, std::string& warning, bool& failed) {
  const auto* enumerated = dynamic_cast<const IPL::PropertyEnumeratedValue*>(&property);
  const IPL::PropertyEnumeration* allowed = enumerated != nullptr ? enumerated->GetEnumerationReference() : nullptr;
  // An enumeration needs at least one value; one without is not written.
  if (allowed == nullptr || !HoldsAnyValue(allowed->GetEnumerationValues())) {
    return InstanceNumber();
  }
  if (!enumerationNamesReserved) {
    ReserveFileEnumerationNames();
  }
  const std::u16string name = enumerationNames.NameFor(
      allowed->GetName().GetCodeUnits(), property.GetName().GetCodeUnits(), EnumerationValuesText(*allowed));
  const AdaptedInstance adapted = AdaptEnumeration(context.schema, *allowed, name);
  for (const std::string& note : adapted.warnings) {
    warning += (warning.empty() ? "" : "; ") + note;
  }
  failed = !adapted.Ok();
  return adapted.Ok() ? context.added.AddOnce(enumerations, adapted.body).number : InstanceNumber();
}

// Said once for every property of this set and name; the texts are built only when there is something
// to say, as most properties have nothing.
void PropertySetMerge::WarnOnce(InstanceIndex index, const IPL::PropertySet& set, const IPL::Property& property,
                                const std::string& warning) {
  const std::string name = set.GetName().ToUTF8() + "." + property.GetName().ToUTF8();
  context.WarnOnce(name + ":" + warning,
                   context.ElementName(index) + ": property " + name + ": " + warning + kOnceNote);
}

InstanceNumber PropertySetMerge::WriteProperty(InstanceIndex index, const IPL::PropertySet& set,
                                               const IPL::Property& property) {
  std::string key = PropertyKey(property);
  if (!key.empty()) {
    if (const auto known = written.find(key); known != written.end()) {
      for (const std::string& warning : known->second.warnings) {
        WarnOnce(index, set, property, warning);
      }
      return known->second.number;
    }
  }
  // Checked first, so that nothing of a property that cannot be written is written.
  const AdaptedInstance checked = AdaptProperty(context.schema, property);
  for (const std::string& warning : checked.warnings) {
    WarnOnce(index, set, property, warning);
  }
  if (!key.empty() && written.size() < kMaxRememberedProperties) {
    const InstanceNumber number =
        checked.Ok() ? context.added.AddOnce(properties, checked.body).number : InstanceNumber();
    written.emplace(std::move(key), WrittenProperty{checked.warnings, number});
    return number;
  }
  if (!checked.Ok()) {
    return InstanceNumber();
  }
  std::string warning;
  bool failed = false;
  const InstanceNumber enumeration = WriteEnumeration(property, warning, failed);
  if (!warning.empty()) {
    WarnOnce(index, set, property, warning);
  }
  if (failed) {
    return InstanceNumber();  // its enumeration cannot be written: neither can the property that refers to it
  }
  const AdaptedInstance adapted = enumeration.Valid() ? AdaptProperty(context.schema, property, enumeration) : checked;
  return context.added.AddOnce(properties, adapted.body).number;
}

std::vector<InstanceNumber> PropertySetMerge::WriteProperties(InstanceIndex index, const IPL::PropertySet& set,
                                                              const std::vector<std::u16string>& existingNames) {
  std::vector<InstanceNumber> contributed;
  for (const KT::SharedPtr<IPL::Property>& property : set.GetProperties()) {
    if (property.Get() == nullptr) {
      continue;
    }
    if (std::find(existingNames.begin(), existingNames.end(), property->GetName().GetCodeUnits()) !=
        existingNames.end()) {
      context.Warn(context.ElementName(index) + ": property " + set.GetName().ToUTF8() + "." +
                   property->GetName().ToUTF8() + " is already in the file's set; the file's value stays");
      continue;
    }
    const InstanceNumber number = WriteProperty(index, set, *property);
    if (!number.Valid()) {
      continue;
    }
    contributed.push_back(number);
    ++context.summary.values;
  }
  return contributed;
}

InstanceNumber PropertySetMerge::WriteSet(const IPL::PropertySet& set,
                                          const std::optional<ExistingPropertySets::Set>& shared,
                                          const std::vector<InstanceNumber>& contributed) {
  // Replacing a shared set, the new set holds the shared set's properties too.
  ExistingPropertySets::Content content{"$", {}, {}};
  if (shared) {
    content = existing.Read(shared->set);
  }
  std::vector<InstanceNumber> members = content.properties;
  members.insert(members.end(), contributed.begin(), contributed.end());
  const std::string key = StepText(set.GetName()) + "," + content.description + "," + ReferenceList(members);
  NewInstances::Pool::const_iterator found = sets.find(key);
  if (found != sets.end()) {
    return found->second;
  }
  const NamedBody body = BuildNamedBody(context.schema, "IfcPropertySet",
                                        {{"GlobalId", "'" + context.globalIds.Derive("set" + key) + "'"},
                                         {"Name", StepText(set.GetName())},
                                         {"Description", content.description},
                                         {"HasProperties", ReferenceList(members)}},
                                        context.RootFallbacks());
  if (!body.Ok()) {
    context.WarnOnce("set:" + body.missingRequired, "property sets cannot be written: the file's schema requires " +
                                                        body.missingRequired + ", which the file has none of");
    return InstanceNumber();
  }
  const InstanceNumber number = context.added.Add(body.text);
  sets.emplace(key, number);
  ++context.summary.sets;
  return number;
}

void PropertySetMerge::Add(InstanceIndex index, const KT::Array<IPL::PropertySet>& contributedSets) {
  const InstanceNumber element = context.Model().Number(index);
  for (const IPL::PropertySet& set : contributedSets) {
    standardSets.Check(index, set);
    if (quantities.Has(element, set.GetName().GetCodeUnits())) {
      context.Warn(context.ElementName(index) + ": property set " + set.GetName().ToUTF8() +
                   " is the name of the element's quantities (IfcElementQuantity); not written beside them");
      continue;
    }
    const std::optional<ExistingPropertySets::Set> own = existing.Find(element, set.GetName().GetCodeUnits());
    const std::vector<InstanceNumber> contributed =
        WriteProperties(index, set, own ? existing.Read(own->set).names : std::vector<std::u16string>());
    if (contributed.empty()) {
      continue;
    }
    if (own && own->sharers == 1) {
      // The set is this element's alone: it grows in place.
      std::vector<InstanceNumber>& grown = grownSets[own->set];
      if (grown.empty()) {
        ++context.summary.sets;
      }
      grown.insert(grown.end(), contributed.begin(), contributed.end());
      continue;
    }
    const InstanceNumber number = WriteSet(set, own, contributed);
    if (!number.Valid()) {
      continue;
    }
    if (own) {
      leaves.push_back(Leave{own->relation, element, number});
    }
    relations.Relate(number, "$", element);
  }
}

void PropertySetMerge::LeaveRelation(InstanceIndex relation, const std::vector<const Leave*>& leaving) {
  InstanceAttributes attributes(context.Model());
  if (!attributes.Read(relation)) {
    return;
  }
  std::vector<InstanceNumber> remaining;
  for (const InstanceNumber number : attributes.References(related)) {
    if (std::none_of(leaving.begin(), leaving.end(), [&](const Leave* leave) { return leave->element == number; })) {
      remaining.push_back(number);
    }
  }
  std::vector<std::string> values = attributes.Copy();
  if (remaining.empty()) {
    // A relation may not be left empty: it keeps the elements whose new set is the first one's and
    // relates them to that set instead of a new relation doing so.
    const InstanceNumber merged = leaving.front()->merged;
    std::vector<InstanceNumber>& moved = relations.Elements(merged, "$");
    for (const Leave* leave : leaving) {
      if (leave->merged == merged) {
        remaining.push_back(leave->element);
        moved.erase(std::remove(moved.begin(), moved.end(), leave->element), moved.end());
      }
    }
    values[relating.Index()] = Reference(merged);
    repointed.emplace_back(relation, context.Model().Find(InstanceNumber(ParseStepReference(attributes[relating]))));
  }
  values[related.Index()] = ReferenceList(remaining);
  context.Rewrite(relation, values);
}

void PropertySetMerge::WriteGrownSets() {
  InstanceAttributes attributes(context.Model());
  for (const auto& [set, added] : grownSets) {
    if (!attributes.Read(set)) {
      continue;
    }
    std::vector<InstanceNumber> members = attributes.References(setProperties);
    members.insert(members.end(), added.begin(), added.end());
    std::vector<std::string> values = attributes.Copy();
    values[setProperties.Index()] = ReferenceList(members);
    context.Rewrite(set, values);
  }
}

void PropertySetMerge::RemoveUnrelatedSets() {
  // A shared set whose every relation now relates the new sets describes nothing: not written, unless
  // something else in the file refers to it.
  std::vector<InstanceNumber> candidates;
  std::vector<InstanceIndex> rewritten;
  for (const auto& [relation, set] : repointed) {
    rewritten.push_back(relation);
    const std::vector<InstanceIndex> all = existing.RelationsOf(set);
    const bool everyOne = std::all_of(all.begin(), all.end(), [&](InstanceIndex other) {
      return std::any_of(repointed.begin(), repointed.end(), [&](const auto& entry) { return entry.first == other; });
    });
    if (set.Valid() && everyOne) {
      candidates.push_back(context.Model().Number(set));
    }
  }
  for (const InstanceNumber number : Unreferenced(context.Model(), candidates, rewritten)) {
    context.replaced.Replace(context.Model().Find(number), std::string());
  }
}

void PropertySetMerge::Finish() {
  std::map<InstanceIndex, std::vector<const Leave*>> byRelation;
  for (const Leave& leave : leaves) {
    byRelation[leave.relation].push_back(&leave);
  }
  for (const auto& [relation, leaving] : byRelation) {
    LeaveRelation(relation, leaving);
  }
  RemoveUnrelatedSets();
  for (const RelationList::Relation& relation : relations.InOrder()) {
    if (!relation.elements.empty()) {
      const NamedBody body =
          BuildNamedBody(context.schema, "IfcRelDefinesByProperties",
                         {{"GlobalId", "'" + context.globalIds.Derive("defines" + Reference(relation.relating)) + "'"},
                          {"RelatedObjects", ReferenceList(relation.elements)},
                          {"RelatingPropertyDefinition", Reference(relation.relating)}},
                         context.RootFallbacks());
      context.added.Add(body.text);
      ++context.summary.relations;
    }
  }
  WriteGrownSets();
}

}  // namespace Exporter
