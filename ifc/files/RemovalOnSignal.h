// The temporary files that go when the user ends the process: a handler for SIGINT, SIGTERM and
// SIGHUP (where the process had left them at their default action) unlinks every registered path with
// async-signal-safe calls only, then ends the process by the same signal with its default action.
// SIGXFSZ is ignored from the first registration on, so a write past the file size limit fails with
// EFBIG and the writer removes its file itself. A fixed number of paths fit; the rest are not removed
// by a signal.
//
//   const int slot = Ifc::RegisterForRemoval("out.ifc.1f3a...partial");
//   ...                                  // written, then renamed or removed
//   Ifc::UnregisterForRemoval(slot);
#pragma once

#include <string>

namespace Ifc {

// How many temporaries can be registered at once.
constexpr int kRemovalSlots = 16;

// Registers `path`; the slot to unregister, or -1 when every slot is taken or the path is too long.
int RegisterForRemoval(const std::string& path) noexcept;

// Forgets the path in `slot` (nothing for -1).
void UnregisterForRemoval(int slot) noexcept;

}  // namespace Ifc
