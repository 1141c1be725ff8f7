// Contributions to standard sets (Pset_, Qto_) checked against buildingSMART's templates of the file's
// schema (ifc/psets/TemplateCheck.h) before they are merged: a set the templates lack, a set on an
// entity it does not apply to, a property the set does not define, a value of another type, a literal
// the template does not list. Each is warned once per entity, set, property and mistake, naming the
// first element given it, and counted in Summary::templateMismatches, by which --strict refuses the run.
// Where the templates have no Qto_ sets (IFC2X3, IFC4) those are not checked, which is said once.
//
//   StandardSetCheck check(context);
//   check.Check(wall, contributedSet);
//   // "#58 (IfcWall): Pset_WallCommon.FireRating: the IFC4 template says IfcLabel, the add-on gave IfcInteger"
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "IPL/PropertySet.h"
#include "exporter/merge/MergeContext.h"
#include "ifc/psets/TemplateCheck.h"

namespace Exporter {

// What `set` gives, as the template check reads it.
std::vector<Ifc::GivenProperty> GivenProperties(const IPL::PropertySet& set);

class StandardSetCheck {
 public:
  // `context` must outlive this object.
  explicit StandardSetCheck(MergeContext& context);

  // Checks `set`, contributed for the element at `index`.
  void Check(InstanceIndex index, const IPL::PropertySet& set);

 private:
  // The check's outcome for a set of this content given to an instance of `entity`: elements of one
  // entity are mostly given the same sets, checked once.
  const std::vector<Ifc::TemplateMismatch>& MismatchesOf(Ifc::EntityId entity, std::string_view setName,
                                                         const std::vector<Ifc::GivenProperty>& given);

  MergeContext& context;
  Ifc::TemplateCheck check;
  std::unordered_map<std::string, std::vector<Ifc::TemplateMismatch>> checked;  // by content
  std::vector<Ifc::TemplateMismatch> last;  // the outcome of an unremembered content
};

}  // namespace Exporter
