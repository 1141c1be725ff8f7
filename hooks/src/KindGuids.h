// Internal: the kind GUIDs that keep the identifiers derived from one caller GUID apart.
//
// A group's identifier and each of its relation identifiers are derived from [kind, caller GUID] with a
// different kind, so they never coincide. The texts are part of the identifiers' definition: changing
// one changes every identifier an add-on has ever been given.
#pragma once

#include <string_view>

namespace IFCAPI::Impl {

inline constexpr std::string_view GroupKindGuid = "{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}";
inline constexpr std::string_view AssignsToGroupKindGuid = "{B17E4D09-2C6A-4E53-A8F0-5D93C1E7246B}";
inline constexpr std::string_view ServicesBuildingsKindGuid = "{6E2F8B14-D975-4A3C-8B6E-0F41A92C5D87}";

}  // namespace IFCAPI::Impl
