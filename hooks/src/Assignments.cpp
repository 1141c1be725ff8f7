#include "IFCAPI/Assignments.h"

#include <type_traits>

#include "foundation/src/LayoutCheck.h"

namespace IFCAPI::Impl {

Assignments::Assignments(const API_Guid& token) : ObjectImpl(token) {}

Assignments::Assignments(const Assignments& other)
    : ObjectImpl(other), children(other.children), parents(other.parents), roots(other.roots) {}

Assignments::~Assignments() = default;

bool Assignments::AddRoot(const ObjectID& id) {
  return roots.Add(id);
}

void Assignments::AddChild(const ObjectID& parent, const ObjectID& child) {
  static_cast<void>(children.FindOrAdd(parent).Add(child));
  static_cast<void>(parents.FindOrAdd(child).Add(parent));
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
