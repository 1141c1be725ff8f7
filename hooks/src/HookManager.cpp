#include "IFCAPI/HookManager.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "KT/HashSet.h"
#include "KT/HashTable.h"
#include "KT/OutOfMemoryException.h"
#include "KT/UniString.h"
#include "hooks/src/AnswerKeys.h"

namespace IFCAPI::Impl {

namespace {

// Constant-initialised: null from load, before any code runs.
IHookDataProvider* registeredProvider = nullptr;

// Answers of one kind tend to be of similar length (one element's after another's). Each answer's
// vector is reserved for as many values as the thread's last answer of its kind held, at most
// kMaxReservedValues, so that it grows once rather than log2(n) times, each growth copying every value
// so far (the values have no non-throwing move).
constexpr std::size_t kMaxReservedValues = 4096;

template <class T>
std::size_t& LastAnswerSize() noexcept {
  thread_local std::size_t size = 0;
  return size;
}

template <class T>
using PerObjectOperation = void (IHookDataProvider::*)(const ObjectID&, std::vector<T>&);

// The frame the per-object queries share: reads the registration once and, when a provider is
// registered, asks it once into `values` through the ordinary or the alternative operation. Returns
// false, having asked nothing, when no provider is registered.
template <class T>
bool AskProvider(const ObjectID& objectId, bool alternative, PerObjectOperation<T> ordinary,
                 PerObjectOperation<T> alternate, std::vector<T>& values) {
  IHookDataProvider* provider = registeredProvider;
  if (provider == nullptr) {
    return false;
  }
  std::size_t& lastSize = LastAnswerSize<T>();
  values.reserve(lastSize);
  (provider->*(alternative ? alternate : ordinary))(objectId, values);
  lastSize = std::min(values.size(), kMaxReservedValues);
  return true;
}

}  // namespace

IHookDataProvider::~IHookDataProvider() = default;
void IHookDataProvider::Reserved1() {}
void IHookDataProvider::Reserved2() {}
void IHookDataProvider::Reserved3() {}
void IHookDataProvider::Reserved4() {}
void IHookDataProvider::Reserved5() {}
void IHookDataProvider::Reserved6() {}
void IHookDataProvider::Reserved7() {}

HookManager::HookManager(const API_Guid& token) noexcept : ObjectImpl(token) {}

HookManager::HookManager(const HookManager& other) noexcept : ObjectImpl(other) {}

HookManager::~HookManager() = default;

void HookManager::SetHookDataProvider(IHookDataProvider* provider) noexcept {
  registeredProvider = provider;
}

IHookDataProvider& HookManager::GetHookDataProvider() noexcept {
  return *registeredProvider;
}

bool HookManager::HasHookDataProvider() noexcept {
  return registeredProvider != nullptr;
}

void HookManager::GetHookProperties(const ObjectID& objectId, bool alternative, KT::Array<IPL::PropertySet>& output) {
  std::vector<PropertyValue> values;
  if (!AskProvider(objectId, alternative, &IHookDataProvider::GetProperties,
                   &IHookDataProvider::GetAlternativeProperties, values)) {
    return;
  }
  // The sets in order of first occurrence, and the first property of each name within each set.
  KT::HashTable<const KT::UniString*, std::uint32_t, ByText, ByText> setIndexByName;
  KT::HashSet<PlacedProperty, BySetAndPropertyName, BySetAndPropertyName> placed;
  SizeBucketsFor(placed, values.size());
  for (const PropertyValue& value : values) {
    std::uint32_t* setIndex = nullptr;
    setIndexByName.Add(&value.GetPropertySetName(), setIndexByName.GetCount(), &setIndex);
    placed.Add(PlacedProperty{&value, *setIndex});
  }
  // Emptied only now, so that a provider that throws leaves the output as it was.
  output.Clear();
  output.Reallocate(setIndexByName.GetCount());
  for (const auto set : setIndexByName) {
    output.Push(IPL::PropertySet());
    output[set.value].SetName(*set.key);
  }
  for (const PlacedProperty& property : placed) {
    output[property.setIndex].AddProperty(property.value->GetProperty());
  }
}

void HookManager::GetHookAttributes(const ObjectID& objectId, bool alternative,
                                    KT::Array<IPL::GeneralAttribute>& output) {
  std::vector<Attribute> values;
  if (!AskProvider(objectId, alternative, &IHookDataProvider::GetAttributes,
                   &IHookDataProvider::GetAlternativeAttributes, values)) {
    return;
  }
  // The attribute's name is its key: Attribute::Create fills it and never leaves it empty, while the
  // second text stays empty and the value may repeat across distinct attributes.
  KT::HashSet<const IPL::GeneralAttribute*, ByAttributeName, ByAttributeName> firstOfEachName;
  SizeBucketsFor(firstOfEachName, values.size());
  for (const Attribute& value : values) {
    firstOfEachName.Add(&value.GetAttribute());
  }
  // Room for all first, so that growing never copies the attributes already appended.
  if (firstOfEachName.GetCount() > output.GetCapacity() - output.GetSize()) {
    if (firstOfEachName.GetCount() > UINT32_MAX - output.GetSize()) {
      throw KT::OutOfMemoryException();
    }
    output.Reallocate(output.GetSize() + firstOfEachName.GetCount());
  }
  for (const IPL::GeneralAttribute* attribute : firstOfEachName) {
    output.Push(*attribute);
  }
}

void HookManager::GetHookClassificationReferences(const ObjectID& objectId, bool alternative,
                                                  KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>& output) {
  std::vector<ClassificationReference> values;
  if (!AskProvider(objectId, alternative, &IHookDataProvider::GetClassificationReferences,
                   &IHookDataProvider::GetAlternativeClassificationReferences, values)) {
    return;
  }
  KT::HashSet<KT::UniString> keys;
  SizeBucketsFor(keys, values.size());
  for (const ClassificationReference& value : values) {
    const IPL::ClassificationReference& reference = value.GetReference();
    KT::UniString key = reference.GetKeyText();
    if (keys.Add(std::move(key))) {
      // Cloned only when kept; the output owns the clone alone.
      KT::SharedPtr<IPL::ExternalReferenceBase> clone(reference.Clone());
      output.Push(std::move(clone));
    }
  }
}

void HookManager::GetHookAssignments(KT::Array<HookAssignments>& output) {
  IHookDataProvider* provider = registeredProvider;
  if (provider == nullptr) {
    return;
  }
  std::vector<HookAssignments> values;
  provider->GetAssignments(values);
  // Handed over, not copied: an add-on's groups may hold every element of the model.
  for (HookAssignments& value : values) {
    output.Push(std::move(value));
  }
}

static_assert(!std::is_copy_assignable_v<HookManager>, "API objects are never assigned");
static_assert(std::is_abstract_v<IHookDataProvider> && std::is_copy_assignable_v<IHookDataProvider>,
              "the provider interface is abstract and assignable");

}  // namespace IFCAPI::Impl
