// A minimal add-on: builds identities through the installed library and checks what it gets back.
#include <cstdio>

#include "IFCAPI/ObjectID.h"
#include "KT/Array.h"

int main() {
  const API_Guid token = ToAPIGuid(KT::Guid("{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}"));
  const IFCAPI::Impl::ObjectID group(token, IPL::IFCType::IfcGroup);
  KT::Array<int> numbers{1, 2};
  numbers.Push(3);
  if (group.GenerateHashValue() != 43 || numbers.GetSize() != 3) {
    std::puts("unexpected result from the installed library");
    return 1;
  }
  std::puts("IFCAPI found and working");
  return 0;
}
