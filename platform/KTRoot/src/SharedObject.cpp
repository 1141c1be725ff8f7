#include "KT/SharedPtr.h"

namespace KT {

// Out of line, so that the class's type information and virtual table have one home.
SharedObject::~SharedObject() = default;

}  // namespace KT
