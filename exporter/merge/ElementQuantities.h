// The quantity sets (IfcElementQuantity) the file already gives its elements, by name. A contributed
// property set of a name that the element already uses for quantities is not written beside them:
// one name, one set per element, whatever its kind.
//
//   ElementQuantities quantities(context);
//   if (quantities.Has(wallNumber, u"BaseQuantities")) Warn(...);
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "MergeContext.h"

namespace Exporter {

class ElementQuantities {
 public:
  // `context` must outlive this object.
  explicit ElementQuantities(const MergeContext& context) : context(context) {}

  // Whether the element numbered `element` has an IfcElementQuantity called `name`. Indexed from the
  // file's IfcRelDefinesByProperties on the first call.
  bool Has(std::uint32_t element, const std::u16string& name);

 private:
  void Index();

  const MergeContext& context;
  bool indexed = false;
  std::vector<std::pair<std::uint32_t, std::u16string>> names;  // (element number, quantity name), sorted
};

}  // namespace Exporter
