#include "IPL/IFCType.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "IPL/AnyValue.h"
#include "platform/IFCProperties/src/Catalogue.h"

namespace IPL {

namespace {

struct CatalogueEntry {
  std::string_view name;
  IFCType type;
  AnyValue::ValueType valueType;
};

// The value types in strict code-unit order of their names, so that a name is found by binary search.
constexpr CatalogueEntry ValueTypes[] = {
    {"IfcAbsorbedDoseMeasure", IFCType::IfcAbsorbedDoseMeasure, AnyValue::Real},
    {"IfcAccelerationMeasure", IFCType::IfcAccelerationMeasure, AnyValue::Real},
    {"IfcAmountOfSubstanceMeasure", IFCType::IfcAmountOfSubstanceMeasure, AnyValue::Real},
    {"IfcAngularVelocityMeasure", IFCType::IfcAngularVelocityMeasure, AnyValue::Real},
    {"IfcAreaDensityMeasure", IFCType::IfcAreaDensityMeasure, AnyValue::Real},
    {"IfcAreaMeasure", IFCType::IfcAreaMeasure, AnyValue::Real},
    {"IfcBinary", IFCType::IfcBinary, AnyValue::Binary},
    {"IfcBoolean", IFCType::IfcBoolean, AnyValue::Boolean},
    {"IfcContextDependentMeasure", IFCType::IfcContextDependentMeasure, AnyValue::Real},
    {"IfcCountMeasure", IFCType::IfcCountMeasure, AnyValue::Real},
    {"IfcCurvatureMeasure", IFCType::IfcCurvatureMeasure, AnyValue::Real},
    {"IfcDate", IFCType::IfcDate, AnyValue::String},
    {"IfcDateTime", IFCType::IfcDateTime, AnyValue::String},
    {"IfcDescriptiveMeasure", IFCType::IfcDescriptiveMeasure, AnyValue::String},
    {"IfcDoseEquivalentMeasure", IFCType::IfcDoseEquivalentMeasure, AnyValue::Real},
    {"IfcDuration", IFCType::IfcDuration, AnyValue::String},
    {"IfcDynamicViscosityMeasure", IFCType::IfcDynamicViscosityMeasure, AnyValue::Real},
    {"IfcElectricCapacitanceMeasure", IFCType::IfcElectricCapacitanceMeasure, AnyValue::Real},
    {"IfcElectricChargeMeasure", IFCType::IfcElectricChargeMeasure, AnyValue::Real},
    {"IfcElectricConductanceMeasure", IFCType::IfcElectricConductanceMeasure, AnyValue::Real},
    {"IfcElectricCurrentMeasure", IFCType::IfcElectricCurrentMeasure, AnyValue::Real},
    {"IfcElectricResistanceMeasure", IFCType::IfcElectricResistanceMeasure, AnyValue::Real},
    {"IfcElectricVoltageMeasure", IFCType::IfcElectricVoltageMeasure, AnyValue::Real},
    {"IfcEnergyMeasure", IFCType::IfcEnergyMeasure, AnyValue::Real},
    {"IfcForceMeasure", IFCType::IfcForceMeasure, AnyValue::Real},
    {"IfcFrequencyMeasure", IFCType::IfcFrequencyMeasure, AnyValue::Real},
    {"IfcHeatFluxDensityMeasure", IFCType::IfcHeatFluxDensityMeasure, AnyValue::Real},
    {"IfcHeatingValueMeasure", IFCType::IfcHeatingValueMeasure, AnyValue::Real},
    {"IfcIdentifier", IFCType::IfcIdentifier, AnyValue::String},
    {"IfcIlluminanceMeasure", IFCType::IfcIlluminanceMeasure, AnyValue::Real},
    {"IfcInductanceMeasure", IFCType::IfcInductanceMeasure, AnyValue::Real},
    {"IfcInteger", IFCType::IfcInteger, AnyValue::Integer},
    {"IfcIntegerCountRateMeasure", IFCType::IfcIntegerCountRateMeasure, AnyValue::Integer},
    {"IfcIonConcentrationMeasure", IFCType::IfcIonConcentrationMeasure, AnyValue::Real},
    {"IfcIsothermalMoistureCapacityMeasure", IFCType::IfcIsothermalMoistureCapacityMeasure, AnyValue::Real},
    {"IfcKinematicViscosityMeasure", IFCType::IfcKinematicViscosityMeasure, AnyValue::Real},
    {"IfcLabel", IFCType::IfcLabel, AnyValue::String},
    {"IfcLengthMeasure", IFCType::IfcLengthMeasure, AnyValue::Real},
    {"IfcLinearForceMeasure", IFCType::IfcLinearForceMeasure, AnyValue::Real},
    {"IfcLinearMomentMeasure", IFCType::IfcLinearMomentMeasure, AnyValue::Real},
    {"IfcLinearStiffnessMeasure", IFCType::IfcLinearStiffnessMeasure, AnyValue::Real},
    {"IfcLinearVelocityMeasure", IFCType::IfcLinearVelocityMeasure, AnyValue::Real},
    {"IfcLogical", IFCType::IfcLogical, AnyValue::Logical},
    {"IfcLuminousFluxMeasure", IFCType::IfcLuminousFluxMeasure, AnyValue::Real},
    {"IfcLuminousIntensityDistributionMeasure", IFCType::IfcLuminousIntensityDistributionMeasure, AnyValue::Real},
    {"IfcLuminousIntensityMeasure", IFCType::IfcLuminousIntensityMeasure, AnyValue::Real},
    {"IfcMagneticFluxDensityMeasure", IFCType::IfcMagneticFluxDensityMeasure, AnyValue::Real},
    {"IfcMagneticFluxMeasure", IFCType::IfcMagneticFluxMeasure, AnyValue::Real},
    {"IfcMassDensityMeasure", IFCType::IfcMassDensityMeasure, AnyValue::Real},
    {"IfcMassFlowRateMeasure", IFCType::IfcMassFlowRateMeasure, AnyValue::Real},
    {"IfcMassMeasure", IFCType::IfcMassMeasure, AnyValue::Real},
    {"IfcMassPerLengthMeasure", IFCType::IfcMassPerLengthMeasure, AnyValue::Real},
    {"IfcModulusOfElasticityMeasure", IFCType::IfcModulusOfElasticityMeasure, AnyValue::Real},
    {"IfcModulusOfLinearSubgradeReactionMeasure", IFCType::IfcModulusOfLinearSubgradeReactionMeasure, AnyValue::Real},
    {"IfcModulusOfRotationalSubgradeReactionMeasure", IFCType::IfcModulusOfRotationalSubgradeReactionMeasure,
     AnyValue::Real},
    {"IfcModulusOfSubgradeReactionMeasure", IFCType::IfcModulusOfSubgradeReactionMeasure, AnyValue::Real},
    {"IfcMoistureDiffusivityMeasure", IFCType::IfcMoistureDiffusivityMeasure, AnyValue::Real},
    {"IfcMolecularWeightMeasure", IFCType::IfcMolecularWeightMeasure, AnyValue::Real},
    {"IfcMomentOfInertiaMeasure", IFCType::IfcMomentOfInertiaMeasure, AnyValue::Real},
    {"IfcMonetaryMeasure", IFCType::IfcMonetaryMeasure, AnyValue::Real},
    {"IfcNonNegativeLengthMeasure", IFCType::IfcNonNegativeLengthMeasure, AnyValue::Real},
    {"IfcNormalisedRatioMeasure", IFCType::IfcNormalisedRatioMeasure, AnyValue::Real},
    {"IfcNumericMeasure", IFCType::IfcNumericMeasure, AnyValue::Real},
    {"IfcPHMeasure", IFCType::IfcPHMeasure, AnyValue::Real},
    {"IfcParameterValue", IFCType::IfcParameterValue, AnyValue::Real},
    {"IfcPlanarForceMeasure", IFCType::IfcPlanarForceMeasure, AnyValue::Real},
    {"IfcPlaneAngleMeasure", IFCType::IfcPlaneAngleMeasure, AnyValue::Real},
    {"IfcPositiveInteger", IFCType::IfcPositiveInteger, AnyValue::Integer},
    {"IfcPositiveLengthMeasure", IFCType::IfcPositiveLengthMeasure, AnyValue::Real},
    {"IfcPositivePlaneAngleMeasure", IFCType::IfcPositivePlaneAngleMeasure, AnyValue::Real},
    {"IfcPositiveRatioMeasure", IFCType::IfcPositiveRatioMeasure, AnyValue::Real},
    {"IfcPowerMeasure", IFCType::IfcPowerMeasure, AnyValue::Real},
    {"IfcPressureMeasure", IFCType::IfcPressureMeasure, AnyValue::Real},
    {"IfcRadioActivityMeasure", IFCType::IfcRadioActivityMeasure, AnyValue::Real},
    {"IfcRatioMeasure", IFCType::IfcRatioMeasure, AnyValue::Real},
    {"IfcReal", IFCType::IfcReal, AnyValue::Real},
    {"IfcRotationalFrequencyMeasure", IFCType::IfcRotationalFrequencyMeasure, AnyValue::Real},
    {"IfcRotationalMassMeasure", IFCType::IfcRotationalMassMeasure, AnyValue::Real},
    {"IfcRotationalStiffnessMeasure", IFCType::IfcRotationalStiffnessMeasure, AnyValue::Real},
    {"IfcSectionModulusMeasure", IFCType::IfcSectionModulusMeasure, AnyValue::Real},
    {"IfcSectionalAreaIntegralMeasure", IFCType::IfcSectionalAreaIntegralMeasure, AnyValue::Real},
    {"IfcShearModulusMeasure", IFCType::IfcShearModulusMeasure, AnyValue::Real},
    {"IfcSolidAngleMeasure", IFCType::IfcSolidAngleMeasure, AnyValue::Real},
    {"IfcSoundPowerLevelMeasure", IFCType::IfcSoundPowerLevelMeasure, AnyValue::Real},
    {"IfcSoundPowerMeasure", IFCType::IfcSoundPowerMeasure, AnyValue::Real},
    {"IfcSoundPressureLevelMeasure", IFCType::IfcSoundPressureLevelMeasure, AnyValue::Real},
    {"IfcSoundPressureMeasure", IFCType::IfcSoundPressureMeasure, AnyValue::Real},
    {"IfcSpecificHeatCapacityMeasure", IFCType::IfcSpecificHeatCapacityMeasure, AnyValue::Real},
    {"IfcTemperatureGradientMeasure", IFCType::IfcTemperatureGradientMeasure, AnyValue::Real},
    {"IfcTemperatureRateOfChangeMeasure", IFCType::IfcTemperatureRateOfChangeMeasure, AnyValue::Real},
    {"IfcText", IFCType::IfcText, AnyValue::String},
    {"IfcThermalAdmittanceMeasure", IFCType::IfcThermalAdmittanceMeasure, AnyValue::Real},
    {"IfcThermalConductivityMeasure", IFCType::IfcThermalConductivityMeasure, AnyValue::Real},
    {"IfcThermalExpansionCoefficientMeasure", IFCType::IfcThermalExpansionCoefficientMeasure, AnyValue::Real},
    {"IfcThermalResistanceMeasure", IFCType::IfcThermalResistanceMeasure, AnyValue::Real},
    {"IfcThermalTransmittanceMeasure", IFCType::IfcThermalTransmittanceMeasure, AnyValue::Real},
    {"IfcThermodynamicTemperatureMeasure", IFCType::IfcThermodynamicTemperatureMeasure, AnyValue::Real},
    {"IfcTime", IFCType::IfcTime, AnyValue::String},
    {"IfcTimeMeasure", IFCType::IfcTimeMeasure, AnyValue::Real},
    {"IfcTimeStamp", IFCType::IfcTimeStamp, AnyValue::Integer},
    {"IfcTorqueMeasure", IFCType::IfcTorqueMeasure, AnyValue::Real},
    {"IfcVaporPermeabilityMeasure", IFCType::IfcVaporPermeabilityMeasure, AnyValue::Real},
    {"IfcVolumeMeasure", IFCType::IfcVolumeMeasure, AnyValue::Real},
    {"IfcVolumetricFlowRateMeasure", IFCType::IfcVolumetricFlowRateMeasure, AnyValue::Real},
    {"IfcWarpingConstantMeasure", IFCType::IfcWarpingConstantMeasure, AnyValue::Real},
    {"IfcWarpingMomentMeasure", IFCType::IfcWarpingMomentMeasure, AnyValue::Real},
};

constexpr CatalogueEntry Entities[] = {
    {"IfcGroup", IFCType::IfcGroup, AnyValue::NoValueType},
    {"IfcBuildingSystem", IFCType::IfcBuildingSystem, AnyValue::NoValueType},
    {"IfcRelAssignsToGroup", IFCType::IfcRelAssignsToGroup, AnyValue::NoValueType},
    {"IfcRelServicesBuildings", IFCType::IfcRelServicesBuildings, AnyValue::NoValueType},
    {"IfcSystem", IFCType::IfcSystem, AnyValue::NoValueType},
    {"IfcDistributionSystem", IFCType::IfcDistributionSystem, AnyValue::NoValueType},
    {"IfcDistributionCircuit", IFCType::IfcDistributionCircuit, AnyValue::NoValueType},
};

constexpr bool IsSortedByName() {
  for (std::size_t i = 1; i < std::size(ValueTypes); ++i) {
    if (!(ValueTypes[i - 1].name < ValueTypes[i].name)) {
      return false;
    }
  }
  return true;
}
static_assert(IsSortedByName(), "the value types must stay in name order for the binary search");

// Compares a text with an ASCII name code unit by code unit, as UniString's own order does.
int Compare(const std::u16string& text, std::string_view name) noexcept {
  const std::size_t common = std::min(text.size(), name.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto a = static_cast<std::uint32_t>(text[i]);
    const auto b = static_cast<std::uint32_t>(static_cast<unsigned char>(name[i]));
    if (a != b) {
      return a < b ? -1 : 1;
    }
  }
  return text.size() == name.size() ? 0 : (text.size() < name.size() ? -1 : 1);
}

const CatalogueEntry* FindByType(IFCType type) noexcept {
  const auto number = static_cast<std::uint32_t>(type);
  const auto first = static_cast<std::uint32_t>(ValueTypes[0].type);
  // The value types are numbered consecutively in name order.
  if (number >= first && number - first < std::size(ValueTypes)) {
    return &ValueTypes[number - first];
  }
  for (const CatalogueEntry& entry : Entities) {
    if (entry.type == type) {
      return &entry;
    }
  }
  return nullptr;
}

constexpr bool IsNumberedInOrder() {
  for (std::size_t i = 0; i < std::size(ValueTypes); ++i) {
    if (static_cast<std::uint32_t>(ValueTypes[i].type) != static_cast<std::uint32_t>(ValueTypes[0].type) + i) {
      return false;
    }
  }
  return true;
}
static_assert(IsNumberedInOrder(), "the value types are found by number as an index");

}  // namespace

KT::Optional<IFCType> StringToIFCTypeStrict(const KT::UniString& name) {
  const std::u16string& text = name.GetCodeUnits();
  const CatalogueEntry* found = std::lower_bound(
      std::begin(ValueTypes), std::end(ValueTypes), text,
      [](const CatalogueEntry& entry, const std::u16string& key) { return Compare(key, entry.name) > 0; });
  if (found != std::end(ValueTypes) && Compare(text, found->name) == 0) {
    return found->type;
  }
  for (const CatalogueEntry& entry : Entities) {
    if (Compare(text, entry.name) == 0) {
      return entry.type;
    }
  }
  return {};
}

std::string_view GetIFCTypeName(IFCType type) noexcept {
  const CatalogueEntry* entry = FindByType(type);
  return entry != nullptr ? entry->name : std::string_view();
}

std::size_t GetValueIFCTypeCount() noexcept {
  return std::size(ValueTypes);
}

IFCType GetValueIFCType(std::size_t index) noexcept {
  return index < std::size(ValueTypes) ? ValueTypes[index].type : IFCType::NullIFCType;
}

AnyValue::ValueType Catalogue::RequiredValueType(IFCType type) noexcept {
  const CatalogueEntry* entry = FindByType(type);
  return entry != nullptr ? entry->valueType : AnyValue::NoValueType;
}

}  // namespace IPL
