#include "IFCAPI/ObjectID.h"

#include "foundation/src/LayoutCheck.h"

namespace IFCAPI::Impl {

ObjectID::ObjectID(const API_Guid& token, const KT::Guid& guid) noexcept
    : ObjectImpl(token), identity(guid), kind(GuidKind) {}

ObjectID::ObjectID(const API_Guid& token, const IPL::IFCType& type) noexcept
    : ObjectImpl(token), identity(type), kind(TypeKind) {}

ObjectID::ObjectID(const ObjectID& other) noexcept : ObjectImpl(other), identity(other.identity), kind(other.kind) {}

ObjectID::~ObjectID() = default;

const KT::Guid& ObjectID::GetGUID() const noexcept {
  return kind == GuidKind ? identity.guid : KT::NULLGuid;
}

const IPL::IFCType& ObjectID::GetIFCType() const noexcept {
  return kind == TypeKind ? identity.type : NullIFCType;
}

IFCAPI_LAYOUT_CHECKS_BEGIN
template <>
struct LayoutCheck<ObjectID> {
  static_assert(offsetof(ObjectID, identity) == FirstFieldOffset, "ObjectID: the identity comes first");
  static_assert(offsetof(ObjectID, kind) == FirstFieldOffset + 16, "ObjectID: kind follows the 16-byte identity");
  static_assert(sizeof(ObjectID) == 48, "ObjectID: base, identity, kind and padding");
};
IFCAPI_LAYOUT_CHECKS_END

}  // namespace IFCAPI::Impl
