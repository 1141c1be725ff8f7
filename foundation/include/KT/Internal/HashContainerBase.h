// Internal: the machinery shared by KT::HashSet and KT::HashTable. Include KT/HashSet.h or
// KT/HashTable.h instead; this header is installed only because templates live in headers.
//
// How it works:
// - Entries live in a paged store (EntryStore). A page holds 8 entries; pages come in blocks of 1, 2,
//   3, ... pages, each block one allocation, and a page table finds page i (its first slot is inside
//   the store, larger tables are allocated with a power-of-two size). Blocks are never moved or
//   compacted, so an entry keeps its address for the life of the container, and store order is
//   insertion order. Growing by one page more each time keeps the number of allocations at about
//   the square root of twice the page count, and wastes at most one block.
// - The buckets are a KT::ArrayFB<Entry*, 1>; each slot heads a singly linked chain through the
//   entries' `next` pointers, newest entry first. Rehashing only rewrites these links.
// - Growth follows the measured cost of finding every entry once (`totalSearchCost`, the sum of
//   L(L+1)/2 over the chains), not the load factor alone: the buckets grow only when the load factor
//   has reached its limit and the average search cost has passed its limit too.
//
// Exception safety: every allocation an insertion may need (the first buckets, a new block, a larger
// page table, the buckets of a rehash) is made before the insertion changes anything visible, and is
// given back if constructing the entry throws, so a failed Add leaves the container exactly as it
// was. Destruction, moves and Clear never allocate.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "KT/Array.h"
#include "KT/HashCapacity.h"
#include "KT/Internal/BucketIndex.h"
#include "KT/MemoryManager.h"
#include "KT/OutOfMemoryException.h"

// The rare paths of an insertion stay out of line, so that the common one inlines into its caller.
#if defined(__GNUC__) || defined(__clang__)
#define IFCAPI_HASH_NOINLINE __attribute__((noinline))
#elif defined(_MSC_VER)
#define IFCAPI_HASH_NOINLINE __declspec(noinline)
#else
#define IFCAPI_HASH_NOINLINE
#endif

namespace KT {

template <class T>
struct LayoutCheck;

namespace HashInternal {

// The owner of the entries: pages of 8, allocated in blocks of 1, 2, 3, ... pages. Not copyable;
// the containers copy entry by entry.
template <class Entry>
class EntryStore {
  static_assert(alignof(Entry) <= alignof(std::max_align_t), "blocks come from KT::MemoryManager");

 public:
  static constexpr std::uint32_t PageEntries = 8;

  EntryStore() noexcept = default;
  EntryStore(const EntryStore&) = delete;
  EntryStore& operator=(const EntryStore&) = delete;
  ~EntryStore() { Clear(); }

  std::uint32_t GetCount() const noexcept { return count; }
  std::uint32_t GetCapacity() const noexcept { return capacity; }
  std::uint32_t GetLastBlockPageCount() const noexcept { return lastBlockPages; }
  Entry* const* GetPages() const noexcept { return pageTable; }

  // Precondition: index < GetCount() (asserted in debug builds).
  Entry& operator[](std::uint32_t index) const noexcept {
    assert(index < count);
    return Place(index);
  }

  // Calls visit(entry) for every entry in store order.
  template <class Visit>
  void ForEach(Visit&& visit) const {
    std::uint32_t left = count;
    for (Entry* const* page = pageTable; left != 0; ++page) {
      const std::uint32_t onPage = left < PageEntries ? left : PageEntries;
      for (std::uint32_t i = 0; i < onPage; ++i) {
        visit((*page)[i]);
      }
      left -= onPage;
    }
  }

  // Whether the next Append needs no new block.
  bool HasRoom() const noexcept { return count < capacity; }

  // Makes the entry after the last one with construct(place), which placement-constructs an Entry at
  // `place`, and returns it. When the store is full a new block (and, if needed, a larger page
  // table) is allocated first. If an allocation or construct throws, the store is unchanged.
  template <class Construct>
  Entry* Append(Construct&& construct) {
    if (count < capacity) {
      Entry* place = &Place(count);
      construct(place);
      ++count;
      return place;
    }
    return AppendToNewBlock(std::forward<Construct>(construct));
  }

  // Destroys the last entry. Its block and the page table stay, for the next Append.
  // Precondition: GetCount() > 0.
  void RemoveLast() noexcept {
    assert(count > 0);
    (*this)[count - 1].~Entry();
    --count;
  }

  // Destroys the entries in store order, frees the blocks from the last to the first and then an
  // allocated page table. A later Append starts again with a 1-page block.
  void Clear() noexcept {
    ForEach([](Entry& entry) { entry.~Entry(); });
    std::uint32_t pages = capacity / PageEntries;
    for (std::uint32_t blockPages = lastBlockPages; blockPages != 0; --blockPages) {
      pages -= blockPages;
      MemoryManager::Free(pageTable[pages]);  // a block's first page is the start of its allocation
    }
    if (pageTable != &inlinePage) {
      MemoryManager::Free(pageTable);
    }
    pageTable = &inlinePage;
    inlinePage = nullptr;
    capacity = 0;
    lastBlockPages = 0;
    count = 0;
  }

  void Swap(EntryStore& other) noexcept {
    const bool mineInline = pageTable == &inlinePage;
    const bool theirsInline = other.pageTable == &other.inlinePage;
    std::swap(pageTable, other.pageTable);
    std::swap(inlinePage, other.inlinePage);
    std::swap(capacity, other.capacity);
    std::swap(lastBlockPages, other.lastBlockPages);
    std::swap(count, other.count);
    if (theirsInline) {
      pageTable = &inlinePage;
    }
    if (mineInline) {
      other.pageTable = &other.inlinePage;
    }
  }

 private:
  // The place of entry `index` within the capacity, made or not.
  Entry& Place(std::uint32_t index) const noexcept { return pageTable[index / PageEntries][index % PageEntries]; }

  template <class T>
  friend struct KT::LayoutCheck;

  // Page-table slots available for `pages` pages: the inline one, or the power of two allocated.
  static std::uint64_t TableCapacity(std::uint64_t pages) noexcept {
    std::uint64_t slots = 1;
    while (slots < pages) {
      slots *= 2;
    }
    return slots;
  }

  template <class Construct>
  IFCAPI_HASH_NOINLINE Entry* AppendToNewBlock(Construct&& construct) {
    Entry** table = nullptr;
    Entry* block = AllocateBlock(table);
    try {
      construct(block);
    } catch (...) {
      MemoryManager::Free(table);
      MemoryManager::Free(block);
      throw;
    }
    InstallBlock(block, table);
    ++count;
    return block;
  }

  // The next block, and in `table` a larger page table when the current one cannot take the block's
  // pages (null otherwise). Nothing changes in the store.
  Entry* AllocateBlock(Entry**& table) {
    const std::uint64_t blockPages = lastBlockPages + 1;
    const std::uint64_t pages = capacity / PageEntries;
    if (capacity + blockPages * PageEntries > UINT32_MAX) {
      throw OutOfMemoryException();
    }
    auto* block = static_cast<Entry*>(MemoryManager::Allocate(blockPages * PageEntries * sizeof(Entry)));
    if (pages + blockPages > TableCapacity(pages)) {
      try {
        table = static_cast<Entry**>(MemoryManager::Allocate(TableCapacity(pages + blockPages) * sizeof(Entry*)));
      } catch (...) {
        MemoryManager::Free(block);
        throw;
      }
    }
    return block;
  }

  void InstallBlock(Entry* block, Entry** table) noexcept {
    const std::uint32_t blockPages = lastBlockPages + 1;
    const std::uint32_t pages = capacity / PageEntries;
    if (table != nullptr) {
      for (std::uint32_t i = 0; i < pages; ++i) {
        table[i] = pageTable[i];
      }
      if (pageTable != &inlinePage) {
        MemoryManager::Free(pageTable);
      }
      pageTable = table;
    }
    for (std::uint32_t i = 0; i < blockPages; ++i) {
      pageTable[pages + i] = block + i * PageEntries;
    }
    capacity += blockPages * PageEntries;
    lastBlockPages = blockPages;
  }

  Entry** pageTable = &inlinePage;
  Entry* inlinePage = nullptr;
  std::uint32_t capacity = 0;
  std::uint32_t lastBlockPages = 0;  // pages of the last block allocated; 0 when there is none
  std::uint32_t count = 0;
};

// Position in an EntryStore, for the containers' iterators. It holds the entry's address, so that
// stepping within a page is an increment; the page table is read only when a step crosses into a page
// that holds entries (index below `count`): with one full page there is no table slot after it.
template <class Entry>
class EntryCursor {
  static constexpr std::uint32_t PageEntries = EntryStore<Entry>::PageEntries;

 public:
  EntryCursor(Entry* const* pages, std::uint32_t index, std::uint32_t count) noexcept
      : pages(pages),
        current(index < count ? &pages[index / PageEntries][index % PageEntries] : nullptr),
        index(index),
        count(count) {}

  Entry& Get() const noexcept { return *current; }
  void Advance() noexcept {
    ++current;
    if (++index % PageEntries == 0 && index < count) {
      current = pages[index / PageEntries];
    }
  }
  bool operator==(const EntryCursor& other) const noexcept { return index == other.index; }
  bool operator!=(const EntryCursor& other) const noexcept { return index != other.index; }

 private:
  Entry* const* pages;
  Entry* current;
  std::uint32_t index;
  std::uint32_t count;
};

// The growth rule: grow when the load factor (count / buckets) has reached its limit and the average
// search cost (cost / count) has passed its limit, both ratios taken in double precision.
// Precondition: count and bucketCount are not 0 (it is asked for an insertion into existing buckets,
// and the count includes the new entry).
inline bool GrowthDueByRatio(std::uint32_t count, std::uint32_t bucketCount, std::uint32_t cost, float maxAverageSearch,
                             float maxLoadFactor) noexcept {
  assert(count != 0 && bucketCount != 0);
  const double load = static_cast<double>(count) / bucketCount;
  const double average = static_cast<double>(cost) / count;
  return load >= maxLoadFactor && average > maxAverageSearch;
}

// The same rule without divisions. With the default limits (2.0 and 0.75, exact in binary) the two
// comparisons are exactly 4 * count >= 3 * buckets and cost > 2 * count: a ratio of 32-bit integers
// that differs from 0.75 or 2.0 differs by more than its rounding error. Same precondition.
inline bool GrowthDue(std::uint32_t count, std::uint32_t bucketCount, std::uint32_t cost, float maxAverageSearch,
                      float maxLoadFactor) noexcept {
  if (maxAverageSearch == 2.0f && maxLoadFactor == 0.75f) {
    return 4 * std::uint64_t{count} >= 3 * std::uint64_t{bucketCount} && cost > 2 * std::uint64_t{count};
  }
  return GrowthDueByRatio(count, bucketCount, cost, maxAverageSearch, maxLoadFactor);
}

// The fields and algorithms of a hash container whose entries are `Entry` records holding `key` and
// `next`. Entry must be constructible as Entry(next, key, value...) and copy-constructible from
// another entry (the copy's `next` is null) when the container is copied.
template <class K, class Entry, class Hash, class Equal>
class HashContainerBase {
 public:
  using Buckets = ArrayFB<Entry*, 1>;

  static constexpr float DefaultMaxAverageSearch = 2.0f;
  static constexpr float DefaultMaxLoadFactor = 0.75f;

  // A limit below 1.0 (or NaN) becomes 2.0; a load factor below 0.01, compared in double precision
  // (so 0.01f, slightly less, counts as below), becomes 0.75.
  HashContainerBase(float maxAverageSearch, float maxLoadFactor) noexcept
      : maxAverageSearch(maxAverageSearch >= 1.0f ? maxAverageSearch : DefaultMaxAverageSearch),
        maxLoadFactor(static_cast<double>(maxLoadFactor) >= 0.01 ? maxLoadFactor : DefaultMaxLoadFactor) {}

  // Copies every entry in store order, then rehashes to twice the capacity that the source's entry
  // count needs under its search limit (m = count / (2 * maxAverageSearch - 1)).
  HashContainerBase(const HashContainerBase& other)
      : maxAverageSearch(other.maxAverageSearch), maxLoadFactor(other.maxLoadFactor) {
    other.entries.ForEach(
        [this](const Entry& source) { entries.Append([&source](Entry* place) { new (place) Entry(source); }); });
    const double m = static_cast<double>(entries.GetCount()) / (2.0 * static_cast<double>(maxAverageSearch) - 1.0);
    Rehash(GetNextHashCapacity(GetNextHashCapacity(static_cast<std::uint32_t>(m))));
  }

  HashContainerBase(HashContainerBase&& other) noexcept
      : HashContainerBase(DefaultMaxAverageSearch, DefaultMaxLoadFactor) {
    TakeOver(other);
  }

  HashContainerBase& operator=(const HashContainerBase&) = delete;

  HashContainerBase& operator=(HashContainerBase&& other) noexcept {
    if (this != &other) {
      Clear();
      TakeOver(other);
    }
    return *this;
  }

  ~HashContainerBase() { Clear(); }

  std::uint32_t GetCount() const noexcept { return entries.GetCount(); }
  std::uint32_t GetBucketCount() const noexcept { return buckets.GetSize(); }
  std::uint32_t GetTotalSearchCost() const noexcept { return totalSearchCost; }
  std::uint32_t GetEntryCapacity() const noexcept { return entries.GetCapacity(); }
  std::uint32_t GetLastBlockPageCount() const noexcept { return entries.GetLastBlockPageCount(); }
  float GetMaxAverageSearch() const noexcept { return maxAverageSearch; }
  float GetMaxLoadFactor() const noexcept { return maxLoadFactor; }

  EntryCursor<Entry> Begin() const noexcept { return {entries.GetPages(), 0, entries.GetCount()}; }
  EntryCursor<Entry> End() const noexcept { return {entries.GetPages(), entries.GetCount(), entries.GetCount()}; }

  // The entry whose key equals `key`, or null. Hashes nothing when there are no buckets.
  Entry* Find(const K& key) const {
    const std::uint32_t bucketCount = buckets.GetSize();
    if (bucketCount == 0) {
      return nullptr;
    }
    for (Entry* entry = buckets[ReduceToBucket(Hash{}(key), bucketCount)]; entry != nullptr; entry = entry->next) {
      if (Equal{}(entry->key, key)) {
        return entry;
      }
    }
    return nullptr;
  }

  // Adds an entry made from `key` and `value` unless the key is present. Returns the new entry and
  // true, or the present entry and false (then nothing changed). Throws KT::OutOfMemoryException (or
  // what the key's or value's construction throws) with the container unchanged.
  //
  // The common case (buckets exist, the store has room, no growth due) is handled here, inline;
  // everything else takes InsertSlow, which walks the chain again.
  template <class KeyArg, class... ValueArgs>
  std::pair<Entry*, bool> Insert(KeyArg&& key, ValueArgs&&... value) {
    const std::uint32_t bucketCount = buckets.GetSize();
    if (bucketCount != 0 && entries.HasRoom()) {
      Entry*& head = buckets[ReduceToBucket(Hash{}(key), bucketCount)];
      std::uint32_t walked = 0;
      for (Entry* entry = head; entry != nullptr; entry = entry->next, ++walked) {
        if (Equal{}(entry->key, key)) {
          return {entry, false};
        }
      }
      const std::uint32_t count = entries.GetCount() + 1;
      const std::uint32_t cost = totalSearchCost + walked + 1;
      if (!GrowthDue(count, bucketCount, cost, maxAverageSearch, maxLoadFactor)) {
        Entry* const added = entries.Append([&](Entry* place) {
          new (place) Entry(head, std::forward<KeyArg>(key), std::forward<ValueArgs>(value)...);
        });
        head = added;
        totalSearchCost = cost;
        return {added, true};
      }
    }
    return InsertSlow(std::forward<KeyArg>(key), std::forward<ValueArgs>(value)...);
  }

  // Relinks every entry into exactly `bucketCount` buckets (1 when 0 is asked of a non-empty
  // container; 0 on an empty one frees the buckets). Throws KT::OutOfMemoryException with the
  // container unchanged.
  void Rehash(std::uint32_t bucketCount) {
    if (bucketCount == 0 && entries.GetCount() != 0) {
      bucketCount = 1;
    }
    Buckets fresh;
    MakeBuckets(fresh, bucketCount);
    // An empty container links nothing and needs no counters.
    ChainLengths lengths(entries.GetCount() != 0 ? bucketCount : 0);
    Relink(fresh, lengths);
  }

  // Unlinks and destroys the newest entry, for undoing an insertion when a later step of a larger
  // operation fails. The buckets keep their count. Never allocates. Precondition: GetCount() > 0.
  void RemoveLast() noexcept {
    assert(entries.GetCount() > 0);
    Entry& last = entries[entries.GetCount() - 1];
    // The newest entry heads its chain after an insertion and after every relink; the walk only
    // guards that assumption.
    Entry** link = &buckets[ReduceToBucket(Hash{}(last.key), buckets.GetSize())];
    std::uint32_t length = 0;
    for (Entry* entry = *link; entry != nullptr; entry = entry->next) {
      ++length;
    }
    while (*link != &last) {
      link = &(*link)->next;
    }
    *link = last.next;
    // A chain of L entries costs L(L+1)/2 comparisons; one of L-1 costs L fewer.
    totalSearchCost -= length;
    entries.RemoveLast();
  }

  // Destroys the entries in store order, frees their memory and the buckets.
  void Clear() noexcept {
    entries.Clear();
    buckets.Clear();
    totalSearchCost = 0;
  }

 private:
  template <class T>
  friend struct KT::LayoutCheck;

  // Empties `other` into this empty container; `other` keeps no buckets and default limits.
  void TakeOver(HashContainerBase& other) noexcept {
    buckets = std::move(other.buckets);
    entries.Swap(other.entries);
    maxAverageSearch = std::exchange(other.maxAverageSearch, DefaultMaxAverageSearch);
    maxLoadFactor = std::exchange(other.maxLoadFactor, DefaultMaxLoadFactor);
    totalSearchCost = std::exchange(other.totalSearchCost, 0);
    other.Clear();
  }

  // The first buckets, a new block, a growth: everything that may allocate is allocated before
  // anything changes, and given back if a later step throws.
  template <class KeyArg, class... ValueArgs>
  IFCAPI_HASH_NOINLINE std::pair<Entry*, bool> InsertSlow(KeyArg&& key, ValueArgs&&... value) {
    const bool hadBuckets = buckets.GetSize() != 0;
    if (!hadBuckets) {
      MakeBuckets(buckets, GetNextHashCapacity(0));
    }
    try {
      const std::uint32_t bucketCount = buckets.GetSize();
      Entry*& head = buckets[ReduceToBucket(Hash{}(key), bucketCount)];
      std::uint32_t walked = 0;
      for (Entry* entry = head; entry != nullptr; entry = entry->next, ++walked) {
        if (Equal{}(entry->key, key)) {
          return {entry, false};
        }
      }
      const std::uint32_t newCost = totalSearchCost + walked + 1;
      const bool grow = GrowthDue(entries.GetCount() + 1, bucketCount, newCost, maxAverageSearch, maxLoadFactor);
      Buckets grown;
      ChainLengths lengths;
      if (grow) {
        const std::uint32_t grownCount = GetNextHashCapacity(bucketCount);
        MakeBuckets(grown, grownCount);
        lengths.Allocate(grownCount);
      }
      Entry* const added = entries.Append(
          [&](Entry* place) { new (place) Entry(head, std::forward<KeyArg>(key), std::forward<ValueArgs>(value)...); });
      head = added;
      totalSearchCost = newCost;
      if (grow) {
        Relink(grown, lengths);
      }
      return {added, true};
    } catch (...) {
      if (!hadBuckets) {
        buckets.Clear();
      }
      throw;
    }
  }

  // Capacity and size exactly `bucketCount`, every slot null.
  static void MakeBuckets(Buckets& target, std::uint32_t bucketCount) {
    target.Reallocate(bucketCount);
    target.SetSize(bucketCount);
  }

  // One zeroed 32-bit counter per bucket for a relink, so that the search cost is summed while
  // linking (the k-th entry linked into a chain costs k comparisons to find) instead of by walking
  // every chain again afterwards, which would touch every entry a second time in random order.
  class ChainLengths {
   public:
    ChainLengths() noexcept = default;
    explicit ChainLengths(std::uint32_t bucketCount) { Allocate(bucketCount); }
    ChainLengths(const ChainLengths&) = delete;
    ChainLengths& operator=(const ChainLengths&) = delete;
    ~ChainLengths() { MemoryManager::Free(lengths); }

    void Allocate(std::uint32_t bucketCount) {
      if (bucketCount != 0) {
        const std::size_t bytes = std::size_t{bucketCount} * sizeof(std::uint32_t);
        lengths = static_cast<std::uint32_t*>(MemoryManager::Allocate(bytes));
        std::memset(lengths, 0, bytes);
      }
    }
    std::uint32_t* Get() const noexcept { return lengths; }

   private:
    std::uint32_t* lengths = nullptr;
  };

  // Adopts `fresh` (all null) as the buckets, links every entry in store order at the head of its
  // chain, and sums the search cost with the help of `lengths` (zeroed, one counter per bucket).
  //
  // In a large container every link touches a slot and a counter that are not in the cache. The
  // entries are visited page by page, so the slots of one page are computed and fetched while the
  // entries of the page before are linked.
  void Relink(Buckets& fresh, const ChainLengths& lengths) noexcept {
    buckets = std::move(fresh);
    const std::uint32_t bucketCount = buckets.GetSize();
    Entry** const slots = buckets.begin();
    std::uint32_t* const counters = lengths.Get();
    constexpr std::uint32_t PageEntries = EntryStore<Entry>::PageEntries;
    // Pages in flight: the slots of one page are fetched while the page before is linked, 16
    // prefetches, about what a core can have outstanding.
    constexpr std::uint32_t Ahead = 2;
    std::uint32_t indices[Ahead][PageEntries];
    const std::uint32_t count = entries.GetCount();
    const std::uint32_t pageCount = (count + PageEntries - 1) / PageEntries;
    Entry* const* pages = entries.GetPages();
    std::uint32_t cost = 0;
    for (std::uint32_t p = 0; p < pageCount + Ahead - 1; ++p) {
      if (p < pageCount) {
        const Entry* const page = pages[p];
        const std::uint32_t onPage = p + 1 < pageCount ? PageEntries : count - p * PageEntries;
        std::uint32_t* const pageIndices = indices[p % Ahead];
        for (std::uint32_t i = 0; i < onPage; ++i) {
          const std::uint32_t index = ReduceToBucket(Hash{}(page[i].key), bucketCount);
          pageIndices[i] = index;
          Prefetch(&slots[index]);
          Prefetch(&counters[index]);
        }
      }
      if (p + 1 >= Ahead) {
        const std::uint32_t q = p + 1 - Ahead;  // the page linked now
        Entry* const page = pages[q];
        const std::uint32_t onPage = q + 1 < pageCount ? PageEntries : count - q * PageEntries;
        const std::uint32_t* const pageIndices = indices[q % Ahead];
        for (std::uint32_t i = 0; i < onPage; ++i) {
          const std::uint32_t index = pageIndices[i];
          page[i].next = slots[index];
          slots[index] = &page[i];
          cost += ++counters[index];
        }
      }
    }
    totalSearchCost = cost;
  }

  static void Prefetch(const void* address) noexcept {
#if defined(__GNUC__)
    __builtin_prefetch(address, 1);
#else
    static_cast<void>(address);
#endif
  }

  Buckets buckets;
  EntryStore<Entry> entries;
  float maxAverageSearch;
  float maxLoadFactor;
  std::uint32_t totalSearchCost = 0;
};

}  // namespace HashInternal
}  // namespace KT
