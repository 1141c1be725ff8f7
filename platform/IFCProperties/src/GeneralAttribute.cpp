#include "IPL/GeneralAttribute.h"

namespace IPL {

GeneralAttribute::GeneralAttribute(const KT::UniString& name, const KT::UniString& description,
                                   const KT::UniString& value, bool hasValue)
    : name(name), description(description), value(value), hasValue(hasValue) {}

GeneralAttribute::~GeneralAttribute() = default;

}  // namespace IPL
