// KT::MemoryManager::Allocate and Free, the allocator every heap block of the process passes through,
// beside plain std::malloc and std::free and beside the global operator new and delete (which forward
// to the memory manager), in one run, on the same sizes and the same pattern.
//
// Figures, registered peer after peer so that a machine's drift reaches all three alike:
//   pair/<allocator>/<size>       one block allocated, its first byte written, freed at once (the
//                                 short-lived text or node); one item per block
//   batch/<allocator>             1,024 blocks of mixed sizes (8 to 512 bytes, a fixed sequence)
//                                 allocated, then freed in a fixed shuffled order; items are blocks
//   batch/<allocator>/threads:2   the batch in two threads at once, which share the counters
// After the runs, a table gives each allocator's median CPU time per block and its ratio to malloc's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "BenchmarkRun.h"
#include "KT/MemoryManager.h"

namespace {

struct Allocator {
  const char* name;
  void* (*allocate)(std::size_t size);
  void (*free)(void* block);
};

void* MallocOrThrow(std::size_t size) {
  void* block = std::malloc(size);
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  return block;
}

const Allocator kAllocators[] = {
    {"malloc", MallocOrThrow, [](void* block) { std::free(block); }},
    {"MemoryManager", KT::MemoryManager::Allocate, KT::MemoryManager::Free},
    {"new", [](std::size_t size) { return ::operator new(size); }, [](void* block) { ::operator delete(block); }},
};

constexpr std::size_t kBatchBlocks = 1024;

struct BatchPattern {
  std::vector<std::size_t> sizes;
  std::vector<std::size_t> freeOrder;
};

const BatchPattern& Pattern() {
  static const BatchPattern pattern = [] {
    BatchPattern made;
    std::mt19937 random(42);
    std::uniform_int_distribution<std::size_t> size(8, 512);
    for (std::size_t i = 0; i < kBatchBlocks; ++i) {
      made.sizes.push_back(size(random));
      made.freeOrder.push_back(i);
    }
    std::shuffle(made.freeOrder.begin(), made.freeOrder.end(), random);
    return made;
  }();
  return pattern;
}

void Pair(benchmark::State& state, const Allocator& allocator, std::size_t size) {
  for (auto _ : state) {
    auto* block = static_cast<unsigned char*>(allocator.allocate(size));
    benchmark::DoNotOptimize(block);
    *block = 1;
    benchmark::ClobberMemory();
    allocator.free(block);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel("Time: one block of " + std::to_string(size) + " bytes");
}

void Batch(benchmark::State& state, const Allocator& allocator) {
  const BatchPattern& pattern = Pattern();
  std::vector<unsigned char*> blocks(kBatchBlocks);
  for (auto _ : state) {
    for (std::size_t i = 0; i < kBatchBlocks; ++i) {
      blocks[i] = static_cast<unsigned char*>(allocator.allocate(pattern.sizes[i]));
      *blocks[i] = 1;
    }
    benchmark::ClobberMemory();
    for (const std::size_t i : pattern.freeOrder) {
      allocator.free(blocks[i]);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kBatchBlocks));
  state.SetLabel("Time: 1,024 blocks of mixed sizes; items are blocks");
}

void Register() {
  for (const std::size_t size : {16, 64, 256}) {
    for (const Allocator& allocator : kAllocators) {
      const std::string name = std::string("pair/") + allocator.name + "/" + std::to_string(size);
      benchmark::RegisterBenchmark(name.c_str(),
                                   [&allocator, size](benchmark::State& state) { Pair(state, allocator, size); });
    }
  }
  for (const int threads : {1, 2}) {
    for (const Allocator& allocator : kAllocators) {
      const std::string name = std::string("batch/") + allocator.name;
      benchmark::RegisterBenchmark(name.c_str(), [&allocator](benchmark::State& state) {
        Batch(state, allocator);
      })->Threads(threads);
    }
  }
}

// Base name -> CPU nanoseconds per block of the single repetitions
std::map<std::string, std::vector<double>> kept;

// Drops the "/repeats:N" and "/threads:1" parts of a run's name.
std::string Base(std::string name) {
  const std::size_t repeats = name.find("/repeats:");
  if (repeats != std::string::npos) {
    const std::size_t end = name.find('/', repeats + 1);
    name.erase(repeats, end == std::string::npos ? std::string::npos : end - repeats);
  }
  const std::string single = "/threads:1";
  if (name.size() >= single.size() && name.compare(name.size() - single.size(), single.size(), single) == 0) {
    name.erase(name.size() - single.size());
  }
  return name;
}

void Keep(const benchmark::BenchmarkReporter::Run& run) {
  const std::string name = Base(run.benchmark_name());
  const auto items = run.counters.find("items_per_second");
  if (items != run.counters.end() && items->second.value > 0) {
    // Rated by the CPU time of all threads together: CPU nanoseconds per block.
    kept[name].push_back(1e9 / items->second.value);
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PrintSummary(std::FILE* out) {
  std::fprintf(out, "\nMedian CPU time per block (allocation and free), and its ratio to malloc's\n");
  std::fprintf(out, "%-22s %14s %8s %14s %8s %10s\n", "pattern", "MemoryManager", "ratio", "new", "ratio", "malloc");
  const char* patterns[] = {"pair/%s/16", "pair/%s/64", "pair/%s/256", "batch/%s", "batch/%s/threads:2"};
  for (const char* pattern : patterns) {
    auto nameOf = [pattern](const char* allocator) {
      char name[64];
      std::snprintf(name, sizeof name, pattern, allocator);
      return std::string(name);
    };
    const auto malloc = kept.find(nameOf("malloc"));
    const auto manager = kept.find(nameOf("MemoryManager"));
    const auto plainNew = kept.find(nameOf("new"));
    if (malloc == kept.end() || manager == kept.end() || plainNew == kept.end()) {
      continue;
    }
    const double base = Median(malloc->second);
    std::fprintf(out, "%-22s %11.1f ns %8.2f %11.1f ns %8.2f %7.1f ns\n", nameOf("*").c_str(), Median(manager->second),
                 Median(manager->second) / base, Median(plainNew->second), Median(plainNew->second) / base, base);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Benchmarks::ParseCommandLine(argc, argv, 0.1);
  Register();
  Benchmarks::Run(Keep);
  PrintSummary(Benchmarks::SummaryStream());
  return 0;
}
