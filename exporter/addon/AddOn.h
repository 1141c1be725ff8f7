// An add-on loaded as the host loads it: its shared library opened, its provider registered through
// IFCAPIAddOnRegister, and on destruction unregistered through IFCAPIAddOnUnregister and unloaded.
//
//   AddOn addOn;
//   if (const Ifc::Status loaded = addOn.Load("libmy_addon.so"); !loaded) {
//     Fail(loaded.Error());                                     // names the path and what is missing
//   }
//   ...                                                       // hook queries
#pragma once

#include <string>

#include "IFCAPI/AddOnEntry.h"
#include "exporter/addon/Platform.h"

namespace Exporter {

class AddOn {
 public:
  AddOn() = default;
  AddOn(const AddOn&) = delete;
  AddOn& operator=(const AddOn&) = delete;
  ~AddOn();

  // Loads the library at `path` and calls its register function. Fails when the file is missing, is
  // no loadable library, lacks either function, or refuses to start.
  [[nodiscard]] Ifc::Status Load(const std::string& path);

 private:
  SharedLibrary library;
  IFCAPIAddOnUnregisterFunction unregister = nullptr;
};

}  // namespace Exporter
