// KT::OutOfMemoryException: the one exception of the foundation library, thrown by
// KT::MemoryManager::Allocate when it cannot give a block.
//
// It derives from std::bad_alloc, so standard containers and `new` expressions treat it as the
// allocation failure it is:
//
//   try {
//     void* block = KT::MemoryManager::Allocate(size);
//   } catch (const std::bad_alloc&) {  // catches KT::OutOfMemoryException too
//   }
#pragma once

#include <new>

#include "KT/Export.h"

namespace KT {

class KT_EXPORT OutOfMemoryException : public std::bad_alloc {
 public:
  OutOfMemoryException() noexcept = default;

  // A fixed text; never allocates.
  const char* what() const noexcept override;
};

}  // namespace KT
