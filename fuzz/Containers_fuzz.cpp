// Fuzz target: sequences of operations on KT::HashTable, KT::HashSet and KT::Array, each checked
// after every step against a plain model (the entries in insertion order, or a std::vector). Keys come
// from a small range and the table hashes them into four values, so chains are long and collide; any
// step may run with an allocation failing, and must then change nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "KT/Array.h"
#include "KT/HashSet.h"
#include "KT/HashTable.h"

namespace {

using IFCAPI::Fuzzing::Check;
using IFCAPI::Fuzzing::Run;

struct Colliding {
  std::uint32_t operator()(std::uint32_t key) const noexcept { return key & 3u; }
};

using Table = KT::HashTable<std::uint32_t, std::string, Colliding>;
using Set = KT::HashSet<std::uint32_t>;
// The entries in insertion order; keys are few, so a linear search finds them.
using Model = std::vector<std::pair<std::uint32_t, std::string>>;

const std::string* Find(const Model& model, std::uint32_t key) {
  const auto found = std::find_if(model.begin(), model.end(), [&](const auto& entry) { return entry.first == key; });
  return found == model.end() ? nullptr : &found->second;
}

void ExpectEqual(const Table& table, const Set& set, const Model& model) {
  Check(table.GetCount() == model.size() && set.GetCount() == model.size(), "table or set count");
  auto expected = model.begin();
  for (const auto& entry : table) {
    Check(entry.key == expected->first && entry.value == expected->second, "table order or value");
    Check(table.Get(entry.key) == &entry.value, "table lookup finds the enumerated entry");
    ++expected;
  }
  expected = model.begin();
  for (const std::uint32_t key : set) {
    Check(key == (expected++)->first && set.Contains(key), "set order or lookup");
  }
}

std::string Text(FuzzedDataProvider& input) {
  // Longer than any inline buffer, so that copies allocate and can fail.
  return input.ConsumeRandomLengthString(24) + std::string(24, '.');
}

void FuzzHashContainers(FuzzedDataProvider& input) {
  Table table;
  Set set;
  Model model;
  while (input.remaining_bytes() > 0) {
    const std::uint8_t op = input.ConsumeIntegral<std::uint8_t>();
    const bool failing = (op & 0x80) != 0;
    const std::uint32_t key = input.ConsumeIntegralInRange<std::uint32_t>(0, 63);
    switch (op & 7) {
      case 0:
      case 1: {
        const std::string value = Text(input);
        bool added = false;
        bool addedToSet = false;
        const bool failed = Run(input, failing, [&] {
          added = table.Add(key, std::string(value));
          addedToSet = set.Add(key);
        });
        if (failed && added) {
          table.RemoveLast();  // the set could not follow: both or neither, as an undo would
        } else if (!failed) {
          Check(added == addedToSet && added == (Find(model, key) == nullptr), "Add reports a new key");
          if (added) {
            model.emplace_back(key, value);
          }
        }
        break;
      }
      case 2: {
        const std::uint32_t buckets = input.ConsumeIntegralInRange<std::uint32_t>(0, 40);
        Run(input, failing, [&] {
          table.Rehash(buckets);
          set.Rehash(buckets);
        });
        break;
      }
      case 3:
        if (!model.empty()) {
          table.RemoveLast();
          set.RemoveLast();
          model.pop_back();
        }
        break;
      case 4: {
        const std::string* expected = Find(model, key);
        Check((table.Get(key) == nullptr) == (expected == nullptr), "Get agrees on presence");
        Check(table.FindOrAdd(key) == (expected ? *expected : std::string()), "FindOrAdd finds or adds empty");
        if (expected == nullptr) {
          set.Add(key);
          model.emplace_back(key, std::string());
        }
        break;
      }
      case 5:
        Run(input, failing, [&] {
          Table copy(table);
          Set setCopy(set);
          table = std::move(copy);
          set = std::move(setCopy);
        });
        break;
      case 6:
        if ((op & 0x40) != 0) {
          table.Clear();
          set.Clear();
          model.clear();
        }
        break;
      default:
        break;
    }
    ExpectEqual(table, set, model);
  }
}

// The array against a std::vector: pushes (of its own elements too), size changes, copies.
void FuzzArray(FuzzedDataProvider& input) {
  KT::Array<std::string> array;
  std::vector<std::string> model;
  while (input.remaining_bytes() > 0) {
    const std::uint8_t op = input.ConsumeIntegral<std::uint8_t>();
    const auto run = [&](auto&& step, auto&& onSuccess) {
      if (!Run(input, (op & 0x80) != 0, step)) {
        onSuccess();
      }
    };
    switch (op & 7) {
      case 0: {
        const std::string value = Text(input);
        run([&] { array.Push(value); }, [&] { model.push_back(value); });
        break;
      }
      case 1:
      case 2:
        if (!model.empty()) {
          const auto i = input.ConsumeIntegralInRange<std::uint32_t>(0, array.GetSize() - 1);
          const std::string value = model[i];
          if ((op & 7) == 1) {
            run([&] { array.Push(array[i]); }, [&] { model.push_back(value); });
          } else {
            run([&] { array.Push(std::move(array[i])); },
                [&] {
                  model[i] = array[i];  // whatever a moved-from text holds
                  model.push_back(value);
                });
          }
        }
        break;
      case 3: {
        const auto size = input.ConsumeIntegralInRange<std::uint32_t>(0, 40);
        run([&] { array.SetSize(size); }, [&] { model.resize(size); });
        break;
      }
      case 4:
        run(
            [&] {
              const KT::Array<std::string> copy(array);
              array = copy;
            },
            [] {});
        break;
      case 5:
        array.Clear();
        model.clear();
        break;
      default:
        break;
    }
    Check(std::vector<std::string>(array.begin(), array.end()) == model, "array elements");
    Check(array.GetCapacity() >= array.GetSize(), "capacity holds the elements");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  if (input.ConsumeBool()) {
    FuzzHashContainers(input);
  } else {
    FuzzArray(input);
  }
  return 0;
}
