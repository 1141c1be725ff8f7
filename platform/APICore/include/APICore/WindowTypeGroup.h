// APICore::WindowTypeGroup: the host's 32-bit enumeration of groups of window types; naming a group
// names every window type in it.
//
//   const APICore::WindowTypeGroup group = APICore::WindowTypeGroup::FloorPlan;
//   assert(static_cast<std::int32_t>(group) == -1);
#pragma once

#include <cstdint>

namespace APICore {

// Stored and compared as plain 32-bit values.
enum class WindowTypeGroup : std::int32_t {
  FloorPlan = -1,  // 0xFFFFFFFF
  Section = 1,
  Layout = 2,
};

static_assert(sizeof(WindowTypeGroup) == 4, "window type groups cross the module boundary as 32-bit values");

}  // namespace APICore
