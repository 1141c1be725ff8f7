// GlobalIds for the instances a run adds: derived from the new instance's content, so that the same
// input and add-on give the same file, and never one that the file or the run already uses.
//
//   NewGlobalIds ids(model);
//   const std::string setId = ids.Derive("set" + content);   // 22 characters, unused so far
//   if (!ids.Claim(groupGuid)) Warn("its GlobalId is already used");
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

#include "exporter/model/IfcGuid.h"
#include "ifc/step/Model.h"

namespace Exporter {

class NewGlobalIds {
 public:
  // `model` must outlive this object.
  explicit NewGlobalIds(const Ifc::Model& model) noexcept : model(model) {}

  // A GlobalId made from `key` by a fixed rule (a version 8 UUID), the next candidate of the rule
  // when one is taken; it is claimed.
  std::string Derive(std::string_view key);

  // Claims a GlobalId given by the add-on; false when the file or an earlier claim uses it.
  bool Claim(const GuidBytes& guid);

 private:
  const Ifc::Model& model;
  std::unordered_set<std::string> claimed;
};

}  // namespace Exporter
