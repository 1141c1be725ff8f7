// KT::Hasher<K> and KT::KeyEqual<K>: the hash and equality that KT::HashSet and KT::HashTable apply
// to their keys unless told otherwise.
//
// Integral and enumeration keys hash to their own value; every other key hashes through its member
// `GenerateHashValue()` (IFCAPI::Impl::ObjectID, KT::UniString). Equality is the key's operator==.
//
//   KT::Hasher<IPL::IFCType>{}(IPL::IFCType::IfcGroup);  // 43
//   KT::Hasher<KT::UniString>{}(name);                    // name.GenerateHashValue()
//
// A container default-constructs its adapters at each use and stores none, so an adapter must be
// stateless. A different adapter is given as a template argument, e.g. one that sends every key to
// the same bucket in a test.
#pragma once

#include <cstdint>
#include <type_traits>

namespace KT {

template <class K>
struct Hasher {
  std::uint32_t operator()(const K& key) const noexcept {
    if constexpr (std::is_enum_v<K>) {
      return Hasher<std::underlying_type_t<K>>{}(static_cast<std::underlying_type_t<K>>(key));
    } else if constexpr (std::is_integral_v<K>) {
      if constexpr (sizeof(K) > sizeof(std::uint32_t)) {
        // Both halves take part, so that keys differing only in their high word spread too.
        const auto wide = static_cast<std::uint64_t>(key);
        return static_cast<std::uint32_t>(wide ^ (wide >> 32));
      } else {
        return static_cast<std::uint32_t>(key);
      }
    } else {
      return static_cast<std::uint32_t>(key.GenerateHashValue());
    }
  }
};

template <class K>
struct KeyEqual {
  bool operator()(const K& a, const K& b) const noexcept { return a == b; }
};

}  // namespace KT
