// What every kind of contribution merges into: the read file, the instances the run adds and
// replaces, the GlobalIds it hands out, and the summary with its warnings.
//
//   MergeContext context(model);
//   AttributeMerge attributes(context);
//   attributes.Add(index, contributed);
//   FileWriter(model, context.replaced, context.added).Write(path, name, error);
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "exporter/merge/NamedBody.h"
#include "exporter/merge/Summary.h"
#include "exporter/writer/NewGlobalIds.h"
#include "exporter/writer/NewInstances.h"
#include "exporter/writer/Replacements.h"
#include "ifc/schema/Schema.h"
#include "ifc/step/Model.h"

namespace Exporter {

struct MergeContext {
  // `model` must outlive the context.
  explicit MergeContext(const Ifc::Model& model);

  // "#N (IfcWall)", as warnings name an input instance.
  std::string ElementName(InstanceIndex index) const;

  const Ifc::Model& Model() const noexcept { return model; }

  void Warn(std::string text) { summary.warnings.push_back(std::move(text)); }

  // Warns with `text` the first time `key` is met: what a schema cannot hold is said once, not once
  // an element.
  void WarnOnce(const std::string& key, std::string text);

  // What a new rooted instance is written with besides its contributed attributes: the file's owner
  // history where the schema requires one (IFC2X3), to fill a required OwnerHistory.
  const std::vector<NamedValue>& RootFallbacks() const noexcept { return rootFallbacks; }

  // Writes the input instance at `index` again with `attributes` (all of them, in STEP order).
  void Rewrite(InstanceIndex index, const std::vector<std::string>& attributes);
  // The same with the attributes' texts: a long one that lies in the input is written from there, not
  // copied; the others must live until the call returns.
  void Rewrite(InstanceIndex index, const std::vector<std::string_view>& attributes);

  const Ifc::Model& model;
  const Ifc::Schema& schema;
  NewInstances added;
  Replacements replaced;
  NewGlobalIds globalIds;
  Summary summary;

 private:
  std::unordered_set<std::string> warnedOnce;
  std::vector<NamedValue> rootFallbacks;
};

}  // namespace Exporter
