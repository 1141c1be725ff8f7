// Compile-time checks of the field order of the hash containers, for the instantiations the library
// uses. Both containers have the same fields: buckets, entries, maxAverageSearch, maxLoadFactor,
// totalSearchCost; the entry store holds the page table pointer, the inline page-table slot,
// capacity, the last block's size and count; an entry holds the key, the value (tables) and next.
#include "IFCAPI/ObjectID.h"
#include "IPL/IFCType.h"
#include "KT/HashSet.h"
#include "KT/HashTable.h"
#include "KT/UniString.h"
#include "foundation/src/LayoutCheck.h"

IFCAPI_LAYOUT_CHECKS_BEGIN
namespace KT {

using IFCAPI::Impl::ObjectID;

// sizeof(ArrayFB<HashEntry*, 1>): vtable pointer, buffer, capacity, size, one inline slot.
inline constexpr std::size_t BucketArraySize = 32;

// The fields shared by every instantiation of both containers.
template <class K, class Entry, class Hash, class Equal>
struct LayoutCheck<HashInternal::HashContainerBase<K, Entry, Hash, Equal>> {
  using Base = HashInternal::HashContainerBase<K, Entry, Hash, Equal>;
  using Store = HashInternal::EntryStore<Entry>;
  static_assert(sizeof(typename Base::Buckets) == BucketArraySize, "bucket array: pointer, two counts, inline slot");
  static_assert(offsetof(Base, buckets) == 0, "buckets come first");
  static_assert(offsetof(Base, entries) == BucketArraySize, "the entry store follows the buckets");
  static_assert(offsetof(Store, pageTable) == 0, "store: page table pointer first");
  static_assert(offsetof(Store, inlinePage) == 8, "store: inline page-table slot second");
  static_assert(offsetof(Store, capacity) == 16, "store: capacity");
  static_assert(offsetof(Store, lastBlockPages) == 20, "store: last block's size");
  static_assert(offsetof(Store, count) == 24, "store: count last");
  static_assert(offsetof(Base, maxAverageSearch) == BucketArraySize + 32, "maxAverageSearch follows the store");
  static_assert(offsetof(Base, maxLoadFactor) == BucketArraySize + 36, "then maxLoadFactor");
  static_assert(offsetof(Base, totalSearchCost) == BucketArraySize + 40, "then totalSearchCost");
  static_assert(sizeof(Base) == BucketArraySize + 48, "no field after totalSearchCost");
  static constexpr bool checked = true;
};

template <>
struct LayoutCheck<HashSet<ObjectID>> {
  using Entry = HashSet<ObjectID>::HashEntry;
  using Fields = decltype(HashSet<ObjectID>::container);
  static_assert(LayoutCheck<Fields>::checked && sizeof(HashSet<ObjectID>) == sizeof(Fields),
                "the fields and nothing else");
  static_assert(offsetof(Entry, key) == 0 && offsetof(Entry, next) == sizeof(ObjectID), "entry: key, next");
};

template <>
struct LayoutCheck<HashSet<IPL::IFCType>> {
  using Entry = HashSet<IPL::IFCType>::HashEntry;
  using Fields = decltype(HashSet<IPL::IFCType>::container);
  static_assert(LayoutCheck<Fields>::checked && sizeof(HashSet<IPL::IFCType>) == sizeof(Fields),
                "the fields and nothing else");
  static_assert(offsetof(Entry, key) == 0 && offsetof(Entry, next) == 8, "entry: key, padding, next");
};

template <>
struct LayoutCheck<HashTable<ObjectID, unsigned int>> {
  using Entry = HashTable<ObjectID, unsigned int>::HashEntry;
  using Fields = decltype(HashTable<ObjectID, unsigned int>::container);
  static_assert(LayoutCheck<Fields>::checked && sizeof(HashTable<ObjectID, unsigned int>) == sizeof(Fields),
                "the fields and nothing else");
  static_assert(offsetof(Entry, key) == 0, "entry: key first");
  static_assert(offsetof(Entry, value) == sizeof(ObjectID), "entry: value after the key");
  static_assert(offsetof(Entry, next) == sizeof(ObjectID) + 8, "entry: next last");
};

template <>
struct LayoutCheck<HashTable<UniString, unsigned int>> {
  using Entry = HashTable<UniString, unsigned int>::HashEntry;
  using Fields = decltype(HashTable<UniString, unsigned int>::container);
  static_assert(LayoutCheck<Fields>::checked && sizeof(HashTable<UniString, unsigned int>) == sizeof(Fields),
                "the fields and nothing else");
  static_assert(offsetof(Entry, value) == sizeof(UniString), "entry: value after the key");
  static_assert(offsetof(Entry, next) > offsetof(Entry, value), "entry: next last");
};

}  // namespace KT
IFCAPI_LAYOUT_CHECKS_END
