// The IFC GlobalId of a GUID and back: an element's GlobalId in an IFC file is the GUID behind its
// ObjectID, written in 22 characters.
//
//   const KT::Guid wall = objectId.GetGUID();
//   const std::string globalId = API::GlobalIdFromGuid(wall);            // "3W0000001008000000000H"
//   const std::optional<KT::Guid> back = API::GuidFromGlobalId(globalId);  // == wall
//
// The rule: take the GUID's 128 bits in the order of its text form ("XXXXXXXX-XXXX-..." read left to
// right, most significant bit first), put two zero bits in front of them (130 bits), and write every 6
// bits, from the most significant, as one letter of the alphabet
//   0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$
// (letter i stands for the value i). So the first letter carries the top 2 bits of the first byte and
// is one of 0-3; each of the other 21 carries 6 bits. Letter case counts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "APICore/Export.h"
#include "KT/Guid.h"

namespace API {

// The length of every GlobalId.
inline constexpr std::size_t GlobalIdLength = 22;

// Writes the GlobalId of `guid` to `out` (exactly GlobalIdLength characters, no terminator).
APICORE_EXPORT void WriteGlobalId(const KT::Guid& guid, char* out) noexcept;

// The GlobalId of `guid`.
APICORE_EXPORT std::string GlobalIdFromGuid(const KT::Guid& guid);

// The GUID of a GlobalId; empty when `globalId` has another length, a letter outside the alphabet,
// or a first letter above '3' (which would need more than 128 bits).
APICORE_EXPORT std::optional<KT::Guid> GuidFromGlobalId(std::string_view globalId) noexcept;

}  // namespace API
