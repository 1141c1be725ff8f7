#include "PropertySetMerge.h"

#include <algorithm>

#include "IPL/PropertyEnumeratedValue.h"
#include "InstanceText.h"
#include "PropertyText.h"
#include "StepText.h"

namespace Exporter {

PropertySetMerge::PropertySetMerge(MergeContext& context)
    : context(context),
      existing(context),
      related(context.schema, context.schema.ifcRelDefinesByProperties, "RelatedObjects"),
      relating(context.schema, context.schema.ifcRelDefinesByProperties, "RelatingPropertyDefinition"),
      setProperties(context.schema, context.schema.ifcPropertySet, "HasProperties") {}

std::uint32_t PropertySetMerge::WriteEnumeration(const IPL::Property& property, std::string& warning) {
  const auto* enumerated = dynamic_cast<const IPL::PropertyEnumeratedValue*>(&property);
  const IPL::PropertyEnumeration* allowed = enumerated != nullptr ? enumerated->GetEnumerationReference() : nullptr;
  // An enumeration needs at least one value; one without is not written.
  if (allowed == nullptr || !HoldsAnyValue(allowed->GetEnumerationValues())) {
    return 0;
  }
  return context.added.AddOnce(enumerations, EnumerationBody(*allowed, warning)).number;
}

std::vector<std::uint32_t> PropertySetMerge::WriteProperties(std::uint32_t index, const IPL::PropertySet& set,
                                                             const std::vector<std::u16string>& existingNames) {
  std::vector<std::uint32_t> contributed;
  for (const KT::SharedPtr<IPL::Property>& property : set.GetProperties()) {
    if (property.Get() == nullptr) {
      continue;
    }
    const std::string where =
        context.ElementName(index) + ": property " + set.GetName().ToUTF8() + "." + property->GetName().ToUTF8();
    if (std::find(existingNames.begin(), existingNames.end(), property->GetName().GetCodeUnits()) !=
        existingNames.end()) {
      context.Warn(where + " is already in the file's set; the file's value stays");
      continue;
    }
    std::string warning;
    const std::uint32_t enumeration = WriteEnumeration(*property, warning);
    const std::string body = PropertyBody(*property, enumeration, warning);
    if (!warning.empty()) {
      context.Warn(where + ": " + warning);
    }
    if (body.empty()) {
      context.Warn(where + " is of no known kind; skipped");
      continue;
    }
    contributed.push_back(context.added.AddOnce(properties, body).number);
    ++context.summary.values;
  }
  return contributed;
}

std::uint32_t PropertySetMerge::WriteSet(const IPL::PropertySet& set,
                                         const std::optional<ExistingPropertySets::Set>& shared,
                                         const std::vector<std::uint32_t>& contributed) {
  // Replacing a shared set, the new set holds the shared set's properties too.
  ExistingPropertySets::Content content{"$", {}, {}};
  if (shared) {
    content = existing.Read(shared->set);
  }
  std::vector<std::uint32_t> members = content.properties;
  members.insert(members.end(), contributed.begin(), contributed.end());
  const std::string key = StepText(set.GetName()) + "," + content.description + "," + ReferenceList(members);
  NewInstances::Pool::const_iterator found = sets.find(key);
  if (found != sets.end()) {
    return found->second;
  }
  const std::uint32_t number =
      context.added.Add("IFCPROPERTYSET('" + context.globalIds.Derive("set" + key) + "',$," + key + ")");
  sets.emplace(key, number);
  ++context.summary.sets;
  return number;
}

void PropertySetMerge::Add(std::uint32_t index, const KT::Array<IPL::PropertySet>& contributedSets) {
  const std::uint32_t element = context.file.Instances()[index].number;
  for (const IPL::PropertySet& set : contributedSets) {
    const std::optional<ExistingPropertySets::Set> own = existing.Find(element, set.GetName().GetCodeUnits());
    const std::vector<std::uint32_t> contributed =
        WriteProperties(index, set, own ? existing.Read(own->set).names : std::vector<std::u16string>());
    if (contributed.empty()) {
      continue;
    }
    if (own && own->sharers == 1) {
      // The set is this element's alone: it grows in place.
      std::vector<std::uint32_t>& grown = grownSets[own->set];
      if (grown.empty()) {
        ++context.summary.sets;
      }
      grown.insert(grown.end(), contributed.begin(), contributed.end());
      continue;
    }
    const std::uint32_t number = WriteSet(set, own, contributed);
    if (own) {
      leaves.push_back(Leave{own->relation, element, number});
    }
    relations.Relate(number, "$", element);
  }
}

void PropertySetMerge::LeaveRelation(std::uint32_t relation, const std::vector<const Leave*>& leaving) {
  InstanceAttributes attributes(context.file);
  if (!attributes.Read(relation)) {
    return;
  }
  std::vector<std::uint32_t> remaining;
  for (const std::uint32_t number : attributes.References(related)) {
    if (std::none_of(leaving.begin(), leaving.end(), [&](const Leave* leave) { return leave->element == number; })) {
      remaining.push_back(number);
    }
  }
  std::vector<std::string> values = attributes.Copy();
  if (remaining.empty()) {
    // A relation may not be left empty: it keeps the elements whose new set is the first one's and
    // relates them to that set instead of a new relation doing so.
    const std::uint32_t merged = leaving.front()->merged;
    std::vector<std::uint32_t>& moved = relations.Elements(merged, "$");
    for (const Leave* leave : leaving) {
      if (leave->merged == merged) {
        remaining.push_back(leave->element);
        moved.erase(std::remove(moved.begin(), moved.end(), leave->element), moved.end());
      }
    }
    values[relating.Position()] = Reference(merged);
  }
  values[related.Position()] = ReferenceList(remaining);
  context.Rewrite(relation, values);
}

void PropertySetMerge::WriteGrownSets() {
  InstanceAttributes attributes(context.file);
  for (const auto& [set, added] : grownSets) {
    if (!attributes.Read(set)) {
      continue;
    }
    std::vector<std::uint32_t> members = attributes.References(setProperties);
    members.insert(members.end(), added.begin(), added.end());
    std::vector<std::string> values = attributes.Copy();
    values[setProperties.Position()] = ReferenceList(members);
    context.Rewrite(set, values);
  }
}

void PropertySetMerge::Finish() {
  std::map<std::uint32_t, std::vector<const Leave*>> byRelation;
  for (const Leave& leave : leaves) {
    byRelation[leave.relation].push_back(&leave);
  }
  for (const auto& [relation, leaving] : byRelation) {
    LeaveRelation(relation, leaving);
  }
  for (const RelationList::Relation& relation : relations.InOrder()) {
    if (!relation.elements.empty()) {
      context.added.Add("IFCRELDEFINESBYPROPERTIES('" +
                        context.globalIds.Derive("defines" + Reference(relation.relating)) + "',$,$,$," +
                        ReferenceList(relation.elements) + "," + Reference(relation.relating) + ")");
      ++context.summary.relations;
    }
  }
  WriteGrownSets();
}

}  // namespace Exporter
