#include "IFCAPI/Assignments.h"

#include <cstdint>
#include <type_traits>
#include <utility>

#include "foundation/src/LayoutCheck.h"
#include "hooks/src/UndoLog.h"

namespace IFCAPI::Impl {

Assignments::Assignments(const API_Guid& token) : ObjectImpl(token) {}

Assignments::Assignments(const Assignments& other)
    : ObjectImpl(other), children(other.children), parents(other.parents), roots(other.roots) {}

Assignments::Assignments(Assignments&& other) noexcept
    : ObjectImpl(other),
      children(std::move(other.children)),
      parents(std::move(other.parents)),
      roots(std::move(other.roots)) {}

Assignments::~Assignments() = default;

bool Assignments::AddRoot(const ObjectID& id) {
  return roots.Add(id);
}

void Assignments::AddChild(const ObjectID& parent, const ObjectID& child) {
  UndoLog log(4);
  AddChild(parent, child, log);
  log.Commit();
}

bool Assignments::AddRoot(const ObjectID& id, UndoLog& log) {
  const bool added = roots.Add(id);
  if (added) {
    log.Added(roots);
  }
  return added;
}

void Assignments::AddChild(const ObjectID& parent, const ObjectID& child, UndoLog& log) {
  // Both directions or neither: each entry is recorded as soon as it exists, so that a failure in a
  // later step removes it again and the two tables keep mirroring each other.
  const auto findOrAdd = [&log](LinkTable& table, const ObjectID& key) -> NodeSet& {
    const std::uint32_t before = table.GetCount();
    NodeSet& set = table.FindOrAdd(key);
    if (table.GetCount() != before) {
      log.Added(table);
    }
    return set;
  };
  NodeSet& childrenOfParent = findOrAdd(children, parent);
  if (childrenOfParent.Add(child)) {
    log.Added(childrenOfParent);
  }
  NodeSet& parentsOfChild = findOrAdd(parents, child);
  if (parentsOfChild.Add(parent)) {
    log.Added(parentsOfChild);
  }
}

static_assert(!std::is_copy_assignable_v<Assignments>, "API objects are never assigned");

IFCAPI_LAYOUT_CHECKS_BEGIN
template <>
struct LayoutCheck<Assignments> {
  static_assert(offsetof(Assignments, children) == FirstFieldOffset, "Assignments: children come first");
  static_assert(offsetof(Assignments, parents) == offsetof(Assignments, children) + sizeof(Assignments::LinkTable),
                "Assignments: parents follow children");
  static_assert(offsetof(Assignments, roots) == offsetof(Assignments, parents) + sizeof(Assignments::LinkTable),
                "Assignments: roots come last");
};
IFCAPI_LAYOUT_CHECKS_END

}  // namespace IFCAPI::Impl
