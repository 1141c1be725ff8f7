// A test add-on whose provider throws out of a hook query: the tool must end with exit code 4 and
// name the query and the element it was asked about.
#include <stdexcept>

#include "IFCAPI/AddOnEntry.h"
#include "IFCAPI/HookManager.h"
#include "IFCAPI/IHookDataProvider.h"

namespace {

using namespace IFCAPI::Impl;

class ThrowingProvider : public IHookDataProvider {
 public:
  void GetProperties(const ObjectID&, std::vector<PropertyValue>&) override {}
  void GetAttributes(const ObjectID&, std::vector<Attribute>&) override {}
  void GetClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {
    throw std::runtime_error("the catalogue is offline");
  }
  void GetAlternativeProperties(const ObjectID&, std::vector<PropertyValue>&) override {}
  void GetAlternativeAttributes(const ObjectID&, std::vector<Attribute>&) override {}
  void GetAlternativeClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {}
  void GetAssignments(std::vector<HookAssignments>&) override {}
};

ThrowingProvider provider;

}  // namespace

IFCAPI_ADDON_ENTRY int IFCAPIAddOnRegister(const API_Guid* /*token*/) {
  HookManager::SetHookDataProvider(&provider);
  return 0;
}

IFCAPI_ADDON_ENTRY void IFCAPIAddOnUnregister(void) {
  HookManager::SetHookDataProvider(nullptr);
}
