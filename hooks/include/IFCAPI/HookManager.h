// IFCAPI::Impl::HookManager: the registry of the one hook data provider and the four queries through
// which the host's IFC exporter collects and merges the provider's contributions.
//
// An add-on registers its provider; the exporter asks, element by element:
//
//   HookManager::SetHookDataProvider(&myProvider);               // the add-on, at start
//   KT::Array<IPL::PropertySet> sets;
//   HookManager::GetHookProperties(elementId, false, sets);       // the exporter, per element
//   HookManager::SetHookDataProvider(nullptr);                   // the add-on, before it ends
//
// Each query asks the provider exactly once and leaves its output untouched when no provider is
// registered or the provider throws. Nothing is reported; the registration is a plain process-wide
// pointer that callers must not change while another thread queries.
#pragma once

#include "IFCAPI/Export.h"
#include "IFCAPI/HookAssignments.h"
#include "IFCAPI/IHookDataProvider.h"
#include "IFCAPI/ObjectID.h"
#include "IPL/ExternalReferenceBase.h"
#include "IPL/GeneralAttribute.h"
#include "IPL/PropertySet.h"
#include "KT/Array.h"
#include "KT/SharedPtr.h"
#include "TSAPI/ObjectImpl.h"

namespace IFCAPI::Impl {

class IFCAPI_EXPORT HookManager : public TSAPI::Impl::ObjectImpl {
 public:
  explicit HookManager(const API_Guid& token) noexcept;
  HookManager(const HookManager& other) noexcept;
  ~HookManager() override;

  // Registers `provider`, replacing any earlier one without telling or deleting it; null
  // unregisters. The library only keeps the pointer: the caller owns the provider.
  static void SetHookDataProvider(IHookDataProvider* provider) noexcept;

  // The registered provider itself. Precondition: HasHookDataProvider().
  static IHookDataProvider& GetHookDataProvider() noexcept;

  static bool HasHookDataProvider() noexcept;

  // Replaces `output` with the provider's property values grouped into one set per set name, in order
  // of first occurrence; within a set the first property of each name is kept. The properties are
  // shared with the provider's values, not copied.
  static void GetHookProperties(const ObjectID& objectId, bool alternative, KT::Array<IPL::PropertySet>& output);

  // Appends a copy of each of the provider's attributes whose name was not met before in its answer.
  static void GetHookAttributes(const ObjectID& objectId, bool alternative, KT::Array<IPL::GeneralAttribute>& output);

  // Appends a clone, owned by the output alone, of each of the provider's classification references
  // whose key text was not met before in its answer.
  static void GetHookClassificationReferences(const ObjectID& objectId, bool alternative,
                                              KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>& output);

  // Appends a copy of each of the provider's assignment objects, in its order.
  static void GetHookAssignments(KT::Array<HookAssignments>& output);
};

}  // namespace IFCAPI::Impl
