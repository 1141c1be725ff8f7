// The reading pass alone: opens an IFC file with Ifc::Model (the index of instances and the syntax
// check of every one, as both tools read) and prints one JSON line with the bytes, the instances, and
// the wall-clock and processor seconds taken. benchmarks/exporter/run.sh turns it into MB per second.
//
//   ifc_read_throughput model.ifc   ->  {"bytes":87600000,"instances":1000000,"seconds":0.21,"cpuSeconds":0.30}
//   ifc_read_throughput --as-checker model.ifc   (read as ifcapi-ids reads: no GlobalId index, no
//                                                 reference types)
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "ifc/step/Model.h"

int main(int argc, char** argv) {
  const bool asChecker = argc == 3 && std::strcmp(argv[1], "--as-checker") == 0;
  if (argc != 2 && !asChecker) {
    std::fprintf(stderr, "usage: ifc_read_throughput [--as-checker] MODEL.ifc\n");
    return 2;
  }
  Ifc::ReadOptions options;
  options.globalIds = !asChecker;
  options.referenceTypes = !asChecker;
  const auto wallStart = std::chrono::steady_clock::now();
  const std::clock_t cpuStart = std::clock();
  Ifc::Model model;
  std::string error;
  if (!model.Open(argv[argc - 1], error, options)) {
    std::fprintf(stderr, "ifc_read_throughput: %s\n", error.c_str());
    return 3;
  }
  const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  std::printf("{\"bytes\":%zu,\"instances\":%zu,\"seconds\":%.4f,\"cpuSeconds\":%.4f}\n", model.Size(),
              model.InstanceCount(), seconds, cpuSeconds);
  return 0;
}
