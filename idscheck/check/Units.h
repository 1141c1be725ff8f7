// The model's own units, read from the project's IfcUnitAssignment, and the conversion of measure
// values to the SI units IDS values are given in (units.md): SI prefixes, conversion-based units
// (feet, degrees) and derived units, and the Celsius and Fahrenheit offsets.
//
//   Ids::ModelUnits units(index);
//   double metres = units.ToSi("IFCLENGTHMEASURE", 2500.0);  // 2.5 in a millimetre model
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "idscheck/check/ModelIndex.h"

namespace Ids {

class ModelUnits {
 public:
  explicit ModelUnits(const ModelIndex& index);

  // `value` of the measure `upperMeasure` in SI; unchanged for types that are no measure or whose unit
  // the model does not assign.
  double ToSi(std::string_view upperMeasure, double value) const;

 private:
  struct Conversion {
    double scale = 1.0;
    double offset = 0.0;  // added after scaling: degrees Celsius to kelvin
  };
  Conversion UnitConversion(InstanceIndex unit, int depth) const;

  const ModelIndex& index;
  std::map<std::string, Conversion, std::less<>> byUnitType;  // "LENGTHUNIT" -> conversion
};

}  // namespace Ids
