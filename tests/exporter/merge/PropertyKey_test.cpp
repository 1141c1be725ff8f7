#include "exporter/merge/PropertyKey.h"

#include <gtest/gtest.h>

#include <string>

#include "IPL/PropertyBoundedValue.h"
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyListValue.h"
#include "IPL/PropertySingleValue.h"
#include "IPL/PropertyTableValue.h"

namespace Exporter {
namespace {

using IPL::AnyValue;
using IPL::IFCType;

IPL::Value Label(const char* text) {
  return IPL::Value(AnyValue::FromString(text), IFCType::IfcLabel);
}

IPL::Value Length(double metres) {
  return IPL::Value(AnyValue::FromReal(metres), IFCType::IfcLengthMeasure);
}

std::string Single(const char* name, const IPL::Value& value) {
  IPL::PropertySingleValue property;
  property.SetName(name);
  property.SetNominalValue(value);
  return PropertyKey(property);
}

std::string List(const char* name, const KT::Array<IPL::Value>& values) {
  IPL::PropertyListValue property;
  property.SetName(name);
  property.SetListValues(values);
  return PropertyKey(property);
}

std::string Bounded(const IPL::Value& lower, const IPL::Value& upper) {
  IPL::PropertyBoundedValue property;
  property.SetName("Range");
  property.SetLowerBoundValue(lower);
  property.SetUpperBoundValue(upper);
  return PropertyKey(property);
}

// Properties the merge writes differently must have different keys: the merge would otherwise reuse
// the first one's instance for the second.
TEST(PropertyKey, TellsApartWhatIsWrittenDifferently) {
  const struct {
    const char* what;
    std::string one, other;
  } cases[] = {
      {"value", Single("Width", Length(0.3)), Single("Width", Length(0.4))},
      {"IFC type", Single("Note", Label("x")), Single("Note", IPL::Value(AnyValue::FromString("x"), IFCType::IfcText))},
      {"name", Single("Width", Length(0.3)), Single("Height", Length(0.3))},
      {"signed zero", Single("Width", Length(0.0)), Single("Width", Length(-0.0))},
      {"unset and set", Single("Width", IPL::Value()), Single("Width", Length(0.0))},
      {"kind", Single("Layers", Label("a")), List("Layers", {Label("a")})},
      {"text split across items", List("Layers", {Label("ab"), Label("c")}), List("Layers", {Label("a"), Label("bc")})},
      {"order", List("Layers", {Label("a"), Label("b")}), List("Layers", {Label("b"), Label("a")})},
      {"bound", Bounded(Length(1.0), IPL::Value()), Bounded(IPL::Value(), Length(1.0))},
      {"integer and real", Single("N", IPL::Value(AnyValue::FromInteger(1), IFCType::IfcInteger)),
       Single("N", IPL::Value(AnyValue::FromReal(1.0), IFCType::IfcReal))},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(c.one.empty()) << c.what;
    EXPECT_NE(c.one, c.other) << c.what;
  }
}

// Two properties made apart but alike share a key; an enumerated value has none (its enumeration's
// name depends on the names given before it).
TEST(PropertyKey, AlikePropertiesShareOneKeyAndEnumerationsHaveNone) {
  EXPECT_EQ(Single("Width", Length(0.3)), Single("Width", Length(0.3)));
  EXPECT_EQ(List("Layers", {Label("a"), Label("b")}), List("Layers", {Label("a"), Label("b")}));
  IPL::PropertyTableValue table;
  table.SetName("Curve");
  table.SetDefiningValues({Length(1.0)});
  table.SetDefinedValues({Length(2.0)});
  IPL::PropertyTableValue swapped = table;
  swapped.SetDefiningValues({Length(2.0)});
  swapped.SetDefinedValues({Length(1.0)});
  EXPECT_NE(PropertyKey(table), PropertyKey(swapped));
  IPL::PropertyEnumeratedValue enumerated;
  enumerated.SetName("Status");
  enumerated.SetEnumerationValues({Label("NEW")});
  EXPECT_EQ(PropertyKey(enumerated), "");
}

}  // namespace
}  // namespace Exporter
