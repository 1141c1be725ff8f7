#include "idscheck/check/Units.h"

#include <cmath>

#include "idscheck/check/Tables.h"

namespace Ids {

namespace {

double PrefixFactor(std::string_view prefix) noexcept {
  static const struct {
    const char* name;
    double factor;
  } kPrefixes[] = {{"EXA", 1e18},  {"PETA", 1e15},  {"TERA", 1e12},   {"GIGA", 1e9},   {"MEGA", 1e6},   {"KILO", 1e3},
                   {"HECTO", 1e2}, {"DECA", 1e1},   {"DECI", 1e-1},   {"CENTI", 1e-2}, {"MILLI", 1e-3}, {"MICRO", 1e-6},
                   {"NANO", 1e-9}, {"PICO", 1e-12}, {"FEMTO", 1e-15}, {"ATTO", 1e-18}};
  for (const auto& entry : kPrefixes) {
    if (prefix == entry.name) {
      return entry.factor;
    }
  }
  return 1.0;
}

double NumberOf(const ModelValue& value) noexcept {
  const ModelValue& inner = value.Unwrapped();
  if (inner.kind == ModelValue::Kind::Real) {
    return inner.real;
  }
  if (inner.kind == ModelValue::Kind::Integer) {
    return static_cast<double>(inner.integer);
  }
  return 1.0;
}

}  // namespace

ModelUnits::ModelUnits(const ModelIndex& index) : index(index) {
  const ModelView& model = index.Model();
  for (const InstanceIndex instance : model.InstancesOf("IFCPROJECT", false)) {
    const InstanceIndex assignment = index.GetReference(instance, "UnitsInContext");
    for (const InstanceIndex unit : index.GetReferences(assignment, "Units")) {
      const std::string type = index.GetText(unit, "UnitType");
      if (!type.empty() && type != "USERDEFINED") {
        byUnitType[type] = UnitConversion(unit, 0);
      }
    }
    break;
  }
}

ModelUnits::Conversion ModelUnits::UnitConversion(InstanceIndex unit, int depth) const {
  Conversion conversion;
  const ModelView& model = index.Model();
  if (!unit.Valid() || depth > 8) {
    return conversion;
  }
  if (model.IsSubtypeOf(unit, "IFCSIUNIT")) {
    const std::string name = index.GetText(unit, "Name");
    const double prefix = PrefixFactor(index.GetText(unit, "Prefix"));
    const int power = name == "SQUARE_METRE" ? 2 : name == "CUBIC_METRE" ? 3 : 1;
    conversion.scale = std::pow(prefix, power);
    if (name == "GRAM") {
      conversion.scale *= 1e-3;  // the SI unit of mass is the kilogram
    }
    if (name == "DEGREE_CELSIUS") {
      conversion.offset = 273.15;
    }
  } else if (model.IsSubtypeOf(unit, "IFCCONVERSIONBASEDUNIT")) {
    const InstanceIndex factor = index.GetReference(unit, "ConversionFactor");
    const Conversion base = UnitConversion(index.GetReference(factor, "UnitComponent"), depth + 1);
    conversion.scale = NumberOf(index.Get(factor, "ValueComponent")) * base.scale;
    conversion.offset = base.offset;
    if (model.IsSubtypeOf(unit, "IFCCONVERSIONBASEDUNITWITHOFFSET")) {
      conversion.offset += NumberOf(index.Get(unit, "ConversionOffset")) * conversion.scale;
    }
  } else if (model.IsSubtypeOf(unit, "IFCDERIVEDUNIT")) {
    for (const InstanceIndex element : index.GetReferences(unit, "Elements")) {
      const Conversion part = UnitConversion(index.GetReference(element, "Unit"), depth + 1);
      conversion.scale *= std::pow(part.scale, NumberOf(index.Get(element, "Exponent")));
    }
  }
  return conversion;
}

double ModelUnits::ToSi(std::string_view upperMeasure, double value) const {
  const Tables::MeasureRow* measure = Tables::FindMeasure(upperMeasure);
  if (measure == nullptr) {
    return value;
  }
  const auto found = byUnitType.find(std::string_view(measure->unit));
  if (found == byUnitType.end()) {
    return value;
  }
  return value * found->second.scale + found->second.offset;
}

}  // namespace Ids
