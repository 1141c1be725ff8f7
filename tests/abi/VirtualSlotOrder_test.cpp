// The order of the virtual operations that the host's modules call through the table of virtual
// functions. A declaration moved, added or removed in one of these classes shifts every slot after it
// without any compiler noticing; this test reads the slots as the C++ ABI of g++, clang and MinGW lays
// them out (the Itanium ABI), so it runs on Linux and under Wine alike.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "IFCAPI/Assignments.h"
#include "IFCAPI/Attribute.h"
#include "IFCAPI/Classification.h"
#include "IFCAPI/ClassificationReference.h"
#include "IFCAPI/HookAssignments.h"
#include "IFCAPI/HookManager.h"
#include "IFCAPI/IFCAPICallbackInterface.h"
#include "IFCAPI/IHookDataProvider.h"
#include "IFCAPI/ObjectAccessor.h"
#include "IFCAPI/ObjectID.h"
#include "IFCAPI/PropertyAccessor.h"
#include "IFCAPI/PropertyBuilder.h"
#include "IFCAPI/PropertyValue.h"
#include "IFCAPI/Value.h"
#include "KT/Array.h"
#include "TSAPI/ObjectImpl.h"

namespace {

#if defined(__GNUC__)

// A pointer to a virtual member function holds 1 + the byte offset of its slot.
template <class Member>
std::ptrdiff_t Slot(Member member) {
  std::ptrdiff_t raw;
  static_assert(sizeof member >= sizeof raw, "a member function pointer starts with its slot offset");
  std::memcpy(&raw, &member, sizeof raw);
  return (raw - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
}

// A virtual operation first declared in a class derived from C takes the slot right after C's last, so
// its slot is the number of slots of C.
template <class C>
struct Extended : C {
  virtual void Next() {}
};

template <class C>
std::ptrdiff_t SlotCount() {
  return Slot(&Extended<C>::Next);
}

// Makes the protected operations of the arrays nameable here; their slots stay those of A.
template <class A>
struct ArrayOperations : A {
  using A::AllocateBuffer;
  using A::FreeBuffer;
  using A::GetMinimumCapacity;
  using A::IsAllocatorOwned;
};

// The slots of `members`, in the order given.
template <class... Members>
std::vector<std::ptrdiff_t> Slots(Members... members) {
  return {Slot(members)...};
}

template <class A>
std::vector<std::ptrdiff_t> SlotsOfArray() {
  using Ops = ArrayOperations<A>;
  return Slots(&Ops::Reallocate, &Ops::GetMinimumCapacity, &Ops::AllocateBuffer, &Ops::FreeBuffer,
               &Ops::IsAllocatorOwned);
}

std::vector<std::ptrdiff_t> SlotsOfHookDataProvider() {
  using P = IFCAPI::Impl::IHookDataProvider;
  return Slots(&P::Reserved1, &P::Reserved2, &P::Reserved3, &P::Reserved4, &P::Reserved5, &P::Reserved6, &P::Reserved7,
               &P::GetProperties, &P::GetAttributes, &P::GetClassificationReferences, &P::GetAlternativeProperties,
               &P::GetAlternativeAttributes, &P::GetAlternativeClassificationReferences, &P::GetAssignments);
}

std::vector<std::ptrdiff_t> SlotsOfCallbackInterface() {
  using I = IFCAPI::Impl::IFCAPICallbackInterface;
  return Slots(&I::IsWindowSupported, &I::Operation1, &I::Operation2, &I::Operation3, &I::Operation4, &I::Operation5,
               &I::Operation6, &I::Operation7, &I::Operation8, &I::Operation9, &I::Operation10, &I::Operation11,
               &I::Operation12, &I::Operation13, &I::Operation14, &I::Operation15, &I::Operation16);
}

// A class's table: its named operations, in declaration order, take consecutive slots from `first`, and
// the destructor takes the two slots left (complete and deleting object), so `first` is 0 when the
// destructor comes last and 2 when it comes first. Nothing else may have a slot.
struct Table {
  const char* name;
  std::vector<std::ptrdiff_t> operations;
  std::ptrdiff_t first;
  std::ptrdiff_t count;
};

template <class C>
Table DestructorOnly(const char* name) {
  return {name, {}, 0, SlotCount<C>()};
}

TEST(VirtualSlotOrder, EveryClassTheHostCallsThroughItsTableKeepsItsOrder) {
  using namespace IFCAPI::Impl;
  const Table tables[] = {
      {"KT::Array<int>", SlotsOfArray<KT::Array<int>>(), 0, SlotCount<KT::Array<int>>()},
      {"KT::ArrayFB<int, 1>", SlotsOfArray<KT::ArrayFB<int, 1>>(), 0, SlotCount<KT::ArrayFB<int, 1>>()},
      {"KT::Array<IPL::Value>", SlotsOfArray<KT::Array<IPL::Value>>(), 0, SlotCount<KT::Array<IPL::Value>>()},
      {"IHookDataProvider", SlotsOfHookDataProvider(), 2, SlotCount<IHookDataProvider>()},
      {"IFCAPICallbackInterface", SlotsOfCallbackInterface(), 2, SlotCount<IFCAPICallbackInterface>()},
      DestructorOnly<TSAPI::Impl::ObjectImpl>("ObjectImpl"),
      DestructorOnly<ObjectID>("ObjectID"),
      DestructorOnly<Attribute>("Attribute"),
      DestructorOnly<Classification>("Classification"),
      DestructorOnly<ClassificationReference>("ClassificationReference"),
      DestructorOnly<Value>("Value"),
      DestructorOnly<PropertyValue>("PropertyValue"),
      DestructorOnly<ObjectAccessor>("ObjectAccessor"),
      DestructorOnly<PropertyBuilder>("PropertyBuilder"),
      DestructorOnly<PropertyAccessor>("PropertyAccessor"),
      DestructorOnly<HookManager>("HookManager"),
      DestructorOnly<Assignments>("Assignments"),
      DestructorOnly<HookAssignments>("HookAssignments"),
  };
  for (const Table& table : tables) {
    SCOPED_TRACE(table.name);
    std::vector<std::ptrdiff_t> expected;
    for (std::size_t i = 0; i < table.operations.size(); ++i) {
      expected.push_back(table.first + static_cast<std::ptrdiff_t>(i));
    }
    EXPECT_EQ(table.operations, expected);
    EXPECT_EQ(table.count, static_cast<std::ptrdiff_t>(table.operations.size()) + 2);
  }
}

#else

TEST(VirtualSlotOrder, EveryClassTheHostCallsThroughItsTableKeepsItsOrder) {
  GTEST_SKIP() << "reads the tables as the Itanium C++ ABI lays them out";
}

#endif

}  // namespace
