// A test add-on that holds the tool to the order of its hook queries, as the walkthrough promises: per
// element properties, attributes, classification references, one element after the other; then
// GetAssignments once, after every element's queries, with the element look-up still served. A query
// out of that order throws, which ends the tool with exit code 5 naming the query; GetAssignments
// reports on stderr how many elements came before it.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "API/ElementLookup.h"
#include "IFCAPI/AddOnEntry.h"
#include "IFCAPI/HookManager.h"
#include "IFCAPI/IHookDataProvider.h"

namespace {

using namespace IFCAPI::Impl;

API_Guid token;

class OrderRecordingProvider : public IHookDataProvider {
 public:
  void GetProperties(const ObjectID& id, std::vector<PropertyValue>&) override { Properties(id); }
  void GetAttributes(const ObjectID& id, std::vector<Attribute>&) override { Next(id, Step::Attributes); }
  void GetClassificationReferences(const ObjectID& id, std::vector<ClassificationReference>&) override {
    Next(id, Step::References);
  }
  void GetAlternativeProperties(const ObjectID& id, std::vector<PropertyValue>&) override { Properties(id); }
  void GetAlternativeAttributes(const ObjectID& id, std::vector<Attribute>&) override { Next(id, Step::Attributes); }
  void GetAlternativeClassificationReferences(const ObjectID& id, std::vector<ClassificationReference>&) override {
    Next(id, Step::References);
  }

  void GetAssignments(std::vector<HookAssignments>&) override {
    if (assignmentsAsked) {
      throw std::logic_error("GetAssignments asked a second time");
    }
    if (expected != Step::Properties) {
      throw std::logic_error("GetAssignments asked between the queries of one element");
    }
    if (elements > 0 && !API::LookUpElement(token, current).HasValue()) {
      throw std::logic_error("GetAssignments asked without the element look-up served");
    }
    assignmentsAsked = true;
    std::fprintf(stderr,
                 "order add-on: %zu elements asked properties, attributes, classification references in turn, "
                 "then GetAssignments once\n",
                 elements);
  }

 private:
  enum class Step { Properties, Attributes, References };

  void Properties(const ObjectID& id) {
    if (assignmentsAsked) {
      throw std::logic_error("an element query after GetAssignments");
    }
    if (expected != Step::Properties) {
      throw std::logic_error("properties asked before the previous element's other queries");
    }
    current = id.GetGUID();
    ++elements;
    expected = Step::Attributes;
  }

  void Next(const ObjectID& id, Step step) {
    if (assignmentsAsked) {
      throw std::logic_error("an element query after GetAssignments");
    }
    if (step != expected || id.GetGUID() != current) {
      throw std::logic_error(step == Step::Attributes ? "attributes asked out of turn"
                                                      : "classification references asked out of turn");
    }
    expected = step == Step::Attributes ? Step::References : Step::Properties;
  }

  Step expected = Step::Properties;
  KT::Guid current;
  std::size_t elements = 0;
  bool assignmentsAsked = false;
};

OrderRecordingProvider provider;

}  // namespace

IFCAPI_ADDON_ENTRY int IFCAPIAddOnRegister(const API_Guid* addOnToken) {
  token = *addOnToken;
  HookManager::SetHookDataProvider(&provider);
  return 0;
}

IFCAPI_ADDON_ENTRY void IFCAPIAddOnUnregister(void) {
  HookManager::SetHookDataProvider(nullptr);
}
