#include "SampleModelLookup.h"

#include <string>

#include "API/IfcGlobalId.h"
#include "SampleModel.h"

namespace ExampleHost {

TSAPI::Result<API::ElementInfo, TSAPI::Error> SampleModelLookup::LookUp(const API_Guid& token, const KT::Guid& guid) {
  for (const SampleModel::Element& element : SampleModel::Elements) {
    if (KT::Guid(element.guid) == guid) {
      API::ElementInfo info;
      info.globalId = API::GlobalIdFromGuid(guid);
      info.entity = std::string(element.ifcEntity);
      info.name = std::string(element.name);
      return info;
    }
  }
  return TSAPI::Result<API::ElementInfo, TSAPI::Error>(
      TSAPI::Error{API::ErrorUnknownElement, "No element has the GUID " + guid.ToString() + "."}, token);
}

}  // namespace ExampleHost
