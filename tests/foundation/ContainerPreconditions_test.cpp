// The containers' documented preconditions stop a debug build where they are broken. Both faults
// below touch memory that the container owns, so no sanitizer reports them: an index past the size
// but within the capacity reads an element that was destroyed, and undoing an insertion on an empty
// set wraps its count and destroys an entry that was never made.
#include <gtest/gtest.h>

#include "KT/Array.h"
#include "KT/HashSet.h"

namespace {

#ifndef NDEBUG

TEST(ContainerPreconditionsDeathTest, AnIndexPastTheSizeStopsAlsoWithinTheCapacity) {
  KT::Array<int> values{1, 2, 3};
  values.SetSize(2);  // the capacity stays 3
  ASSERT_EQ(values.GetCapacity(), 3u);
  EXPECT_DEATH(static_cast<void>(values[2]), "index < size");
  const KT::Array<int>& readOnly = values;
  EXPECT_DEATH(static_cast<void>(readOnly[2]), "index < size");
}

TEST(ContainerPreconditionsDeathTest, UndoingAnInsertionOnAnEmptySetStops) {
  KT::HashSet<unsigned int> set;
  EXPECT_DEATH(set.RemoveLast(), "GetCount\\(\\) > 0");
  ASSERT_TRUE(set.Add(7));
  set.RemoveLast();
  EXPECT_DEATH(set.RemoveLast(), "GetCount\\(\\) > 0");
}

#endif

}  // namespace
