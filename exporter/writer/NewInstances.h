// The instances a run adds to the file, as STEP text, numbered after the file's largest number.
// Identical instances can be written once and shared: AddOnce returns the number of the first one.
//
//   if (const Ifc::Status room = NewInstances::RoomAfter(model); !room) Fail(room.Error().Message());
//   NewInstances added(InstanceNumber(model.LargestNumber().Value() + 1));
//   NewInstances::Pool properties;
//   const auto value = added.AddOnce(properties, "IFCPROPERTYSINGLEVALUE('A',$,IFCLABEL('x'),$)");
//   added.Add("IFCPROPERTYSET(...)");          // "#N=IFCPROPERTYSET(...);\n" is appended
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "exporter/writer/InstanceIds.h"
#include "ifc/errors/Expected.h"
#include "ifc/step/Model.h"

namespace Exporter {

class NewInstances {
 public:
  // Instances of one kind written so far, by body.
  using Pool = std::unordered_map<std::string, InstanceNumber>;

  struct Shared {
    InstanceNumber number;
    bool isNew;  // written by this call, not found in the pool
  };

  // How many instances a run may add: their numbers follow the input's largest within 64 bits.
  static constexpr std::uint64_t kMostAdded = std::uint64_t{1} << 32;

  // Fails (naming the instance) when the largest number of `model` leaves fewer than kMostAdded
  // numbers after it.
  static Ifc::Status RoomAfter(const Ifc::Model& model);

  explicit NewInstances(InstanceNumber firstNumber) noexcept : nextNumber(firstNumber) {}

  // Writes `body` as a new instance and returns its number.
  InstanceNumber Add(const std::string& body);

  // The number of the instance in `pool` with this `body`, written now if there is none.
  Shared AddOnce(Pool& pool, const std::string& body);

  // Every instance added, "#N=BODY;\n" each, in number order.
  const std::string& Text() const noexcept { return text; }

 private:
  InstanceNumber nextNumber;
  std::string text;
};

}  // namespace Exporter
