// Contributed attributes merged into the file: each sets the element's string-valued attribute of
// its name (Name, Description, ObjectType, Tag, LongName, ...), or unsets it when it has no value and
// the attribute is optional. Any other name, GlobalId, or unsetting a required attribute is warned
// about and skipped.
//
//   AttributeMerge attributes(context);
//   attributes.Add(wall, contributed);       // the element is written again if anything changed
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "IPL/GeneralAttribute.h"
#include "KT/Array.h"
#include "exporter/merge/MergeContext.h"

namespace Exporter {

class AttributeMerge {
 public:
  // `context` must outlive this object.
  explicit AttributeMerge(MergeContext& context) noexcept : context(context) {}

  // Merges the attributes contributed for the element at `index`.
  void Add(InstanceIndex index, const KT::Array<IPL::GeneralAttribute>& attributes);

 private:
  // Sets the element's attribute in `values` as `attribute` says, its text held by `written`; false,
  // with a warning, when it cannot.
  bool Apply(InstanceIndex index, const IPL::GeneralAttribute& attribute, std::vector<std::string>& written,
             std::vector<std::string_view>& values);

  MergeContext& context;
};

}  // namespace Exporter
