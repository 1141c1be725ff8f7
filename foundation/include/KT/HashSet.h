// KT::HashSet<K>: a set of keys whose entries never move, enumerated in insertion order.
//
// A pointer to a stored key stays valid, with its contents, for as long as the set lives and is not
// cleared, across every later insertion and rehash. Add refuses a key that is already present and
// says so. The buckets grow only when both the load factor and the average number of comparisons
// needed to find an entry have passed their limits.
//
//   KT::HashSet<IPL::IFCType> types{IPL::IFCType::IfcGroup, IPL::IFCType::IfcSystem};
//   types.Add(IPL::IFCType::IfcGroup);              // false: present already, nothing changes
//   const IPL::IFCType* group = types.Get(IPL::IFCType::IfcGroup);
//   for (IPL::IFCType type : types) Use(type);       // IfcGroup, then IfcSystem
//
// Keys need copy (or move) construction only, never assignment. Hash and Equal are stateless
// adapters (KT/HashTraits.h) that must not throw. Memory comes from KT::MemoryManager; an
// insertion that throws KT::OutOfMemoryException leaves the set as it was. Destruction, moves and
// Clear never allocate or throw. Enumeration must not be interleaved with insertions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <new>
#include <utility>

#include "KT/HashCapacity.h"
#include "KT/HashTraits.h"
#include "KT/Internal/HashContainerBase.h"

namespace KT {

template <class K, class Hash = Hasher<K>, class Equal = KeyEqual<K>>
class HashSet {
  struct HashEntry;
  using Base = HashInternal::HashContainerBase<K, HashEntry, Hash, Equal>;

 public:
  class ConstIterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = K;
    using difference_type = std::ptrdiff_t;
    using pointer = const K*;
    using reference = const K&;

    const K& operator*() const noexcept { return cursor.Get().key; }
    const K* operator->() const noexcept { return &cursor.Get().key; }
    ConstIterator& operator++() noexcept {
      cursor.Advance();
      return *this;
    }
    bool operator==(const ConstIterator& other) const noexcept { return cursor == other.cursor; }
    bool operator!=(const ConstIterator& other) const noexcept { return cursor != other.cursor; }

   private:
    friend class HashSet;
    explicit ConstIterator(HashInternal::EntryCursor<HashEntry> cursor) noexcept : cursor(cursor) {}
    HashInternal::EntryCursor<HashEntry> cursor;
  };

  // No buckets and no entries; limits 2.0 (average search) and 0.75 (load factor).
  HashSet() noexcept : HashSet(0.0f, 0.0f) {}

  // A maxAverageSearch below 1.0 becomes 2.0; a maxLoadFactor below 0.01 (in double precision, so
  // 0.01f counts as below) becomes 0.75.
  HashSet(float maxAverageSearch, float maxLoadFactor) noexcept : container(maxAverageSearch, maxLoadFactor) {}

  // Default limits; the buckets are sized once for the list, then the keys are added in list order
  // (a repeated key is kept once, at its first position).
  HashSet(std::initializer_list<K> keys) : HashSet() {
    if (keys.size() > container.GetCount()) {
      const double m =
          static_cast<double>(keys.size()) / (2.0 * static_cast<double>(container.GetMaxAverageSearch()) - 1.0);
      container.Rehash(GetNextHashCapacity(GetNextHashCapacity(static_cast<std::uint32_t>(m))));
    }
    for (const K& key : keys) {
      Add(key);
    }
  }

  // Same limits and enumeration order as `other`; the buckets are sized for twice what its entry
  // count needs.
  HashSet(const HashSet& other) = default;

  // Takes over the entries and buckets of `other`, which is left empty, with default limits, and
  // usable. Never allocates.
  HashSet(HashSet&& other) noexcept = default;

  // Copy assignment is not offered: a copy is made by construction. Move assignment destroys this
  // set's entries first, then takes over as the move constructor does.
  HashSet& operator=(const HashSet&) = delete;
  HashSet& operator=(HashSet&& other) noexcept = default;

  ~HashSet() = default;

  // Adds a copy of `key` (or `key` moved in) and returns true; returns false and changes nothing
  // when an equal key is present. Throws KT::OutOfMemoryException with the set unchanged.
  bool Add(const K& key) { return container.Insert(key).second; }
  bool Add(K&& key) { return container.Insert(std::move(key)).second; }

  // The stored key equal to `key`, or null.
  const K* Get(const K& key) const {
    const HashEntry* entry = container.Find(key);
    return entry != nullptr ? &entry->key : nullptr;
  }

  bool Contains(const K& key) const { return container.Find(key) != nullptr; }

  std::uint32_t GetCount() const noexcept { return container.GetCount(); }
  bool IsEmpty() const noexcept { return container.GetCount() == 0; }

  // Removes the entry added last (the newest in enumeration order), so that an operation made of
  // several insertions can undo them when a later one fails. Never allocates or throws; the buckets
  // keep their count. Precondition: the set is not empty.
  void RemoveLast() noexcept { container.RemoveLast(); }

  // Destroys every key and frees all memory; the limits stay.
  void Clear() noexcept { container.Clear(); }

  // Relinks the keys into exactly `bucketCount` buckets (at least 1 while keys are present). Keys do
  // not move. Throws KT::OutOfMemoryException with the set unchanged.
  void Rehash(std::uint32_t bucketCount) { container.Rehash(bucketCount); }

  // Insertion order.
  ConstIterator begin() const noexcept { return ConstIterator(container.Begin()); }
  ConstIterator end() const noexcept { return ConstIterator(container.End()); }

  // Figures of the growth policy and the entry store, for tests and measurements.
  std::uint32_t GetBucketCount() const noexcept { return container.GetBucketCount(); }
  std::uint32_t GetTotalSearchCost() const noexcept { return container.GetTotalSearchCost(); }
  std::uint32_t GetEntryCapacity() const noexcept { return container.GetEntryCapacity(); }
  std::uint32_t GetLastBlockPageCount() const noexcept { return container.GetLastBlockPageCount(); }
  float GetMaxAverageSearch() const noexcept { return container.GetMaxAverageSearch(); }
  float GetMaxLoadFactor() const noexcept { return container.GetMaxLoadFactor(); }

 private:
  template <class T>
  friend struct KT::LayoutCheck;

  struct HashEntry {
    template <class KeyArg>
    HashEntry(HashEntry* next, KeyArg&& key) : key(std::forward<KeyArg>(key)), next(next) {}
    HashEntry(const HashEntry& other) : key(other.key), next(nullptr) {}

    K key;
    HashEntry* next;
  };

  Base container;
};

}  // namespace KT
