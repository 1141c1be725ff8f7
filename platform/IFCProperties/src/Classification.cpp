#include "IPL/Classification.h"

namespace IPL {

Classification::Classification() = default;

Classification::~Classification() = default;

}  // namespace IPL
