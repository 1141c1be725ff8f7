#include "exporter/session/Exporter.h"

#include <exception>

#include "IFCAPI/HookManager.h"
#include "IFCAPI/ObjectID.h"
#include "exporter/session/CrashGuard.h"
#include "exporter/session/ProviderFailure.h"
#include "exporter/writer/FileWriter.h"
#include "exporter/writer/InstanceText.h"

namespace Exporter {

namespace {

using IFCAPI::Impl::HookManager;

// The token under which the tool makes its ObjectIDs, as the host's exporter uses its own.
const KT::Guid kToolToken("{1FCA9E70-E4B0-4C7A-9D1E-0000000000E1}");

// What an exception thrown by the provider says.
std::string Reason(const std::exception_ptr& thrown) {
  try {
    std::rethrow_exception(thrown);
  } catch (const std::exception& failure) {
    return failure.what();
  } catch (...) {
    return "an exception that is no std::exception";
  }
}

// Runs `query` under `guard`; whatever it throws becomes a ProviderFailure naming the query and what
// `subject` says (made only then).
template <class Query, class Subject>
void Ask(CrashGuard& guard, const char* name, const Subject& subject, const Query& query) {
  guard.Enter(name);
  try {
    query();
  } catch (...) {
    guard.Leave();
    throw ProviderFailure("the add-on failed in " + std::string(name) + subject() + ": " +
                          Reason(std::current_exception()));
  }
  guard.Leave();
}

std::string Nothing() {
  return std::string();
}

}  // namespace

Exporter::Exporter(const Ifc::Model& model, bool alternative)
    : alternative(alternative),
      token(ToAPIGuid(kToolToken)),
      context(model),
      propertySets(context),
      attributes(context),
      classifications(context),
      assignments(context) {}

void Exporter::Collect(const Progress& progress) {
  const Ifc::Schema& schema = context.schema;
  std::vector<std::uint8_t> isObject(schema.EntityCount());
  for (std::size_t entity = 0; entity < schema.EntityCount(); ++entity) {
    isObject[entity] = schema.IsSubtypeOf(Ifc::EntityId{static_cast<std::int16_t>(entity)}, schema.ifcObject) ? 1 : 0;
  }
  // The queries run before anything is written: a crash in them leaves no output to clean up.
  CrashGuard guard;
  const auto& rooted = context.Model().RootedInstances();
  for (std::size_t r = 0; r < rooted.size(); ++r) {
    if (isObject[context.Model().Entity(rooted[r].index).Index()] != 0) {
      CollectElement(guard, rooted[r].index, rooted[r].guid);
    }
    if (progress && (r & 0x3FFF) == 0) {
      progress(r, rooted.size());
    }
  }
  KT::Array<IFCAPI::Impl::HookAssignments> all;
  guard.NoElement();
  Ask(guard, "GetHookAssignments", Nothing, [&] { HookManager::GetHookAssignments(all); });
  if (listener != nullptr) {
    listener->AssignmentsAnswered(all);
  }
  assignments.Add(all);
  propertySets.Finish();
  classifications.Finish();
}

void Exporter::CollectElement(CrashGuard& guard, InstanceIndex index, const GuidBytes& guid) {
  if (listener != nullptr && !listener->Asks(index, guid)) {
    return;
  }
  ++context.summary.elements;
  guard.Element(context.Model().Number(index).Value(), context.schema.Name(context.Model().Entity(index)), guid);
  const IFCAPI::Impl::ObjectID id(token, ToKTGuid(guid));
  const auto element = [&] {
    return " for " + Reference(context.Model().Number(index)) + " (" +
           std::string(context.schema.Name(context.Model().Entity(index))) + ", GlobalId '" + GuidText(guid) + "')";
  };
  KT::Array<IPL::PropertySet> sets;
  Ask(guard, "GetHookProperties", element, [&] { HookManager::GetHookProperties(id, alternative, sets); });
  KT::Array<IPL::GeneralAttribute> contributedAttributes;
  Ask(guard, "GetHookAttributes", element,
      [&] { HookManager::GetHookAttributes(id, alternative, contributedAttributes); });
  KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>> references;
  Ask(guard, "GetHookClassificationReferences", element,
      [&] { HookManager::GetHookClassificationReferences(id, alternative, references); });
  if (listener != nullptr) {
    listener->Answered(index, {sets, contributedAttributes, references});
  }
  if (!sets.IsEmpty()) {
    propertySets.Add(index, sets);
  }
  if (!contributedAttributes.IsEmpty()) {
    attributes.Add(index, contributedAttributes);
  }
  if (!references.IsEmpty()) {
    classifications.Add(index, references);
  }
}

Ifc::Status Exporter::Write(const std::string& path, const std::string& fileName, const Progress& progress) {
  return FileWriter(context.model, context.replaced, context.added).Write(path, fileName, progress);
}

}  // namespace Exporter
