#include "ClassificationMerge.h"

#include "InstanceText.h"
#include "NamedBody.h"
#include "SchemaAdaptation.h"

namespace Exporter {

InstanceNumber ClassificationMerge::WriteReference(const IPL::ClassificationReference& reference) {
  std::vector<std::string> warnings;
  std::string source = "$";
  if (reference.GetReferencedSource().HasValue()) {
    const EmitInstance emit = [&](const std::string& body) {
      return static_cast<std::uint32_t>(context.added.AddOnce(dates, body).number.Value());
    };
    const std::string body = ClassificationBody(context.schema, reference.GetReferencedSource().Get(), emit, warnings);
    if (!body.empty()) {
      source = Reference(context.added.AddOnce(classifications, body).number);
    }
  }
  const NewInstances::Shared written =
      context.added.AddOnce(references, ClassificationReferenceBody(context.schema, reference, source, warnings));
  const std::string where =
      "classification reference '" +
      (reference.GetIdentification().HasValue() ? reference.GetIdentification().Get().ToUTF8() : std::string()) + "': ";
  for (const std::string& warning : warnings) {
    context.WarnOnce("classification:" + warning, where + warning);
  }
  if (written.isNew) {
    ++context.summary.references;
  }
  return written.number;
}

void ClassificationMerge::Add(InstanceIndex index,
                              const KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>& contributed) {
  const InstanceNumber element = context.Model().Number(index);
  for (const KT::SharedPtr<IPL::ExternalReferenceBase>& base : contributed) {
    const auto* reference = dynamic_cast<const IPL::ClassificationReference*>(base.Get());
    if (reference == nullptr) {
      context.Warn(context.ElementName(index) + ": a reference that is no classification reference was skipped");
      continue;
    }
    const InstanceNumber number = WriteReference(*reference);
    const std::string name = reference->relAssociatesClassificationName.IsEmpty()
                                 ? "$"
                                 : StepText(reference->relAssociatesClassificationName);
    relations.Relate(number, name, element);
  }
}

void ClassificationMerge::Finish() {
  for (const RelationList::Relation& relation : relations.InOrder()) {
    const NamedBody body = BuildNamedBody(
        context.schema, "IfcRelAssociatesClassification",
        {{"GlobalId",
          "'" + context.globalIds.Derive("classifies" + Reference(relation.relating) + relation.name) + "'"},
         {"Name", relation.name},
         {"RelatedObjects", ReferenceList(relation.elements)},
         {"RelatingClassification", Reference(relation.relating)}},
        context.RootFallbacks());
    if (!body.Ok()) {
      context.WarnOnce("relation:" + body.missingRequired,
                       "classification relations cannot be written: the schema requires " + body.missingRequired +
                           ", which the file has none of");
      continue;
    }
    context.added.Add(body.text);
    ++context.summary.relations;
  }
}

}  // namespace Exporter
