// The example host's element look-up: it answers API::LookUpElement from the sample model's table
// (entity and name of each element), as the host answers from its model. Registered while it exports:
//
//   ExampleHost::SampleModelLookup lookup;
//   APICore::StandIn::SetElementLookup(&lookup);
#pragma once

#include "API/ElementLookup.h"

namespace ExampleHost {

class SampleModelLookup final : public API::IElementLookup {
 public:
  TSAPI::Result<API::ElementInfo, TSAPI::Error> LookUp(const API_Guid& token, const KT::Guid& guid) override;
};

}  // namespace ExampleHost
