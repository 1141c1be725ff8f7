#include "exporter/addon/AddOn.h"

#include <cstdio>

#include "KT/Guid.h"

namespace Exporter {

namespace {

// The token the tool gives the add-on, as the host gives each add-on its own.
const KT::Guid kAddOnToken("{1FCA9E70-E4B0-4C7A-9D1E-0000000000A0}");

}  // namespace

AddOn::~AddOn() {
  if (unregister != nullptr) {
    unregister();
  }
}

Ifc::Status AddOn::Load(const std::string& path) {
  if (std::FILE* probe = std::fopen(path.c_str(), "rb")) {
    std::fclose(probe);
  } else {
    return Ifc::Failure("add-on " + path + ": no such file");
  }
  if (const Ifc::Status opened = library.Open(path); !opened) {
    return opened.Error().Within("add-on " + path + ": cannot be loaded as a shared library");
  }
  // The C entry points are found by name; the conversion from the untyped symbol is the loader's job.
  const auto registerFunction = reinterpret_cast<IFCAPIAddOnRegisterFunction>(library.Find(IFCAPI_ADDON_REGISTER_NAME));
  const auto unregisterFunction =
      reinterpret_cast<IFCAPIAddOnUnregisterFunction>(library.Find(IFCAPI_ADDON_UNREGISTER_NAME));
  if (registerFunction == nullptr || unregisterFunction == nullptr) {
    return Ifc::Failure("add-on " + path + ": the function " +
                        (registerFunction == nullptr ? IFCAPI_ADDON_REGISTER_NAME : IFCAPI_ADDON_UNREGISTER_NAME) +
                        " is missing (an add-on exports both " IFCAPI_ADDON_REGISTER_NAME
                        " and " IFCAPI_ADDON_UNREGISTER_NAME ")");
  }
  const API_Guid token = ToAPIGuid(kAddOnToken);
  const int status = registerFunction(&token);
  if (status != 0) {
    return Ifc::Failure("add-on " + path + ": " IFCAPI_ADDON_REGISTER_NAME " refused to start (it returned " +
                        std::to_string(status) + ")");
  }
  unregister = unregisterFunction;
  return {};
}

}  // namespace Exporter
