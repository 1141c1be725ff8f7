// KT::Array<T>: the foundation library's growable array, and KT::ArrayFB<T, N>, the same with a
// buffer of N elements inside the object, used before any heap memory is taken.
//
// Elements are stored contiguously; every buffer comes from KT::MemoryManager. Capacity doubles as
// the array grows and halves back when it falls to a quarter:
//
//   KT::Array<int> values{1, 2, 3};     // capacity exactly 3
//   values.Push(values[0]);             // safe: the element is copied before the buffer moves
//   for (int v : values) Use(v);
//   values.Clear();                     // size and capacity 0, the buffer freed
//
// Exception safety: Push and a growing SetSize that throw (out of memory, or an element's
// construction) leave the array as it was, an element pushed from the array itself included; a
// shrink that runs out of memory is swallowed and keeps the old buffer. Destruction, moves and Clear
// never allocate or throw (given elements whose destructor and move do not).
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <new>
#include <type_traits>
#include <utility>

#include "KT/MemoryManager.h"
#include "KT/OutOfMemoryException.h"

namespace KT {

// Bases of the container class tree; they carry no data.
template <class T>
class Container {};

template <class T>
class RandomContainer : public Container<T> {};

template <class T>
class Array : public RandomContainer<T> {
 public:
  Array() noexcept = default;

  // Capacity exactly the list's length; the elements are copied in order.
  Array(std::initializer_list<T> items) {
    if (items.size() == 0) {
      return;
    }
    buffer = AllocateFromMemoryManager(static_cast<std::uint32_t>(items.size()));
    capacity = static_cast<std::uint32_t>(items.size());
    AppendCopies(items.begin(), items.end());
  }

  // Capacity exactly the source's size.
  Array(const Array& other) {
    if (other.size == 0) {
      return;
    }
    buffer = AllocateFromMemoryManager(other.size);
    capacity = other.size;
    AppendCopies(other.begin(), other.end());
  }

  // Takes over the source's buffer; the source is left empty and usable.
  Array(Array&& other) noexcept { TakeOver(other); }

  Array& operator=(const Array& other) {
    if (this != &other) {
      Array copy(other);
      TakeOver(copy);
    }
    return *this;
  }

  Array& operator=(Array&& other) noexcept {
    if (this != &other) {
      TakeOver(other);
    }
    return *this;
  }

  // Sets the capacity to `requested`, raised to the minimum capacity, and moves the elements over.
  // Precondition: `requested` is at least the size. Throws KT::OutOfMemoryException when growing
  // fails (the array is unchanged); a failed shrink is swallowed and keeps the old buffer.
  virtual void Reallocate(std::uint32_t requested) {
    assert(requested >= size);
    requested = requested < GetMinimumCapacity() ? GetMinimumCapacity() : requested;
    if (requested == capacity) {
      return;
    }
    const bool growing = capacity < requested;
    T* fresh = nullptr;
    try {
      fresh = AllocateBuffer(requested, buffer);
    } catch (const OutOfMemoryException&) {
      if (growing) {
        throw;
      }
      return;
    }
    // Elements whose move may throw are copied, and a copy may fail: the new buffer goes back
    // whatever the exception, and only a shrink's lack of memory is swallowed.
    try {
      TransferInto(fresh);
    } catch (const OutOfMemoryException&) {
      FreeBuffer(fresh);
      if (growing) {
        throw;
      }
      return;
    } catch (...) {
      FreeBuffer(fresh);
      throw;
    }
    AdoptBuffer(fresh, requested);
  }

  std::uint32_t GetSize() const noexcept { return size; }
  std::uint32_t GetCapacity() const noexcept { return capacity; }
  bool IsEmpty() const noexcept { return size == 0; }

  // Precondition: index < GetSize() (asserted in debug builds).
  T& operator[](std::uint32_t index) noexcept {
    assert(index < size);
    return buffer[index];
  }
  const T& operator[](std::uint32_t index) const noexcept {
    assert(index < size);
    return buffer[index];
  }

  T* begin() noexcept { return buffer; }
  T* end() noexcept { return buffer + size; }
  const T* begin() const noexcept { return buffer; }
  const T* end() const noexcept { return buffer + size; }

  // Appends a copy of `item`, which may be an element of this array. When the copy or the growth
  // throws, the array is unchanged.
  void Push(const T& item) {
    if (size + 1 > capacity) {
      PushGrowing(item);
    } else {
      new (buffer + size) T(item);
      ++size;
    }
  }

  // Appends `item`, moved in; it may be an element of this array. When the growth throws, the array
  // is unchanged, `item` included: an element whose move may throw is copied instead.
  void Push(T&& item) {
    if (size + 1 > capacity) {
      using Source = std::conditional_t<std::is_nothrow_move_constructible_v<T> || !std::is_copy_constructible_v<T>,
                                        T&&, const T&>;
      PushGrowing(static_cast<Source>(item));
    } else {
      new (buffer + size) T(std::move(item));
      ++size;
    }
  }

  // Shrinking destroys the elements past `newSize` (and halves the buffer when it is at most a
  // quarter full); growing value-initialises the new elements (null for pointers).
  void SetSize(std::uint32_t newSize) {
    if (newSize < size) {
      for (std::uint32_t i = newSize; i < size; ++i) {
        buffer[i].~T();
      }
      size = newSize;
      if (newSize <= capacity / 4) {
        EnsureRoom(newSize);
      }
      return;
    }
    EnsureRoom(newSize);
    const std::uint32_t oldSize = size;
    try {
      for (; size < newSize; ++size) {
        new (buffer + size) T();
      }
    } catch (...) {
      while (size > oldSize) {
        buffer[--size].~T();
      }
      throw;
    }
  }

  // Destroys every element and gives the buffer back: size 0, capacity the minimum capacity.
  void Clear() noexcept {
    DestroyElements();
    size = 0;
    Reallocate(0);
  }

 protected:
  // 0: a plain array holds no buffer when empty.
  virtual std::uint32_t GetMinimumCapacity() const noexcept { return 0; }

  // A buffer for `n` elements (none for 0). `inUse` is the buffer the array holds now.
  virtual T* AllocateBuffer(std::uint32_t n, T* inUse) {
    static_cast<void>(inUse);
    return AllocateFromMemoryManager(n);
  }

  virtual void FreeBuffer(T* block) noexcept { MemoryManager::Free(block); }

  virtual bool IsAllocatorOwned(const T* block) const noexcept {
    static_cast<void>(block);
    return true;
  }

 public:
  // Declared after the five operations above because the host's modules call them through the table of
  // virtual functions in declaration order: Reallocate, GetMinimumCapacity, AllocateBuffer, FreeBuffer,
  // IsAllocatorOwned, then the destructor. Keep new virtual operations out of this class.
  virtual ~Array() { Release(); }

 protected:
  static T* AllocateFromMemoryManager(std::uint32_t n) {
    if (n == 0) {
      return nullptr;
    }
    // NOLINTNEXTLINE(bugprone-sizeof-expression): T is the element type, also when it is a pointer
    if (n > SIZE_MAX / sizeof(T)) {
      throw OutOfMemoryException();
    }
    // NOLINTNEXTLINE(bugprone-sizeof-expression): as above
    return static_cast<T*>(MemoryManager::Allocate(std::size_t{n} * sizeof(T)));
  }

  // Destroys the elements and frees an allocator-owned buffer; the array is left empty with no
  // buffer. Used by destructors, where virtual calls no longer reach derived classes.
  void Release() noexcept {
    DestroyElements();
    if (buffer != nullptr && IsAllocatorOwned(buffer)) {
      MemoryManager::Free(buffer);
    }
    buffer = nullptr;
    capacity = 0;
    size = 0;
  }

  // Empties this array and takes the source's elements, leaving the source empty and usable. A
  // source buffer from the allocator changes hands as it is; the elements of an inline source buffer
  // (at most the minimum capacity) are moved into this array's own minimum buffer. Allocates only
  // when a plain array takes over from an inline buffer.
  void TakeOver(Array& other) {
    DestroyElements();
    size = 0;
    if (other.IsAllocatorOwned(other.buffer)) {
      if (IsAllocatorOwned(buffer)) {
        MemoryManager::Free(buffer);
      }
      buffer = std::exchange(other.buffer, nullptr);
      capacity = std::exchange(other.capacity, 0);
      size = std::exchange(other.size, 0);
      other.Reallocate(0);
      return;
    }
    Reallocate(other.size);
    for (std::uint32_t i = 0; i < other.size; ++i) {
      new (buffer + size) T(std::move(other.buffer[i]));
      ++size;
    }
    other.DestroyElements();
    other.size = 0;
  }

  // Makes `buffer` (capacity `count`, no elements) this array's buffer. For derived classes whose
  // buffer is part of the object.
  void Adopt(T* block, std::uint32_t count) noexcept {
    buffer = block;
    capacity = count;
    size = 0;
  }

 private:
  template <class U>
  friend struct LayoutCheck;

  // Reallocates to the larger of `needed` and twice the size when `needed` exceeds the capacity or
  // is at most a quarter of it.
  void EnsureRoom(std::uint32_t needed) {
    if (needed > capacity || needed <= capacity / 4) {
      const std::uint32_t doubled = size > UINT32_MAX / 2 ? UINT32_MAX : 2 * size;
      Reallocate(needed > doubled ? needed : doubled);
    }
  }

  // Appends to a full array: the new element is made in the new buffer first and the old elements
  // follow, so `item` may live in the old buffer, and a failure anywhere leaves the array as it was.
  template <class Source>
  void PushGrowing(Source&& item) {
    const std::uint32_t doubled = size > UINT32_MAX / 2 ? UINT32_MAX : 2 * size;
    std::uint32_t requested = size + 1 > doubled ? size + 1 : doubled;
    requested = requested < GetMinimumCapacity() ? GetMinimumCapacity() : requested;
    T* fresh = AllocateBuffer(requested, buffer);
    try {
      new (fresh + size) T(std::forward<Source>(item));
    } catch (...) {
      FreeBuffer(fresh);
      throw;
    }
    try {
      TransferInto(fresh);
    } catch (...) {
      fresh[size].~T();
      FreeBuffer(fresh);
      throw;
    }
    AdoptBuffer(fresh, requested);
    ++size;
  }

  template <class Iterator>
  void AppendCopies(Iterator first, Iterator last) {
    try {
      for (; first != last; ++first) {
        new (buffer + size) T(*first);
        ++size;
      }
    } catch (...) {
      Release();
      throw;
    }
  }

  // Moves (or, for elements whose move may throw, copies) the elements into `fresh`. On an exception
  // the elements already made there are destroyed and the old ones are untouched.
  void TransferInto(T* fresh) {
    std::uint32_t made = 0;
    try {
      for (; made < size; ++made) {
        new (fresh + made) T(std::move_if_noexcept(buffer[made]));
      }
    } catch (...) {
      for (std::uint32_t i = 0; i < made; ++i) {
        fresh[i].~T();
      }
      throw;
    }
  }

  // Replaces the buffer with `fresh`, of `freshCapacity` elements, into which every element has been
  // moved or copied: the old elements are destroyed and their buffer given back.
  void AdoptBuffer(T* fresh, std::uint32_t freshCapacity) noexcept {
    DestroyElements();
    FreeBuffer(buffer);
    buffer = fresh;
    capacity = freshCapacity;
  }

  void DestroyElements() noexcept {
    for (std::uint32_t i = 0; i < size; ++i) {
      buffer[i].~T();
    }
  }

  T* buffer = nullptr;
  std::uint32_t capacity = 0;
  std::uint32_t size = 0;
};

// An array that holds up to N elements in a buffer inside the object and only then takes memory from
// the allocator. The library uses N = 1, for the bucket arrays of its hash containers.
template <class T, std::uint32_t N>
class ArrayFB : public Array<T> {
  static_assert(N == 1, "only the one-element inline buffer is used and tested; use KT::Array otherwise");

 public:
  ArrayFB() noexcept { this->Adopt(InlineBuffer(), N); }

  ArrayFB(const ArrayFB& other) : ArrayFB() {
    this->Reallocate(other.GetSize());
    for (const T& item : other) {
      this->Push(item);
    }
  }

  ArrayFB(ArrayFB&& other) noexcept : ArrayFB() { this->TakeOver(other); }

  ArrayFB& operator=(const ArrayFB& other) {
    if (this != &other) {
      ArrayFB copy(other);
      this->TakeOver(copy);
    }
    return *this;
  }

  ArrayFB& operator=(ArrayFB&& other) noexcept {
    if (this != &other) {
      this->TakeOver(other);
    }
    return *this;
  }

  ~ArrayFB() override { this->Release(); }

 protected:
  std::uint32_t GetMinimumCapacity() const noexcept override { return N; }

  T* AllocateBuffer(std::uint32_t n, T* inUse) override {
    if (n < 2 && inUse != InlineBuffer()) {
      return InlineBuffer();
    }
    return Array<T>::AllocateFromMemoryManager(n);
  }

  void FreeBuffer(T* block) noexcept override {
    if (block != InlineBuffer()) {
      MemoryManager::Free(block);
    }
  }

  bool IsAllocatorOwned(const T* block) const noexcept override { return block != InlineBuffer(); }

 private:
  template <class U>
  friend struct LayoutCheck;

  T* InlineBuffer() noexcept { return std::launder(reinterpret_cast<T*>(inlineStorage)); }
  const T* InlineBuffer() const noexcept { return std::launder(reinterpret_cast<const T*>(inlineStorage)); }

  // NOLINTNEXTLINE(bugprone-sizeof-expression): T is the element type, also when it is a pointer
  alignas(T) unsigned char inlineStorage[sizeof(T) * N];
};

}  // namespace KT
