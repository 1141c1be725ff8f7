// IPL::Any: the base of the property library's values; it only tells whether a value is held.
//
//   const IPL::Any& any = IPL::AnyValue::FromInteger(3);
//   assert(any.HasValue());
#pragma once

#include "IPL/Export.h"

namespace IPL {

class IPL_EXPORT Any {
 public:
  Any() noexcept = default;
  Any(const Any&) noexcept = default;
  Any& operator=(const Any&) noexcept = default;
  virtual ~Any();

  // Whether a value is held. A typed but empty value holds none.
  virtual bool HasValue() const = 0;
};

}  // namespace IPL
