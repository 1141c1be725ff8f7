// The error codes of the IFCAPI module and every message it puts into a TSAPI::Error.
//
// Each failure the module reports is an ErrorKind: a code and its fixed English message. Add-ons
// compare codes; the messages are for people:
//
//   auto attribute = IFCAPI::Impl::Attribute::Create(token, name, std::nullopt);
//   if (!attribute.HasValue() && attribute.GetError().code == IFCAPI::Impl::ErrorBadParameters) { ... }
#pragma once

#include <cstdint>
#include <string_view>

namespace IFCAPI::Impl {

// A failure without a more specific cause.
inline constexpr std::int32_t ErrorGeneral = static_cast<std::int32_t>(0x81060001u);
// An argument is empty, invalid or inconsistent, names a group or system that does not exist, or a
// relation cannot be made.
inline constexpr std::int32_t ErrorBadParameters = static_cast<std::int32_t>(0x81060068u);
// A callback interface is registered but declines to serve now.
inline constexpr std::int32_t ErrorWrongWindow = static_cast<std::int32_t>(0x8106006Bu);
// No IFC callback interface is registered.
inline constexpr std::int32_t ErrorNotAvailable = static_cast<std::int32_t>(0x81060191u);

struct ErrorKind {
  std::int32_t code;
  std::string_view message;
};

namespace Errors {

inline constexpr ErrorKind AttributeNameEmpty{ErrorBadParameters, "Attribute name cannot be empty."};
inline constexpr ErrorKind RelAssociatesClassificationNameEmpty{ErrorBadParameters,
                                                                "relAssociatesClassificationName cannot be empty."};
inline constexpr ErrorKind InvalidValueType{ErrorBadParameters, "Invalid value type."};
inline constexpr ErrorKind InconsistentValueType{ErrorBadParameters, "Inconsistent value type and value."};
inline constexpr ErrorKind PropertyNameEmpty{ErrorBadParameters, "Property name can not be empty."};
inline constexpr ErrorKind PropertySetNameEmpty{ErrorBadParameters, "Property set name can not be empty."};
inline constexpr ErrorKind InvalidValueGiven{ErrorBadParameters, "Invalid value given."};
inline constexpr ErrorKind NoBoundSet{ErrorBadParameters, "At least one of the values must be set."};
inline constexpr ErrorKind ValueListEmpty{ErrorBadParameters, "Value list can't be empty."};
inline constexpr ErrorKind InvalidValueFound{ErrorBadParameters, "Invalid value found."};
inline constexpr ErrorKind ValueTypesMismatch{ErrorBadParameters, "Values' IFC types must match."};
inline constexpr ErrorKind TableSizesMismatch{ErrorBadParameters,
                                              "Defining values' and defined values' sizes should match."};
inline constexpr ErrorKind InvalidGuid{ErrorBadParameters, "Invalid guid."};
inline constexpr ErrorKind InvalidIFCType{ErrorBadParameters, "Invalid IFC type."};
inline constexpr ErrorKind GroupAlreadyCreated{ErrorBadParameters, "Group already created with this guid."};
inline constexpr ErrorKind CannotAssignRelation{ErrorBadParameters, "Can't assign a relation."};
inline constexpr ErrorKind CannotServiceRelation{ErrorBadParameters, "Can't service a relation."};
inline constexpr ErrorKind GroupDoesNotExist{ErrorBadParameters, "Group does not exist."};
inline constexpr ErrorKind SystemDoesNotExist{ErrorBadParameters, "System does not exist."};
inline constexpr ErrorKind UnknownError{ErrorGeneral, "Unknown error."};
inline constexpr ErrorKind NotAvailable{ErrorNotAvailable, "IFC API is currently not available."};
inline constexpr ErrorKind WrongWindow{ErrorWrongWindow, "IFC API works only on floorplan and 3D windows."};

}  // namespace Errors

}  // namespace IFCAPI::Impl
