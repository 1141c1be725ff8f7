// The reading pass alone: opens an IFC file with Ifc::Model (the index of instances and the syntax
// check of every one, as both tools read) five times, each into a new model, and prints one JSON line
// with the bytes, the instances, and the median wall-clock and processor seconds of a reading.
// benchmarks/exporter/run.sh turns it into MB per second. The median keeps out what one reading
// may pay for the machine's state (the first touch of memory another process just gave back).
//
//   ifc_read_throughput model.ifc   -> {"bytes":87600000,"instances":1000000,"seconds":0.21,"cpuSeconds":0.30,"runs":5}
//   ifc_read_throughput --as-checker model.ifc   (read as ifcapi-ids reads: no GlobalId index, no
//                                                 reference types)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "ifc/step/Model.h"

namespace {

constexpr int kRuns = 5;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const bool asChecker = argc == 3 && std::strcmp(argv[1], "--as-checker") == 0;
  if (argc != 2 && !asChecker) {
    std::fprintf(stderr, "usage: ifc_read_throughput [--as-checker] MODEL.ifc\n");
    return 2;
  }
  Ifc::ReadOptions options;
  options.globalIds = !asChecker;
  options.referenceTypes = !asChecker;
  std::vector<double> seconds;
  std::vector<double> cpuSeconds;
  std::size_t bytes = 0;
  std::size_t instances = 0;
  for (int run = 0; run < kRuns; ++run) {
    auto model = std::make_unique<Ifc::Model>();
    const auto wallStart = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    if (const Ifc::Status read = model->Open(argv[argc - 1], options); !read) {
      std::fprintf(stderr, "ifc_read_throughput: %s\n", read.Error().Message().c_str());
      return 3;
    }
    cpuSeconds.push_back(static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count());
    bytes = model->Size();
    instances = model->InstanceCount();
  }
  std::printf("{\"bytes\":%zu,\"instances\":%zu,\"seconds\":%.4f,\"cpuSeconds\":%.4f,\"runs\":%d}\n", bytes, instances,
              Median(seconds), Median(cpuSeconds), kRuns);
  return 0;
}
