// KT::SharedObject and KT::SharedPtr<T>: intrusive reference counting of the foundation library.
//
// The count lives in the object's KT::SharedObject base; copying a SharedPtr adds a reference, and
// the last release destroys the object through its virtual destructor.
//
//   class Shape : public KT::SharedObject { ... };
//   KT::SharedPtr<Shape> a(new Shape);   // count 1
//   KT::SharedPtr<Shape> b = a;          // count 2, one object
//   a.Reset();                           // count 1
//                                        // b's destruction deletes the Shape
#pragma once

#include <atomic>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "KT/AtomicCounter.h"
#include "KT/Export.h"

namespace KT {

class KT_EXPORT SharedObject {
 public:
  SharedObject() noexcept = default;
  // A copy is a new object: it starts without owners, whatever the source's count.
  SharedObject(const SharedObject&) noexcept {}
  SharedObject& operator=(const SharedObject&) noexcept { return *this; }
  virtual ~SharedObject();

  // The number of SharedPtr owners.
  std::int32_t GetReferenceCount() const noexcept { return referenceCount.load(std::memory_order_relaxed); }

 private:
  template <class T>
  friend class SharedPtr;

  void AddReference() const noexcept { AtomicIncrement(referenceCount); }
  void Release() const noexcept {
    if (AtomicDecrement(referenceCount) == 0) {
      delete this;
    }
  }

  mutable std::atomic<std::int32_t> referenceCount{0};
};

template <class T>
class SharedPtr {
  static_assert(std::is_base_of_v<SharedObject, T>,
                "KT::SharedPtr keeps its count in the object; derive the class from KT::SharedObject");

 public:
  SharedPtr() noexcept = default;
  SharedPtr(std::nullptr_t) noexcept {}  // NOLINT(google-explicit-constructor)

  // Takes a reference on `object`, typically a new heap object; null gives an empty pointer.
  explicit SharedPtr(T* object) noexcept : object(object) {
    if (object != nullptr) {
      object->AddReference();
    }
  }

  SharedPtr(const SharedPtr& other) noexcept : SharedPtr(other.object) {}
  SharedPtr(SharedPtr&& other) noexcept : object(std::exchange(other.object, nullptr)) {}

  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  SharedPtr(const SharedPtr<U>& other) noexcept : SharedPtr(other.Get()) {}  // NOLINT

  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  SharedPtr(SharedPtr<U>&& other) noexcept : object(other.Detach()) {}  // NOLINT

  SharedPtr& operator=(SharedPtr other) noexcept {
    std::swap(object, other.object);
    return *this;
  }

  ~SharedPtr() { Reset(); }

  // Drops this owner's reference; the pointer becomes empty.
  void Reset() noexcept {
    if (object != nullptr) {
      std::exchange(object, nullptr)->Release();
    }
  }

  T* Get() const noexcept { return object; }
  T* operator->() const noexcept { return object; }
  T& operator*() const noexcept { return *object; }
  explicit operator bool() const noexcept { return object != nullptr; }

  friend bool operator==(const SharedPtr& a, const SharedPtr& b) noexcept { return a.object == b.object; }
  friend bool operator!=(const SharedPtr& a, const SharedPtr& b) noexcept { return a.object != b.object; }

 private:
  template <class U>
  friend class SharedPtr;

  // Gives up ownership without releasing; used by the converting move.
  T* Detach() noexcept { return std::exchange(object, nullptr); }

  T* object = nullptr;
};

}  // namespace KT
