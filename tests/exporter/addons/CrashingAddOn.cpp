// A test add-on that crashes in GetHookAttributes for the second element it is asked about, in the way
// IFCAPI_TEST_CRASH names: 1 a write through a null pointer, 2 abort(), 3 a stack overflow. The tool
// must end with exit code 5 and name the query and the element.
#include <cstdlib>

#include "IFCAPI/AddOnEntry.h"
#include "IFCAPI/HookManager.h"
#include "IFCAPI/IHookDataProvider.h"

namespace {

using namespace IFCAPI::Impl;

#if IFCAPI_TEST_CRASH == 3
volatile int deepest = 1 << 30;  // never reached: the recursion is not seen to be endless

int Deeper(int depth) {
  volatile char frame[1024];
  frame[0] = static_cast<char>(depth);
  return depth >= deepest ? 0 : Deeper(depth + 1) + frame[0];
}
#endif

void Crash() {
#if IFCAPI_TEST_CRASH == 1
  volatile int* volatile target = nullptr;
  *target = 1;
#elif IFCAPI_TEST_CRASH == 2
  std::abort();
#else
  deepest = Deeper(0);
#endif
}

class CrashingProvider : public IHookDataProvider {
 public:
  void GetProperties(const ObjectID&, std::vector<PropertyValue>&) override {}
  void GetAttributes(const ObjectID&, std::vector<Attribute>&) override {
    if (++asked == 2) {
      Crash();
    }
  }
  void GetClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {}
  void GetAlternativeProperties(const ObjectID&, std::vector<PropertyValue>&) override {}
  void GetAlternativeAttributes(const ObjectID&, std::vector<Attribute>&) override {}
  void GetAlternativeClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {}
  void GetAssignments(std::vector<HookAssignments>&) override {}

 private:
  int asked = 0;
};

CrashingProvider provider;

}  // namespace

IFCAPI_ADDON_ENTRY int IFCAPIAddOnRegister(const API_Guid* /*token*/) {
  HookManager::SetHookDataProvider(&provider);
  return 0;
}

IFCAPI_ADDON_ENTRY void IFCAPIAddOnUnregister(void) {
  HookManager::SetHookDataProvider(nullptr);
}
