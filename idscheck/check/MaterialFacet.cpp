// The material facet: the material associated with the occurrence, else with its type object; every
// name and category in a material, layer set, profile set, constituent set or list counts.
#include "idscheck/check/FacetMemo.h"
#include "idscheck/check/Facets.h"
#include "idscheck/check/Matching.h"

namespace Ids {

namespace {

void AddMaterial(const ModelIndex& index, InstanceIndex material, std::vector<std::string>& names, int depth) {
  const ModelView& model = index.Model();
  if (!material.Valid() || depth > 8) {
    return;
  }
  const auto text = [&](const char* attribute) {
    const std::string value = index.GetText(material, attribute);
    if (!value.empty()) {
      names.push_back(value);
    }
  };
  const auto nested = [&](const char* attribute) {
    for (const InstanceIndex part : index.GetReferences(material, attribute)) {
      AddMaterial(index, part, names, depth + 1);
    }
  };
  if (model.IsSubtypeOf(material, "IFCMATERIAL")) {
    text("Name");
    text("Category");
  } else if (model.IsSubtypeOf(material, "IFCMATERIALLAYERSETUSAGE")) {
    nested("ForLayerSet");
  } else if (model.IsSubtypeOf(material, "IFCMATERIALPROFILESETUSAGE")) {
    nested("ForProfileSet");
  } else if (model.IsSubtypeOf(material, "IFCMATERIALLAYERSET")) {
    text("LayerSetName");
    nested("MaterialLayers");
  } else if (model.IsSubtypeOf(material, "IFCMATERIALPROFILESET")) {
    text("Name");
    nested("MaterialProfiles");
  } else if (model.IsSubtypeOf(material, "IFCMATERIALCONSTITUENTSET")) {
    text("Name");
    nested("MaterialConstituents");
  } else if (model.IsSubtypeOf(material, "IFCMATERIALLAYER") || model.IsSubtypeOf(material, "IFCMATERIALPROFILE") ||
             model.IsSubtypeOf(material, "IFCMATERIALCONSTITUENT")) {
    text("Name");
    text("Category");
    nested("Material");
  } else if (model.IsSubtypeOf(material, "IFCMATERIALLIST")) {
    nested("Materials");
  }
}

}  // namespace

FacetEvaluator::Finding FacetEvaluator::Material(const Facet& facet, InstanceIndex instance) const {
  Finding finding;
  LinkTable::Targets materials = index.MaterialsOf(instance);
  if (materials.empty()) {
    materials = index.MaterialsOf(index.TypeOf(instance));
  }
  finding.present = !materials.empty();
  if (materials.empty()) {
    finding.reason = "has no material, required " + (facet.value.IsPresent() ? facet.value.Describe() : "any material");
    return finding;
  }
  std::vector<std::string> names;
  for (const InstanceIndex material : materials) {
    // Materials are shared by many instances: each is read once.
    const auto [known, added] = memo->materials.try_emplace(material);
    if (added) {
      AddMaterial(index, material, known->second, 0);
    }
    names.insert(names.end(), known->second.begin(), known->second.end());
  }
  if (!facet.value.IsPresent()) {
    finding.pass = true;
    return finding;
  }
  for (const std::string& name : names) {
    if (Holds(MatchesText(facet.value, name))) {
      finding.pass = true;
      return finding;
    }
  }
  std::string found;
  for (const std::string& name : names) {
    found += (found.empty() ? "'" : ", '") + name + "'";
  }
  finding.reason =
      "has material " + (found.empty() ? std::string("without name") : found) + ", required " + facet.value.Describe();
  return finding;
}

}  // namespace Ids
