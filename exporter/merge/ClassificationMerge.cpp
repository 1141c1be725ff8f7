#include "ClassificationMerge.h"

#include "InstanceText.h"

namespace Exporter {

std::uint32_t ClassificationMerge::WriteReference(const IPL::ClassificationReference& reference) {
  std::string source = "$";
  if (reference.GetReferencedSource().HasValue()) {
    const IPL::Classification& c = reference.GetReferencedSource().Get();
    source =
        Reference(context.added
                      .AddOnce(classifications,
                               "IFCCLASSIFICATION(" + OptionalText(c.GetSource()) + "," + OptionalText(c.GetEdition()) +
                                   "," + OptionalText(c.GetEditionDate()) + "," + StepText(c.name) + "," +
                                   OptionalText(c.GetDescription()) + "," + OptionalText(c.GetLocation()) + ",$)")
                      .number);
  }
  const NewInstances::Shared written =
      context.added.AddOnce(references, "IFCCLASSIFICATIONREFERENCE(" + OptionalText(reference.GetLocation()) + "," +
                                            OptionalText(reference.GetIdentification()) + "," +
                                            OptionalText(reference.GetName()) + "," + source + ",$,$)");
  if (written.isNew) {
    ++context.summary.references;
  }
  return written.number;
}

void ClassificationMerge::Add(std::uint32_t index,
                              const KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>& contributed) {
  const std::uint32_t element = context.file.Instances()[index].number;
  for (const KT::SharedPtr<IPL::ExternalReferenceBase>& base : contributed) {
    const auto* reference = dynamic_cast<const IPL::ClassificationReference*>(base.Get());
    if (reference == nullptr) {
      context.Warn(context.ElementName(index) + ": a reference that is no classification reference was skipped");
      continue;
    }
    const std::uint32_t number = WriteReference(*reference);
    const std::string name = reference->relAssociatesClassificationName.IsEmpty()
                                 ? "$"
                                 : StepText(reference->relAssociatesClassificationName);
    relations.Relate(number, name, element);
  }
}

void ClassificationMerge::Finish() {
  for (const RelationList::Relation& relation : relations.InOrder()) {
    context.added.Add("IFCRELASSOCIATESCLASSIFICATION('" +
                      context.globalIds.Derive("classifies" + Reference(relation.relating) + relation.name) + "',$," +
                      relation.name + ",$," + ReferenceList(relation.elements) + "," + Reference(relation.relating) +
                      ")");
    ++context.summary.relations;
  }
}

}  // namespace Exporter
