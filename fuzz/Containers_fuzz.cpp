// Fuzz target: sequences of operations on KT::HashTable, KT::HashSet and KT::Array, each checked
// after every step against a plain model (a std::unordered_map with the insertion order beside it, or
// a std::vector). Keys come from a small range and the table hashes them into four values, so chains
// are long and collide; any step may run with an allocation failing, and must then change nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "KT/Array.h"
#include "KT/HashSet.h"
#include "KT/HashTable.h"

namespace {

using IFCAPI::Fuzzing::Check;
using IFCAPI::Fuzzing::RunFailing;

struct Colliding {
  std::uint32_t operator()(std::uint32_t key) const noexcept { return key & 3u; }
};

using Table = KT::HashTable<std::uint32_t, std::string, Colliding>;
using Set = KT::HashSet<std::uint32_t>;

struct Model {
  std::unordered_map<std::uint32_t, std::string> values;
  std::vector<std::uint32_t> order;

  bool Add(std::uint32_t key, const std::string& value) {
    if (!values.emplace(key, value).second) {
      return false;
    }
    order.push_back(key);
    return true;
  }
  void RemoveLast() {
    values.erase(order.back());
    order.pop_back();
  }
  void Clear() {
    values.clear();
    order.clear();
  }
};

void ExpectEqual(const Table& table, const Set& set, const Model& model) {
  Check(table.GetCount() == model.order.size(), "table count");
  Check(set.GetCount() == model.order.size(), "set count");
  std::size_t i = 0;
  for (const auto& entry : table) {
    Check(entry.key == model.order[i], "table order");
    Check(entry.value == model.values.at(entry.key), "table value");
    Check(table.Get(entry.key) == &entry.value, "table lookup finds the enumerated entry");
    ++i;
  }
  i = 0;
  for (std::uint32_t key : set) {
    Check(key == model.order[i++], "set order");
    Check(set.Contains(key), "set lookup");
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
    bool failed = false;
    switch (op & 7) {
      case 0:
      case 1: {
        const std::string value = Text(input);
        bool addedToTable = false;
        bool addedToSet = false;
        const auto add = [&] {
          addedToTable = table.Add(key, std::string(value));
          addedToSet = set.Add(key);
        };
        if (failing) {
          failed = RunFailing(input, add);
          if (failed && addedToTable) {
            table.RemoveLast();  // the set could not follow: both or neither, as an undo would
          }
        } else {
          add();
        }
        if (!failed) {
          Check(addedToTable == addedToSet, "table and set agree on a new key");
          Check(model.Add(key, value) == addedToTable, "Add reports a new key");
        }
        break;
      }
      case 2: {
        const std::uint32_t buckets = input.ConsumeIntegralInRange<std::uint32_t>(0, 40);
        if (failing) {
          failed = RunFailing(input, [&] { table.Rehash(buckets); });
        } else {
          table.Rehash(buckets);
          set.Rehash(buckets);
        }
        Check(!failed || table.GetCount() == model.order.size(), "a failed rehash keeps the entries");
        Check(table.GetCount() == 0 || table.GetBucketCount() > 0, "entries always have buckets");
        break;
      }
      case 3:
        if (!model.order.empty()) {
          table.RemoveLast();
          set.RemoveLast();
          model.RemoveLast();
        }
        break;
      case 4: {
        const std::string* stored = table.Get(key);
        const auto found = model.values.find(key);
        Check((stored == nullptr) == (found == model.values.end()), "Get agrees on presence");
        Check(stored == nullptr || *stored == found->second, "Get gives the stored value");
        std::string& value = table.FindOrAdd(key);
        if (found == model.values.end()) {
          Check(value.empty(), "FindOrAdd adds an empty value");
          set.Add(key);
          model.Add(key, std::string());
        }
        break;
      }
      case 5:
        if (failing) {
          failed = RunFailing(input, [&] {
            Table copy(table);
            table = std::move(copy);
          });
        } else {
          Table copy(table);
          Set setCopy(set);
          table = std::move(copy);
          set = std::move(setCopy);
        }
        break;
      case 6:
        if ((op & 0x40) != 0) {
          table.Clear();
          set.Clear();
          model.Clear();
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
  const auto expectEqual = [&] {
    Check(array.GetSize() == model.size(), "array size");
    Check(array.GetCapacity() >= array.GetSize(), "capacity holds the elements");
    for (std::uint32_t i = 0; i < array.GetSize(); ++i) {
      Check(array[i] == model[i], "array element");
    }
  };
  while (input.remaining_bytes() > 0) {
    const std::uint8_t op = input.ConsumeIntegral<std::uint8_t>();
    const bool failing = (op & 0x80) != 0;
    const auto run = [&](auto&& step, auto&& onSuccess) {
      if (failing) {
        if (!RunFailing(input, step)) {
          onSuccess();
        }
      } else {
        step();
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
              KT::Array<std::string> copy(array);
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
    expectEqual();
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
