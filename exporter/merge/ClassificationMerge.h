// Contributed classification references merged into the file: each IfcClassificationReference and
// its IfcClassification is written once, and one IfcRelAssociatesClassification per reference and
// relationship name relates every element that received it under that name. Both are written as the
// file's schema has them (SchemaAdaptation.h); what it cannot hold is said once.
//
//   ClassificationMerge classifications(context);
//   classifications.Add(wall, contributed);        // per element, by its index
//   classifications.Finish();                      // the relations, once at the end
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "IPL/ClassificationReference.h"
#include "IPL/ExternalReferenceBase.h"
#include "KT/Array.h"
#include "KT/SharedPtr.h"
#include "exporter/merge/MergeContext.h"
#include "exporter/merge/RelationList.h"

namespace Exporter {

class ClassificationMerge {
 public:
  // `context` must outlive this object.
  explicit ClassificationMerge(MergeContext& context) noexcept : context(context) {}

  // Merges the references contributed for the element at `index`.
  void Add(InstanceIndex index, const KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>& references);

  // Writes the relations.
  void Finish();

 private:
  // A classification as written: "#N" (or "$" when it cannot be), with what was said about it.
  struct WrittenSource {
    std::string reference;
    std::vector<std::string> warnings;
  };

  InstanceNumber WriteReference(const IPL::ClassificationReference& reference);
  const WrittenSource& WriteSource(const IPL::Classification& source);
  // A reference written before: its instance and what was said about it.
  struct WrittenReference {
    InstanceNumber number;
    std::vector<std::string> warnings;
  };
  void Warn(const IPL::ClassificationReference& reference, const std::vector<std::string>& warnings);

  MergeContext& context;
  NewInstances::Pool classifications;
  NewInstances::Pool dates;
  NewInstances::Pool references;
  RelationList relations;
  // By the classification's texts: most references share a few classifications.
  std::unordered_map<std::u16string, WrittenSource> sources;
  std::unordered_map<std::u16string, WrittenReference> written;  // by every text of the reference
};

}  // namespace Exporter
