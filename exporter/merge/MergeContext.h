// What every kind of contribution merges into: the read file, the instances the run adds and
// replaces, the GlobalIds it hands out, and the summary with its warnings.
//
//   MergeContext context(file);
//   AttributeMerge attributes(context);
//   attributes.Add(index, contributed);
//   FileWriter(file, context.replaced, context.added).Write(path, name, error);
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "NewGlobalIds.h"
#include "NewInstances.h"
#include "Replacements.h"
#include "Schema.h"
#include "StepFile.h"
#include "Summary.h"

namespace Exporter {

struct MergeContext {
  // `file` must outlive the context.
  explicit MergeContext(const StepFile& file)
      : file(file), schema(file.GetSchema()), added(file.LargestNumber() + 1), globalIds(file) {}

  // "#N (IfcWall)", as warnings name an input instance.
  std::string ElementName(std::uint32_t index) const;

  void Warn(std::string text) { summary.warnings.push_back(std::move(text)); }

  // Writes the input instance at `index` again with `attributes` (all of them, in STEP order).
  void Rewrite(std::uint32_t index, const std::vector<std::string>& attributes);

  const StepFile& file;
  const IfcReader::Schema& schema;
  NewInstances added;
  Replacements replaced;
  NewGlobalIds globalIds;
  Summary summary;
};

}  // namespace Exporter
