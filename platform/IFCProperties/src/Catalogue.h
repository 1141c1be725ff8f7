// Internal: the catalogue of IFC types kept by IFCType.cpp, as the value classes need it.
//
// One table holds each type's number, schema name and the raw value kind it requires, so that the
// name lookups and Value::ConvertIFCType can never disagree.
#pragma once

#include "IPL/AnyValue.h"
#include "IPL/IFCType.h"

namespace IPL::Catalogue {

// The raw value kind that `type` requires; NoValueType for entities and unknown numbers.
AnyValue::ValueType RequiredValueType(IFCType type) noexcept;

}  // namespace IPL::Catalogue
