// A minimal add-on: calls the installed library through its public headers and checks what it gets,
// then passes heap-owning objects across the module boundary both ways and checks that the memory
// manager counted every block and that every block went back to it (on Windows each module has its own
// C++ runtime, so a block freed by the wrong allocator shows up here as a count that does not return,
// or as a crash).
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "IFCAPI/Attribute.h"
#include "IFCAPI/ObjectID.h"
#include "IFCAPI/PropertyValue.h"
#include "IPL/AnyValue.h"
#include "IPL/PropertySingleValue.h"
#include "KT/Array.h"
#include "KT/MemoryManager.h"
#include "KT/SharedPtr.h"

namespace {

bool failed = false;

void Check(bool condition, const char* what) {
  if (!condition) {
    std::printf("failed: %s\n", what);
    failed = true;
  }
}

std::size_t Live() {
  return KT::MemoryManager::GetLiveAllocationCount();
}

void CallsTheLibrary(const API_Guid& token) {
  const IFCAPI::Impl::ObjectID group(token, IPL::IFCType::IfcGroup);
  const auto unnamed = IFCAPI::Impl::Attribute::Create(token, KT::EmptyUniString, std::nullopt);
  const auto named = IFCAPI::Impl::Attribute::Create(token, KT::UniString("FireRating"), KT::UniString("EI 60"));
  KT::Array<int> numbers{1, 2};
  numbers.Push(3);
  Check(group.GenerateHashValue() == 43 && numbers.GetSize() == 3 && !unnamed.HasValue() &&
            unnamed.GetError().message == "Attribute name cannot be empty." && unnamed.GetToken() == token &&
            named.HasValue(),
        "results of the installed library");
}

// Each step makes blocks in one module and frees them in another; in between, the blocks must be counted.
void SharesBlocksWithTheLibrary(const API_Guid& token) {
  const std::size_t before = Live();

  // Our own operator new is the memory manager's.
  {
    const std::uint64_t attempts = KT::MemoryManager::GetAllocationAttemptCount();
    std::vector<int> numbers(100);
    Check(KT::MemoryManager::GetAllocationAttemptCount() == attempts + 1 && Live() == before + 1,
          "the add-on's std::vector allocates through the memory manager");
  }

  // A std::string made by the library, freed here.
  {
    std::string message = IFCAPI::Impl::Attribute::Create(token, KT::EmptyUniString, std::nullopt).GetError().message;
    Check(message == "Attribute name cannot be empty." && Live() == before + 1, "the library's std::string is counted");
  }
  Check(Live() == before, "the library's std::string is freed by the add-on");

  // A std::vector made here, copied by the library, handed back and copied again; freed on both sides.
  {
    std::vector<std::uint8_t> bytes(64, 0xA5);
    IPL::AnyValue binary = IPL::AnyValue::FromBinary(bytes);
    bytes = {};
    std::vector<std::uint8_t> back = binary.GetBinary();
    Check(back.size() == 64 && back[63] == 0xA5 && Live() >= before + 2, "the std::vectors are counted");
  }
  Check(Live() == before, "the std::vectors are freed");

  // A property made here, shared with the library through KT::SharedPtr; the library's object drops the
  // last reference, so the library's code deletes what the add-on allocated.
  {
    KT::SharedPtr<IPL::Property> property(new IPL::PropertySingleValue);
    property->SetName("Width");
    std::optional<IFCAPI::Impl::PropertyValue> value(std::in_place, token, KT::UniString("Pset_WallCommon"), property);
    property.Reset();
    Check(value->GetProperty()->GetName() == KT::UniString("Width") && Live() > before, "the shared property");
    value.reset();
  }
  Check(Live() == before, "the shared property is deleted by the library");
}

}  // namespace

int main() {
  const API_Guid token = ToAPIGuid(KT::Guid("{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}"));
  CallsTheLibrary(token);
  SharesBlocksWithTheLibrary(token);
  if (failed) {
    return 1;
  }
  std::puts("IFCAPI found and working");
  return 0;
}
