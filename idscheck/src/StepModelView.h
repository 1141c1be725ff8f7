// A ModelView over ifcapi-export's IFC4 file index (Exporter::StepFile with its schema table): the
// file is mapped and indexed once; attribute values are read from an instance's text when asked.
//
//   Ids::StepModelView model;
//   std::string error;
//   if (!model.Open("model.ifc", error)) Fail(error);  // unreadable, or no well-formed IFC4 file
//   Ids::Checker checker(model);
#pragma once

#include <memory>
#include <string>

#include "ModelView.h"

namespace Ids {

class StepModelView final : public ModelView {
 public:
  StepModelView();
  ~StepModelView() override;

  bool Open(const std::string& path, std::string& error);

  std::string_view SchemaName() const noexcept override;
  std::size_t InstanceCount() const noexcept override;
  std::uint64_t Number(InstanceIndex index) const noexcept override;
  InstanceIndex FindByNumber(std::uint64_t number) const noexcept override;
  std::string_view EntityName(InstanceIndex index) const noexcept override;
  bool IsSubtypeOf(InstanceIndex index, std::string_view upperAncestor) const noexcept override;
  bool HasEntity(std::string_view upperName) const noexcept override;
  std::vector<std::string> AttributeNames(InstanceIndex index) const override;
  bool Attribute(InstanceIndex index, std::string_view name, ModelValue& value) const override;

 private:
  struct State;
  std::unique_ptr<State> state;
};

// Reads one ISO 10303-21 attribute token ("$", "'text'", "#12", "(1,2)", "IFCLABEL('A')", ...).
ModelValue ParseStepToken(std::string_view token);

}  // namespace Ids
