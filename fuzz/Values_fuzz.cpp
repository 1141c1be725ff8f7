// Fuzz target: every factory of the values subsystem with arbitrary type names, texts (ill-formed
// UTF-8 included) and raw values of every kind, some of the calls with an allocation failing. A
// factory either succeeds or fails with one of its messages and the caller's token; a failed
// allocation passes through as KT::OutOfMemoryException; nothing leaks either way.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzSupport.h"
#include "IFCAPI/Attribute.h"
#include "IFCAPI/Classification.h"
#include "IFCAPI/ClassificationReference.h"
#include "IFCAPI/PropertyValue.h"
#include "IFCAPI/Value.h"
#include "IPL/AnyValue.h"
#include "KT/Array.h"
#include "KT/Guid.h"
#include "KT/UniString.h"
#include "TSAPI/APIGuid.h"

namespace {

using IFCAPI::Fuzzing::Check;
using namespace IFCAPI::Impl;

const API_Guid Token = ToAPIGuid(KT::Guid("{F0220000-0000-4000-8000-00000000F022}"));

// Type names of each raw kind; any other text comes from the input (and the dictionary).
const char* const KnownTypes[] = {
    "IfcLengthMeasure", "IfcLabel", "IfcBoolean",      "IfcLogical", "IfcInteger",
    "IfcBinary",        "IfcText",  "IfcCountMeasure", "IfcReal",    "IfcPositiveLengthMeasure"};

KT::UniString Text(FuzzedDataProvider& input) {
  return KT::UniString(input.ConsumeRandomLengthString(40));
}

std::optional<KT::UniString> OptionalText(FuzzedDataProvider& input) {
  return input.ConsumeBool() ? std::nullopt : std::optional<KT::UniString>(Text(input));
}

// A raw value of any kind, the untyped and empty ones too.
IPL::AnyValue Raw(FuzzedDataProvider& input) {
  using In = FuzzedDataProvider&;
  using V = IPL::AnyValue;
  static V (*const makers[])(In) = {
      [](In in) { return V::FromBoolean(in.ConsumeBool()); },
      [](In in) { return V::FromLogical(static_cast<V::LogicalValue>(in.ConsumeIntegralInRange(0, 2))); },
      [](In in) { return V::FromInteger(in.ConsumeIntegral<std::int64_t>()); },
      [](In in) { return V::FromReal(in.ConsumeFloatingPoint<double>()); },
      [](In in) { return V::FromString(Text(in)); },
      [](In in) { return V::FromBinary(in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, 16))); },
      [](In in) { return V(static_cast<V::ValueType>(in.ConsumeIntegralInRange(0, 7))); },
      [](In) { return V(); }};
  return makers[input.ConsumeIntegralInRange(0, 7)](input);
}

template <class T>
void ExpectWellFormed(const TSAPI::Result<T, TSAPI::Error>& result) {
  if (result.HasValue()) {
    return;
  }
  const TSAPI::Error error = result.GetError();
  Check(result.GetToken() == Token, "a failure carries the caller's token");
  Check(!error.message.empty() && error.message.back() == '.', "a failure has a message ending in a full stop");
}

// Values made from the input; a failed Create leaves none behind.
KT::Array<Value> MakeValues(FuzzedDataProvider& input, std::size_t count) {
  KT::Array<Value> values;
  for (std::size_t i = 0; i < count && input.remaining_bytes() > 0; ++i) {
    const KT::UniString typeName =
        input.ConsumeBool() ? KT::UniString(KnownTypes[input.ConsumeIntegralInRange<std::size_t>(0, 9)]) : Text(input);
    auto result = Value::Create(Token, typeName, Raw(input));
    ExpectWellFormed(result);
    if (result.HasValue()) {
      Check(result.Unwrap().GetValue().GetValueType() != IPL::AnyValue::NoValueType, "a made value is typed");
      values.Push(result.Unwrap());
    }
  }
  return values;
}

// One call of each factory, from the input; `set` and `name` name the property or attribute.
using Texts = const KT::UniString&;

void CallAttribute(FuzzedDataProvider& input, Texts, Texts name) {
  auto result = Attribute::Create(Token, name, OptionalText(input));
  ExpectWellFormed(result);
  Check(result.HasValue() != name.IsEmpty(), "an attribute needs a name, and only that");
}

void CallClassification(FuzzedDataProvider& input, Texts, Texts name) {
  auto system = Classification::Create(Token, name, OptionalText(input), OptionalText(input), OptionalText(input),
                                       OptionalText(input), OptionalText(input));
  const KT::UniString relation = Text(input);
  auto reference = ClassificationReference::Create(Token, OptionalText(input), OptionalText(input), OptionalText(input),
                                                   system.Unwrap(), relation);
  ExpectWellFormed(reference);
  Check(reference.HasValue() != relation.IsEmpty(), "a reference needs a relation name, and only that");
}

void CallSingleAndBounded(FuzzedDataProvider& input, Texts set, Texts name) {
  const KT::Array<Value> values = MakeValues(input, 3);
  if (values.GetSize() > 0) {
    ExpectWellFormed(PropertyValue::CreateSingleValue(Token, set, name, values[0]));
  }
  if (values.GetSize() == 3) {
    ExpectWellFormed(PropertyValue::CreateBoundedValue(Token, set, name, values[0], values[1], values[2]));
  }
}

void CallListsAndTables(FuzzedDataProvider& input, Texts set, Texts name) {
  const auto first = MakeValues(input, input.ConsumeIntegralInRange<std::size_t>(0, 5));
  const auto second = MakeValues(input, input.ConsumeIntegralInRange<std::size_t>(0, 5));
  auto list = PropertyValue::CreateListValue(Token, set, name, first);
  ExpectWellFormed(list);
  Check(!list.HasValue() || first.GetSize() > 0, "a list value needs a value");
  ExpectWellFormed(PropertyValue::CreateEnumeratedValue(Token, set, name, first, second));
  auto table = PropertyValue::CreateTableValue(Token, set, name, first, second);
  ExpectWellFormed(table);
  Check(!table.HasValue() || first.GetSize() == second.GetSize(), "table columns have one length");
  if (list.HasValue()) {
    ExpectWellFormed(PropertyValue::Create(Token, set, *list.Unwrap().GetProperty()));
  }
}

void OneCall(FuzzedDataProvider& input, int factory) {
  void (*const calls[])(FuzzedDataProvider&, Texts, Texts) = {CallAttribute, CallClassification, CallSingleAndBounded,
                                                              CallListsAndTables};
  const KT::UniString set = Text(input);
  const KT::UniString name = Text(input);
  calls[factory](input, set, name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::size_t live = KT::MemoryManager::GetLiveAllocationCount();
  while (input.remaining_bytes() > 0) {
    const auto op = input.ConsumeIntegral<std::uint8_t>();
    IFCAPI::Fuzzing::Run(input, (op & 0x80) != 0, [&] { OneCall(input, op % 4); });
  }
  Check(KT::MemoryManager::GetLiveAllocationCount() == live, "every factory call gave its memory back");
  return 0;
}
