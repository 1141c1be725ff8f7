// Keys into a provider's answer for the hook queries' hash containers: the containers hold pointers
// to the answer's objects and hash and compare what those point at, so that finding repeats copies no
// text. The answer outlives the containers; both live for one query.
//
//   KT::HashSet<const IPL::GeneralAttribute*, ByAttributeName, ByAttributeName> firstOfEachName;
//   firstOfEachName.Add(&value.GetAttribute());  // false when an attribute of that name came before
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "IFCAPI/PropertyValue.h"
#include "IPL/GeneralAttribute.h"
#include "KT/HashCapacity.h"
#include "KT/UniString.h"

namespace IFCAPI::Impl {

// A text of the answer, such as a property set name.
struct ByText {
  std::uint32_t operator()(const KT::UniString* text) const noexcept { return text->GenerateHashValue(); }
  bool operator()(const KT::UniString* a, const KT::UniString* b) const noexcept { return *a == *b; }
};

// An attribute of the answer, by its name, which is its key.
struct ByAttributeName {
  std::uint32_t operator()(const IPL::GeneralAttribute* attribute) const noexcept {
    return attribute->GetName().GenerateHashValue();
  }
  bool operator()(const IPL::GeneralAttribute* a, const IPL::GeneralAttribute* b) const noexcept {
    return a->GetName() == b->GetName();
  }
};

// A property value of the answer placed in the output set at `setIndex`.
struct PlacedProperty {
  const PropertyValue* value;
  std::uint32_t setIndex;
};

// Placed properties by set and property name: one property of each name per set.
struct BySetAndPropertyName {
  std::uint32_t operator()(const PlacedProperty& placed) const noexcept {
    return placed.value->GetProperty()->GetName().GenerateHashValue() ^ (placed.setIndex * 0x9E3779B9u);
  }
  bool operator()(const PlacedProperty& a, const PlacedProperty& b) const noexcept {
    return a.setIndex == b.setIndex && a.value->GetProperty()->GetName() == b.value->GetProperty()->GetName();
  }
};

// Sizes the buckets of an empty hash container once for `count` entries, as its list constructor
// does, so that filling it with up to that many rehashes never.
template <class Container>
void SizeBucketsFor(Container& container, std::size_t count) {
  const double buckets =
      static_cast<double>(count) / (2.0 * static_cast<double>(container.GetMaxAverageSearch()) - 1.0);
  const auto fitting = static_cast<std::uint32_t>(std::min(buckets, static_cast<double>(UINT32_MAX)));
  container.Rehash(KT::GetNextHashCapacity(KT::GetNextHashCapacity(fitting)));
}

}  // namespace IFCAPI::Impl
