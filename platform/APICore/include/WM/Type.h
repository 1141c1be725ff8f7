// WM::Type: the host window manager's 32-bit enumeration of window types.
//
//   const WM::Type type = WM::Type::Model3D;
//   assert(static_cast<std::int32_t>(type) == 9);
#pragma once

#include <cstdint>

namespace WM {

// Stored and compared as plain 32-bit values.
enum class Type : std::int32_t {
  FloorPlan = 1,
  Section = 2,
  Elevation = 3,
  Layout = 6,
  Model3D = 9,
};

static_assert(sizeof(Type) == 4, "window types cross the module boundary as 32-bit values");

}  // namespace WM
