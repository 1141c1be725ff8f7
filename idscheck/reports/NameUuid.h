// Name-based UUIDs (version 5: SHA-1 of a namespace and a name), so that the same name always gives
// the same UUID: a BCF topic keeps its GUID from one run of the same check to the next.
//
//   const std::string id = Ids::NameUuid(Ids::kBcfNamespace, "walls.ids\n0");
//   // "xxxxxxxx-xxxx-5xxx-yxxx-xxxxxxxxxxxx", lower-case hexadecimal
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace Ids {

using Uuid = std::array<std::uint8_t, 16>;

// The namespace of the UUIDs of the BCF reports (itself a fixed random UUID).
constexpr Uuid kBcfNamespace = {0x6b, 0x1f, 0x3a, 0x52, 0x0e, 0x94, 0x4c, 0x7d,
                                0x9a, 0x21, 0x58, 0xe3, 0xc4, 0x07, 0xbd, 0x6f};

// The SHA-1 digest of `data`.
std::array<std::uint8_t, 20> Sha1(std::string_view data);

// The version 5 UUID of `name` in `space`, as 36 characters of lower-case hexadecimal and hyphens.
std::string NameUuid(const Uuid& space, std::string_view name);

}  // namespace Ids
