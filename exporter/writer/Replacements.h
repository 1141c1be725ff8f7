// Input instances a run writes with new text, by instance index: an element with set attributes, a
// property set that grows, a relation that elements leave.
//
//   Replacements replaced;
//   replaced.Replace(index, "#3=IFCWALL(...);");
//   replaced.Replace(index, "#3=IFCWALL('...',,'new name');", {{20, description}});  // input kept at 20
//   for (const Replacements::Entry& entry : replaced.InFileOrder()) entry.Write(write);
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "exporter/writer/InstanceIds.h"

namespace Exporter {

class Replacements {
 public:
  // A span of the input written as it is at offset `at` of an entry's text: a long attribute that did
  // not change is not copied.
  struct Kept {
    std::size_t at;
    std::string_view input;
  };

  struct Entry {
    InstanceIndex index;
    std::string text;        // the whole new text, "#N=ENTITY(...);", but the kept spans
    std::vector<Kept> kept;  // by their offsets in `text`

    bool Removed() const noexcept { return text.empty() && kept.empty(); }

    // Hands the new text to `write` piece by piece.
    template <class Writer>
    void Write(Writer&& write) const {
      std::size_t from = 0;
      for (const Kept& span : kept) {
        write(std::string_view(text).substr(from, span.at - from));
        write(span.input);
        from = span.at;
      }
      write(std::string_view(text).substr(from));
    }
  };

  // `text` replaces the instance's whole text, "#N=ENTITY(...);"; empty: the instance is removed. The
  // `kept` spans of the input (which must outlive the replacements) go in at their offsets.
  void Replace(InstanceIndex index, std::string text, std::vector<Kept> kept = {}) {
    entries.push_back(Entry{index, std::move(text), std::move(kept)});
  }

  // The replacements sorted by instance index, as the writer meets them.
  const std::vector<Entry>& InFileOrder();

 private:
  std::vector<Entry> entries;
};

}  // namespace Exporter
