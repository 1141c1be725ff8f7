// Internal: the journal that makes an operation of several hash-container insertions all or nothing.
//
// How it works: the operation reserves room for every step it may record before it changes anything
// (so recording never allocates), then records each container right after an insertion into it
// succeeded. If the operation ends by an exception, the destructor removes the newest entry of each
// recorded container, newest step first; since every insertion appended its entry, this restores
// each container's contents and order. Commit, called once everything succeeded, keeps the changes.
//
// Why a journal and not making room first: whether an insertion allocates (new buckets, a new block
// of entries, a growing rehash) depends on the key and on the container's state after the insertions
// before it, which only the insertions themselves work out.
//
//   UndoLog log(2);                            // may throw; nothing has changed yet
//   if (table.Add(key, value)) log.Added(table);
//   if (set.Add(key)) log.Added(set);           // if this throws, the table's entry is removed
//   log.Commit();
#pragma once

#include <cstddef>
#include <memory>

namespace IFCAPI::Impl {

class UndoLog {
 public:
  // Room for `steps` recorded insertions. Throws KT::OutOfMemoryException beyond the inline room.
  explicit UndoLog(std::size_t steps) {
    if (steps > InlineSteps) {
      heapSteps.reset(new Step[steps]);
      slots = heapSteps.get();
    }
    room = steps;
  }

  UndoLog(const UndoLog&) = delete;
  UndoLog& operator=(const UndoLog&) = delete;

  // Removes the recorded entries, newest first, unless Commit was called.
  ~UndoLog() {
    while (count > 0) {
      --count;
      slots[count].removeLast(slots[count].container);
    }
  }

  // Records that an entry was just appended to `container` (a KT::HashSet or KT::HashTable), which
  // must outlive the log. Precondition: fewer steps recorded than reserved.
  template <class Container>
  void Added(Container& container) noexcept {
    if (count < room) {
      slots[count++] = Step{&container, &RemoveLastOf<Container>};
    }
  }

  // Keeps every recorded change.
  void Commit() noexcept { count = 0; }

 private:
  struct Step {
    void* container;
    void (*removeLast)(void*) noexcept;
  };

  static constexpr std::size_t InlineSteps = 12;

  template <class Container>
  static void RemoveLastOf(void* container) noexcept {
    static_cast<Container*>(container)->RemoveLast();
  }

  Step inlineSteps[InlineSteps];
  std::unique_ptr<Step[]> heapSteps;
  Step* slots = inlineSteps;
  std::size_t room = 0;
  std::size_t count = 0;
};

}  // namespace IFCAPI::Impl
