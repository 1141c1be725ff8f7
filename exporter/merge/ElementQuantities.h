// The quantity sets (IfcElementQuantity) the file already gives its elements, by name. A contributed
// property set of a name that the element already uses for quantities is not written beside them:
// one name, one set per element, whatever its kind.
//
//   ElementQuantities quantities(context);
//   if (quantities.Has(InstanceNumber(20), u"BaseQuantities")) Warn(...);
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "exporter/merge/MergeContext.h"
#include "exporter/writer/InstanceIds.h"

namespace Exporter {

class ElementQuantities {
 public:
  // `context` must outlive this object.
  explicit ElementQuantities(const MergeContext& context) : context(context) {}

  // Whether `element` has an IfcElementQuantity called `name`. Indexed from the file's
  // IfcRelDefinesByProperties on the first call.
  bool Has(InstanceNumber element, const std::u16string& name);

 private:
  void Index();

  const MergeContext& context;
  bool indexed = false;
  std::vector<std::pair<InstanceNumber, std::u16string>> names;  // (element, quantity name), sorted
};

}  // namespace Exporter
