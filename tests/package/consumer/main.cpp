// A minimal add-on: calls the installed library through its public headers and checks what it gets.
#include <cstdio>
#include <optional>

#include "IFCAPI/Attribute.h"
#include "IFCAPI/ObjectID.h"
#include "KT/Array.h"

int main() {
  const API_Guid token = ToAPIGuid(KT::Guid("{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}"));
  const IFCAPI::Impl::ObjectID group(token, IPL::IFCType::IfcGroup);
  const auto unnamed = IFCAPI::Impl::Attribute::Create(token, KT::EmptyUniString, std::nullopt);
  const auto named = IFCAPI::Impl::Attribute::Create(token, KT::UniString("FireRating"), KT::UniString("EI 60"));
  KT::Array<int> numbers{1, 2};
  numbers.Push(3);
  if (group.GenerateHashValue() != 43 || numbers.GetSize() != 3 || unnamed.HasValue() ||
      unnamed.GetError().message != "Attribute name cannot be empty." || unnamed.GetToken() != token ||
      !named.HasValue()) {
    std::puts("unexpected result from the installed library");
    return 1;
  }
  std::puts("IFCAPI found and working");
  return 0;
}
