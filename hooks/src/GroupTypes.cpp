#include "hooks/src/GroupTypes.h"

namespace IFCAPI::Impl {

const KT::HashSet<IPL::IFCType> ValidGroupTypes{IPL::IFCType::IfcGroup, IPL::IFCType::IfcSystem,
                                                IPL::IFCType::IfcDistributionSystem,
                                                IPL::IFCType::IfcDistributionCircuit, IPL::IFCType::IfcBuildingSystem};

const KT::HashSet<IPL::IFCType> SystemGroupTypes{IPL::IFCType::IfcSystem, IPL::IFCType::IfcDistributionSystem,
                                                 IPL::IFCType::IfcDistributionCircuit, IPL::IFCType::IfcBuildingSystem};

}  // namespace IFCAPI::Impl
