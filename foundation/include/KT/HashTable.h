// KT::HashTable<K, V>: a map from keys to values whose entries never move, enumerated in insertion
// order.
//
// A pointer to a stored value stays valid, with its contents, for as long as the table lives and is
// not cleared, across every later insertion and rehash. Add never replaces the value of a present
// key; it says so and points at the value already stored. The buckets grow only when both the load
// factor and the average number of comparisons needed to find an entry have passed their limits.
//
//   KT::HashTable<KT::UniString, unsigned int> indices;
//   unsigned int* stored = nullptr;
//   indices.Add("Pset_WallCommon", 0u, &stored);    // true; *stored == 0
//   indices.Add("Pset_WallCommon", 7u, &stored);    // false; *stored is still 0
//   KT::HashTable<unsigned int, KT::HashSet<KT::UniString>> namesByIndex;
//   namesByIndex.FindOrAdd(2u).Add("Width");        // an empty set is added for 2 first
//   for (const auto& entry : indices) Use(entry.key, entry.value);
//
// Keys and values need copy (or move) construction only, never assignment; FindOrAdd also needs
// default construction of the value. Hash and Equal are stateless adapters (KT/HashTraits.h) that
// must not throw. Memory comes from KT::MemoryManager; an insertion that throws
// KT::OutOfMemoryException leaves the table as it was. Destruction, moves and Clear never allocate
// or throw. Enumeration must not be interleaved with insertions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <new>
#include <utility>

#include "KT/HashTraits.h"
#include "KT/Internal/HashContainerBase.h"

namespace KT {

template <class K, class V, class Hash = Hasher<K>, class Equal = KeyEqual<K>>
class HashTable {
  struct HashEntry;
  using Base = HashInternal::HashContainerBase<K, HashEntry, Hash, Equal>;

 public:
  // What enumeration yields: references to one stored key and its value.
  template <class Value>
  struct EntryView {
    const K& key;
    Value& value;
  };

  template <class Value>
  class BasicIterator {
   public:
    // Dereferencing yields a view by value, so the iterator is an input iterator.
    using iterator_category = std::input_iterator_tag;
    using value_type = EntryView<Value>;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = EntryView<Value>;

    EntryView<Value> operator*() const noexcept {
      HashEntry& entry = cursor.Get();
      return {entry.key, entry.value};
    }
    BasicIterator& operator++() noexcept {
      cursor.Advance();
      return *this;
    }
    bool operator==(const BasicIterator& other) const noexcept { return cursor == other.cursor; }
    bool operator!=(const BasicIterator& other) const noexcept { return cursor != other.cursor; }

   private:
    friend class HashTable;
    explicit BasicIterator(HashInternal::EntryCursor<HashEntry> cursor) noexcept : cursor(cursor) {}
    HashInternal::EntryCursor<HashEntry> cursor;
  };

  using Iterator = BasicIterator<V>;
  using ConstIterator = BasicIterator<const V>;

  // No buckets and no entries; limits 2.0 (average search) and 0.75 (load factor).
  HashTable() noexcept : HashTable(0.0f, 0.0f) {}

  // A maxAverageSearch below 1.0 becomes 2.0; a maxLoadFactor below 0.01 (in double precision, so
  // 0.01f counts as below) becomes 0.75.
  HashTable(float maxAverageSearch, float maxLoadFactor) noexcept : container(maxAverageSearch, maxLoadFactor) {}

  // Same limits and enumeration order as `other`; the buckets are sized for twice what its entry
  // count needs.
  HashTable(const HashTable& other) = default;

  // Takes over the entries and buckets of `other`, which is left empty, with default limits, and
  // usable. Never allocates.
  HashTable(HashTable&& other) noexcept = default;

  // Copy assignment is not offered: a copy is made by construction. Move assignment destroys this
  // table's entries first, then takes over as the move constructor does.
  HashTable& operator=(const HashTable&) = delete;
  HashTable& operator=(HashTable&& other) noexcept = default;

  ~HashTable() = default;

  // Adds `key` with `value` (moved or copied in) and returns true; when the key is present, returns
  // false and changes nothing. Either way `found`, when not null, receives the value stored for the
  // key. Throws KT::OutOfMemoryException with the table unchanged.
  bool Add(const K& key, V&& value, V** found = nullptr) {
    return Report(container.Insert(key, std::move(value)), found);
  }
  bool Add(const K& key, const V& value, V** found = nullptr) { return Report(container.Insert(key, value), found); }

  // The value stored for `key`; a default-constructed one is added first when the key is absent.
  V& FindOrAdd(const K& key) { return container.Insert(key).first->value; }

  // The value stored for `key`, or null.
  V* Get(const K& key) {
    HashEntry* entry = container.Find(key);
    return entry != nullptr ? &entry->value : nullptr;
  }
  const V* Get(const K& key) const {
    const HashEntry* entry = container.Find(key);
    return entry != nullptr ? &entry->value : nullptr;
  }

  bool Contains(const K& key) const { return container.Find(key) != nullptr; }

  std::uint32_t GetCount() const noexcept { return container.GetCount(); }
  bool IsEmpty() const noexcept { return container.GetCount() == 0; }

  // Removes the entry added last (the newest in enumeration order), so that an operation made of
  // several insertions can undo them when a later one fails. Never allocates or throws; the buckets
  // keep their count. Precondition: the table is not empty.
  void RemoveLast() noexcept { container.RemoveLast(); }

  // Destroys every entry (value, then key) and frees all memory; the limits stay.
  void Clear() noexcept { container.Clear(); }

  // Relinks the entries into exactly `bucketCount` buckets (at least 1 while entries are present).
  // Entries do not move. Throws KT::OutOfMemoryException with the table unchanged.
  void Rehash(std::uint32_t bucketCount) { container.Rehash(bucketCount); }

  // Insertion order.
  Iterator begin() noexcept { return Iterator(container.Begin()); }
  Iterator end() noexcept { return Iterator(container.End()); }
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
    template <class... ValueArgs>
    HashEntry(HashEntry* next, const K& key, ValueArgs&&... value)
        : key(key), value(std::forward<ValueArgs>(value)...), next(next) {}
    HashEntry(const HashEntry& other) : key(other.key), value(other.value), next(nullptr) {}
    // Values die before their keys.
    ~HashEntry() = default;

    K key;
    V value;
    HashEntry* next;
  };

  static bool Report(std::pair<HashEntry*, bool> result, V** found) noexcept {
    if (found != nullptr) {
      *found = &result.first->value;
    }
    return result.second;
  }

  Base container;
};

}  // namespace KT
