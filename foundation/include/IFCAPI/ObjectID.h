// IFCAPI::Impl::ObjectID: the identity of an IFC entity, either a GUID (a concrete entity such as an
// element, a group or a relation) or an IFC type.
//
// Equality and hashing look at the identity only, never at the token of the add-on that made the
// object, so identities made by different add-ons for the same GUID are equal:
//
//   const ObjectID wall(addOnA, KT::Guid("{...}"));
//   const ObjectID same(addOnB, KT::Guid("{...}"));
//   assert(wall == same && wall.GenerateHashValue() == same.GenerateHashValue());
//   assert(ObjectID(token, IPL::IFCType::IfcGroup).GetGUID() == KT::NULLGuid);
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "IFCAPI/Export.h"
#include "IPL/IFCType.h"
#include "KT/Guid.h"
#include "TSAPI/ObjectImpl.h"

namespace IFCAPI::Impl {

// What GetIFCType() gives for a GUID identity.
inline constexpr IPL::IFCType NullIFCType = static_cast<IPL::IFCType>(0);

class IFCAPI_EXPORT ObjectID : public TSAPI::Impl::ObjectImpl {
 public:
  // A GUID identity; the null GUID is a valid one.
  ObjectID(const API_Guid& token, const KT::Guid& guid) noexcept;

  // An IFC type identity.
  ObjectID(const API_Guid& token, const IPL::IFCType& type) noexcept;

  // Copies the identity and keeps the token of `other`.
  ObjectID(const ObjectID& other) noexcept;

  ~ObjectID() override;

  // Equality and hashing are defined here, inline, because the hash containers call them for every
  // key they compare; an out-of-line call would cost more than the comparison itself.

  // Equal when both hold the same kind of identity with the same value; tokens are ignored.
  bool operator==(const ObjectID& other) const noexcept {
    if (kind != other.kind) {
      return false;
    }
    return kind == TypeKind ? identity.type == other.identity.type : identity.guid == other.identity.guid;
  }
  bool operator!=(const ObjectID& other) const noexcept { return !(*this == other); }

  // For a type: its number. For a GUID: the sum, modulo 2^32, of its four little-endian 32-bit words.
  unsigned int GenerateHashValue() const noexcept {
    if (kind == TypeKind) {
      return static_cast<std::uint32_t>(identity.type);
    }
    std::uint32_t words[4];
    std::memcpy(words, identity.guid.GetBytes().data(), sizeof(words));
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    for (std::uint32_t& word : words) {
      word = __builtin_bswap32(word);
    }
#endif
    return words[0] + words[1] + words[2] + words[3];
  }

  // The held GUID, or KT::NULLGuid for a type identity.
  const KT::Guid& GetGUID() const noexcept;

  // The held type, or NullIFCType for a GUID identity.
  const IPL::IFCType& GetIFCType() const noexcept;

 private:
  template <class>
  friend struct LayoutCheck;

  enum Kind : std::uint8_t { TypeKind = 0, GuidKind = 1 };

  union Identity {
    explicit Identity(IPL::IFCType type) noexcept : type(type) {}
    explicit Identity(const KT::Guid& guid) noexcept : guid(guid) {}

    IPL::IFCType type;
    KT::Guid guid;
  };

  Identity identity;
  std::uint8_t kind;
};

}  // namespace IFCAPI::Impl
