// The ModelView of an IFC file read through the project's reading layer (Ifc::Model): the file
// is indexed once; attribute values are parsed when the checker asks for them.
//
//   Ids::ReaderModelView model;
//   std::string error;
//   if (auto opened = model.Open("model.ifc"); !opened) Fail(opened.Error());  // unreadable, or no IFC file
//   Ids::Checker checker(model);
//
// A caller that has a Model open already (ifcapi-export --ids) wraps it: ReaderModelView view(model).
#pragma once

#include <cassert>
#include <memory>
#include <string>

#include "idscheck/check/ModelView.h"
#include "ifc/errors/Expected.h"
#include "ifc/step/Model.h"

namespace Ids {

class ReaderModelView final : public ModelView {
 public:
  ReaderModelView();
  // A view of `model`, which must outlive it.
  explicit ReaderModelView(const Ifc::Model& model);
  ~ReaderModelView() override;

  // Opens and reads the file; fails with "FILE:LINE: ..." when it cannot.
  [[nodiscard]] Ifc::Status Open(const std::string& path);

  std::string_view SchemaName() const noexcept override;
  std::size_t InstanceCount() const noexcept override;
  InstanceNumber Number(InstanceIndex index) const noexcept override;
  InstanceIndex FindByNumber(InstanceNumber number) const noexcept override;
  std::string_view EntityName(InstanceIndex index) const noexcept override;
  std::string_view UpperEntityName(InstanceIndex index) const noexcept override;
  bool IsSubtypeOf(InstanceIndex index, std::string_view upperAncestor) const noexcept override;
  bool HasEntity(std::string_view upperName) const noexcept override;
  std::vector<std::string_view> EntityNames() const override;
  std::vector<std::string> AttributeNames(InstanceIndex index) const override;
  bool Attribute(InstanceIndex index, std::string_view name, ModelValue& value) const override;
  void References(InstanceIndex index, std::string_view name, std::vector<InstanceIndex>& out) const override;
  std::vector<InstanceIndex> InstancesOf(std::string_view upperName, bool exact) const override;
  std::string TimeStamp() const override;

 private:
  // The model viewed. Precondition of every function but InstanceCount: one is open.
  const Ifc::Model& Opened() const noexcept {
    assert(model != nullptr && "a ReaderModelView without a model");
    return *model;
  }

  std::unique_ptr<Ifc::Model> owned;
  const Ifc::Model* model = nullptr;
};

// The checker's form of a value the reader parsed: .T./.F. become booleans, .U. an unknown logical.
ModelValue ToModelValue(Ifc::Value&& value);

}  // namespace Ids
