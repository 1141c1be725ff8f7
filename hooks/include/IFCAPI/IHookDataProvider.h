// IFCAPI::Impl::IHookDataProvider: what an add-on implements to contribute property sets, attributes,
// classification references and groups to the host's IFC export.
//
// The add-on registers one instance with HookManager::SetHookDataProvider and keeps it alive while it
// is registered. Each operation receives an empty vector that the caller owns and answers by
// appending; the caller copies or shares what it keeps and destroys the vector afterwards:
//
//   class MyProvider : public IFCAPI::Impl::IHookDataProvider {
//     void GetProperties(const ObjectID& id, std::vector<PropertyValue>& values) override {
//       auto value = PropertyValue::CreateSingleValue(token, "Pset_Mine", "Rating", rating);
//       if (value.HasValue()) values.push_back(value.Unwrap());
//     }
//     ...  // the other six Get operations
//   };
//
// The order of the virtual operations is fixed, because the host calls them through the table of
// virtual functions: the destructor, seven operations reserved for the host, then GetProperties to
// GetAssignments.
#pragma once

#include <vector>

#include "IFCAPI/Attribute.h"
#include "IFCAPI/ClassificationReference.h"
#include "IFCAPI/Export.h"
#include "IFCAPI/HookAssignments.h"
#include "IFCAPI/ObjectID.h"
#include "IFCAPI/PropertyValue.h"

namespace IFCAPI::Impl {

class IFCAPI_EXPORT IHookDataProvider {
 public:
  IHookDataProvider() noexcept = default;
  IHookDataProvider(const IHookDataProvider& other) noexcept = default;
  IHookDataProvider& operator=(const IHookDataProvider& other) noexcept = default;
  virtual ~IHookDataProvider();

  // Reserved for the host, which may reach them through HookManager::GetHookDataProvider; this library
  // never calls them. They do nothing unless a provider has a reason to override them.
  virtual void Reserved1();
  virtual void Reserved2();
  virtual void Reserved3();
  virtual void Reserved4();
  virtual void Reserved5();
  virtual void Reserved6();
  virtual void Reserved7();

  // The property values for the exported object `objectId`, each naming its property set.
  virtual void GetProperties(const ObjectID& objectId, std::vector<PropertyValue>& values) = 0;

  // The attributes for `objectId`; of several with the same name only the first is used.
  virtual void GetAttributes(const ObjectID& objectId, std::vector<Attribute>& values) = 0;

  // The classification references for `objectId`; of several with the same key text only the first
  // is used.
  virtual void GetClassificationReferences(const ObjectID& objectId, std::vector<ClassificationReference>& values) = 0;

  // As the three above, for the host's alternative export of `objectId`.
  virtual void GetAlternativeProperties(const ObjectID& objectId, std::vector<PropertyValue>& values) = 0;
  virtual void GetAlternativeAttributes(const ObjectID& objectId, std::vector<Attribute>& values) = 0;
  virtual void GetAlternativeClassificationReferences(const ObjectID& objectId,
                                                      std::vector<ClassificationReference>& values) = 0;

  // The groups, systems and their relations for the export as a whole.
  virtual void GetAssignments(std::vector<HookAssignments>& values) = 0;
};

}  // namespace IFCAPI::Impl
