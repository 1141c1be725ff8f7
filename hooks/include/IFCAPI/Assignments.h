// IFCAPI::Impl::Assignments: a forest of IFC entities for export, a set of roots and parent-child
// links kept in both directions.
//
// It only collects: it never checks that a parent is known, that the links are acyclic or that a node
// can be reached from a root. Readers go to the three containers:
//
//   Assignments tree(token);
//   tree.AddRoot(site);
//   tree.AddChild(site, building);
//   tree.AddChild(building, storey);
//   for (const ObjectID& child : *tree.GetChildren().Get(site)) Use(child);   // building
//   assert(tree.GetParents().Get(storey)->Contains(building));
#pragma once

#include "IFCAPI/Export.h"
#include "IFCAPI/ObjectID.h"
#include "KT/HashSet.h"
#include "KT/HashTable.h"
#include "TSAPI/ObjectImpl.h"

namespace IFCAPI::Impl {

class UndoLog;

class IFCAPI_EXPORT Assignments : public TSAPI::Impl::ObjectImpl {
 public:
  using NodeSet = KT::HashSet<ObjectID>;
  using LinkTable = KT::HashTable<ObjectID, NodeSet>;

  // An empty forest belonging to the add-on `token`.
  explicit Assignments(const API_Guid& token);

  // A deep copy with the token of `other`; it enumerates in the same order and shares nothing.
  Assignments(const Assignments& other);

  // Takes over the forest of `other`, with its token, allocating nothing; `other` is left empty.
  Assignments(Assignments&& other) noexcept;

  ~Assignments() override;

  // Adds `id` to the roots: true when it was not one yet, false (and nothing changes) otherwise.
  bool AddRoot(const ObjectID& id);

  // Records `child` under `parent` and `parent` over `child`. Either may be unknown so far; a link
  // made twice is kept once. When an allocation fails, nothing is recorded.
  void AddChild(const ObjectID& parent, const ObjectID& child);

  // Each parent, in order of first appearance, with its children in order of first addition.
  const LinkTable& GetChildren() const noexcept { return children; }

  // Each child, in order of first appearance, with its parents in order of first addition.
  const LinkTable& GetParents() const noexcept { return parents; }

  // The roots in the order they were added.
  const NodeSet& GetRoots() const noexcept { return roots; }

 protected:
  // As AddRoot and AddChild, recording every entry they add in `log` (room for 1 and 4 steps), so
  // that a larger operation can undo them. They never undo anything themselves.
  bool AddRoot(const ObjectID& id, UndoLog& log);
  void AddChild(const ObjectID& parent, const ObjectID& child, UndoLog& log);

 private:
  template <class>
  friend struct LayoutCheck;

  LinkTable children;
  LinkTable parents;
  NodeSet roots;
};

}  // namespace IFCAPI::Impl
