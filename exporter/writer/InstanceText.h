// Small pieces of STEP text that new and changed instances are made of: strings, references, lists.
//
//   const std::string name = StepText(set.GetName());          // 'Pset_WallCommon'
//   const std::string list = ReferenceList({12, 14});          // (#12,#14)
//   const std::string id = GuidText(bytes);                    // the 22 characters of a GlobalId
#pragma once

#include <string>
#include <vector>

#include "KT/Optional.h"
#include "KT/UniString.h"
#include "exporter/model/IfcGuid.h"
#include "exporter/writer/InstanceIds.h"

namespace Exporter {

// `text` as a quoted STEP string.
std::string StepText(const KT::UniString& text);

// `text` as a quoted STEP string, or "$" when it has no value.
std::string OptionalText(const KT::Optional<KT::UniString>& text);

// "#N".
std::string Reference(InstanceNumber number);

// "(#A,#B,...)"; "()" for none.
std::string ReferenceList(const std::vector<InstanceNumber>& numbers);

// The items separated by commas, without parentheses.
std::string Join(const std::vector<std::string>& items);

// The 22 characters of the GlobalId of `guid`.
std::string GuidText(const GuidBytes& guid);

}  // namespace Exporter
