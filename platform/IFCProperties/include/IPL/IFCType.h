// IPL::IFCType: the IFC property library's 32-bit enumeration of IFC entity and type names, with the
// lookups between a type and its schema name.
//
//   const KT::Optional<IPL::IFCType> label = IPL::StringToIFCTypeStrict("IfcLabel");
//   assert(label.HasValue() && IPL::GetIFCTypeName(label.Get()) == "IfcLabel");
//   assert(IPL::StringToIFCTypeStrict("IFCLABEL").IsEmpty());
//   assert(static_cast<std::uint32_t>(IPL::IFCType::IfcGroup) == 43);
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "IPL/Export.h"
#include "KT/Optional.h"
#include "KT/UniString.h"

namespace IPL {

// The numbers are fixed: they are stored and compared as plain 32-bit values.
enum class IFCType : std::uint32_t {
  // No IFC type.
  NullIFCType = 0,

  // Entities.
  IfcGroup = 43,
  IfcBuildingSystem = 74,
  IfcRelAssignsToGroup = 210,
  IfcRelServicesBuildings = 212,
  IfcSystem = 213,
  IfcDistributionSystem = 393,
  IfcDistributionCircuit = 394,

  // The IFC4 defined types that can stand as a property value (the members of the IfcValue select),
  // in name order. IfcComplexNumber and IfcCompoundPlaneAngleMeasure are left out: their underlying
  // types are aggregates, which a raw value cannot hold.
  IfcAbsorbedDoseMeasure = 1001,
  IfcAccelerationMeasure = 1002,
  IfcAmountOfSubstanceMeasure = 1003,
  IfcAngularVelocityMeasure = 1004,
  IfcAreaDensityMeasure = 1005,
  IfcAreaMeasure = 1006,
  IfcBinary = 1007,
  IfcBoolean = 1008,
  IfcContextDependentMeasure = 1009,
  IfcCountMeasure = 1010,
  IfcCurvatureMeasure = 1011,
  IfcDate = 1012,
  IfcDateTime = 1013,
  IfcDescriptiveMeasure = 1014,
  IfcDoseEquivalentMeasure = 1015,
  IfcDuration = 1016,
  IfcDynamicViscosityMeasure = 1017,
  IfcElectricCapacitanceMeasure = 1018,
  IfcElectricChargeMeasure = 1019,
  IfcElectricConductanceMeasure = 1020,
  IfcElectricCurrentMeasure = 1021,
  IfcElectricResistanceMeasure = 1022,
  IfcElectricVoltageMeasure = 1023,
  IfcEnergyMeasure = 1024,
  IfcForceMeasure = 1025,
  IfcFrequencyMeasure = 1026,
  IfcHeatFluxDensityMeasure = 1027,
  IfcHeatingValueMeasure = 1028,
  IfcIdentifier = 1029,
  IfcIlluminanceMeasure = 1030,
  IfcInductanceMeasure = 1031,
  IfcInteger = 1032,
  IfcIntegerCountRateMeasure = 1033,
  IfcIonConcentrationMeasure = 1034,
  IfcIsothermalMoistureCapacityMeasure = 1035,
  IfcKinematicViscosityMeasure = 1036,
  IfcLabel = 1037,
  IfcLengthMeasure = 1038,
  IfcLinearForceMeasure = 1039,
  IfcLinearMomentMeasure = 1040,
  IfcLinearStiffnessMeasure = 1041,
  IfcLinearVelocityMeasure = 1042,
  IfcLogical = 1043,
  IfcLuminousFluxMeasure = 1044,
  IfcLuminousIntensityDistributionMeasure = 1045,
  IfcLuminousIntensityMeasure = 1046,
  IfcMagneticFluxDensityMeasure = 1047,
  IfcMagneticFluxMeasure = 1048,
  IfcMassDensityMeasure = 1049,
  IfcMassFlowRateMeasure = 1050,
  IfcMassMeasure = 1051,
  IfcMassPerLengthMeasure = 1052,
  IfcModulusOfElasticityMeasure = 1053,
  IfcModulusOfLinearSubgradeReactionMeasure = 1054,
  IfcModulusOfRotationalSubgradeReactionMeasure = 1055,
  IfcModulusOfSubgradeReactionMeasure = 1056,
  IfcMoistureDiffusivityMeasure = 1057,
  IfcMolecularWeightMeasure = 1058,
  IfcMomentOfInertiaMeasure = 1059,
  IfcMonetaryMeasure = 1060,
  IfcNonNegativeLengthMeasure = 1061,
  IfcNormalisedRatioMeasure = 1062,
  IfcNumericMeasure = 1063,
  IfcPHMeasure = 1064,
  IfcParameterValue = 1065,
  IfcPlanarForceMeasure = 1066,
  IfcPlaneAngleMeasure = 1067,
  IfcPositiveInteger = 1068,
  IfcPositiveLengthMeasure = 1069,
  IfcPositivePlaneAngleMeasure = 1070,
  IfcPositiveRatioMeasure = 1071,
  IfcPowerMeasure = 1072,
  IfcPressureMeasure = 1073,
  IfcRadioActivityMeasure = 1074,
  IfcRatioMeasure = 1075,
  IfcReal = 1076,
  IfcRotationalFrequencyMeasure = 1077,
  IfcRotationalMassMeasure = 1078,
  IfcRotationalStiffnessMeasure = 1079,
  IfcSectionModulusMeasure = 1080,
  IfcSectionalAreaIntegralMeasure = 1081,
  IfcShearModulusMeasure = 1082,
  IfcSolidAngleMeasure = 1083,
  IfcSoundPowerLevelMeasure = 1084,
  IfcSoundPowerMeasure = 1085,
  IfcSoundPressureLevelMeasure = 1086,
  IfcSoundPressureMeasure = 1087,
  IfcSpecificHeatCapacityMeasure = 1088,
  IfcTemperatureGradientMeasure = 1089,
  IfcTemperatureRateOfChangeMeasure = 1090,
  IfcText = 1091,
  IfcThermalAdmittanceMeasure = 1092,
  IfcThermalConductivityMeasure = 1093,
  IfcThermalExpansionCoefficientMeasure = 1094,
  IfcThermalResistanceMeasure = 1095,
  IfcThermalTransmittanceMeasure = 1096,
  IfcThermodynamicTemperatureMeasure = 1097,
  IfcTime = 1098,
  IfcTimeMeasure = 1099,
  IfcTimeStamp = 1100,
  IfcTorqueMeasure = 1101,
  IfcVaporPermeabilityMeasure = 1102,
  IfcVolumeMeasure = 1103,
  IfcVolumetricFlowRateMeasure = 1104,
  IfcWarpingConstantMeasure = 1105,
  IfcWarpingMomentMeasure = 1106,
};

static_assert(sizeof(IFCType) == 4, "IFC types are stored and hashed as 32-bit values");

// The type whose schema name is exactly `name` (letter case counts); empty for any other text, the
// empty text included. Knows the entities and the value types above, not NullIFCType.
IPL_EXPORT KT::Optional<IFCType> StringToIFCTypeStrict(const KT::UniString& name);

// The schema name of `type`, such as "IfcLabel"; empty for NullIFCType and for numbers that name no
// type. The text is static.
IPL_EXPORT std::string_view GetIFCTypeName(IFCType type) noexcept;

// The value types in name order: index 0 to GetValueIFCTypeCount() - 1. An index past the end gives
// NullIFCType.
IPL_EXPORT std::size_t GetValueIFCTypeCount() noexcept;
IPL_EXPORT IFCType GetValueIFCType(std::size_t index) noexcept;

}  // namespace IPL
