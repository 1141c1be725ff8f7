// The two ways to name an instance of a model: its number in the file ("#42", any positive 64-bit
// number the writer chose) and its index (its position among the model's instances, 0 to count - 1,
// dense, what every per-instance table is indexed by). Distinct types, so one is never taken for the
// other:
//
//   const InstanceIndex index = model.Find(InstanceNumber(42));   // invalid when there is no #42
//   if (index.Valid()) Use(model.Number(index).Value());          // 42
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>

namespace Ifc {

class InstanceNumber {
 public:
  constexpr InstanceNumber() noexcept = default;
  constexpr explicit InstanceNumber(std::uint64_t value) noexcept : value(value) {}

  constexpr std::uint64_t Value() const noexcept { return value; }
  // Numbers start at 1; 0 stands for none.
  constexpr bool Valid() const noexcept { return value != 0; }

  friend constexpr bool operator==(InstanceNumber a, InstanceNumber b) noexcept { return a.value == b.value; }
  friend constexpr bool operator!=(InstanceNumber a, InstanceNumber b) noexcept { return a.value != b.value; }
  friend constexpr bool operator<(InstanceNumber a, InstanceNumber b) noexcept { return a.value < b.value; }

 private:
  std::uint64_t value = 0;
};

class InstanceIndex {
 public:
  static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

  constexpr InstanceIndex() noexcept = default;
  constexpr explicit InstanceIndex(std::uint32_t value) noexcept : value(value) {}

  constexpr std::uint32_t Value() const noexcept { return value; }
  constexpr bool Valid() const noexcept { return value != kNone; }

  friend constexpr bool operator==(InstanceIndex a, InstanceIndex b) noexcept { return a.value == b.value; }
  friend constexpr bool operator!=(InstanceIndex a, InstanceIndex b) noexcept { return a.value != b.value; }
  friend constexpr bool operator<(InstanceIndex a, InstanceIndex b) noexcept { return a.value < b.value; }

 private:
  std::uint32_t value = kNone;
};

}  // namespace Ifc

// For unordered containers keyed by instance.
template <>
struct std::hash<Ifc::InstanceNumber> {
  std::size_t operator()(Ifc::InstanceNumber number) const noexcept {
    return std::hash<std::uint64_t>()(number.Value());
  }
};
template <>
struct std::hash<Ifc::InstanceIndex> {
  std::size_t operator()(Ifc::InstanceIndex index) const noexcept { return std::hash<std::uint32_t>()(index.Value()); }
};
