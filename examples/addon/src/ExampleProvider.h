// The example add-on's hook data provider: what the add-on adds to the IFC export of the sample model.
//
// For each element it knows by GUID it answers property values of the five kinds, attributes and
// classification references; for every element of some entities, found out through the host's element
// look-up (API::LookUpElement), more of them: every wall a Pset_WallCommon fire rating, every space a
// classification by its storey, every radiator and pipe its type's data. For the export as a whole, a
// heating system with a circuit and a fire compartment group with their members and the building the
// system services; and, by what the elements are, one group of heat emitters (every IfcFlowTerminal)
// per storey, its members collected while the elements are asked. Every factory result
// is tested; a refused one is reported on stderr and left out, as a real add-on would do.
#pragma once

#include <string>
#include <vector>

#include "IFCAPI/IHookDataProvider.h"

namespace ExampleAddOn {

class ExampleProvider : public IFCAPI::Impl::IHookDataProvider {
 public:
  void GetProperties(const IFCAPI::Impl::ObjectID& objectId, std::vector<IFCAPI::Impl::PropertyValue>& values) override;
  void GetAttributes(const IFCAPI::Impl::ObjectID& objectId, std::vector<IFCAPI::Impl::Attribute>& values) override;
  void GetClassificationReferences(const IFCAPI::Impl::ObjectID& objectId,
                                   std::vector<IFCAPI::Impl::ClassificationReference>& values) override;

  // The alternative family answers for the element's type, which the exporter writes separately.
  void GetAlternativeProperties(const IFCAPI::Impl::ObjectID& objectId,
                                std::vector<IFCAPI::Impl::PropertyValue>& values) override;
  void GetAlternativeAttributes(const IFCAPI::Impl::ObjectID& objectId,
                                std::vector<IFCAPI::Impl::Attribute>& values) override;
  void GetAlternativeClassificationReferences(const IFCAPI::Impl::ObjectID& objectId,
                                              std::vector<IFCAPI::Impl::ClassificationReference>& values) override;

  // Creates the groups, those of the members collected during the element queries too: the host asks
  // it once, after every element's queries.
  void GetAssignments(std::vector<IFCAPI::Impl::HookAssignments>& values) override;

 private:
  // The heat emitters of one storey, as the element queries find them.
  struct StoreyMembers {
    std::string storeyGlobalId;
    std::string storeyName;
    std::vector<IFCAPI::Impl::ObjectID> members;
  };

  void AddHeatEmitter(const IFCAPI::Impl::ObjectID& objectId, const std::string& storeyGlobalId,
                      const std::string& storeyName);
  void AddHeatEmitterGroups(IFCAPI::Impl::HookAssignments& assignments);

  std::vector<StoreyMembers> heatEmittersByStorey;  // in the order their storeys were first met
};

}  // namespace ExampleAddOn
