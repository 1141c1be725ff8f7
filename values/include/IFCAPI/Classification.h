// IFCAPI::Impl::Classification: a classification system (name, source, edition, edition date,
// description and location) that classification references point to.
//
//   auto uniclass = Classification::Create(token, "Uniclass", KT::UniString("NBS"), KT::UniString("2015"),
//                                          std::nullopt, std::nullopt, std::nullopt);
//   // uniclass.Unwrap().GetClassification().GetEditionDate() is absent
#pragma once

#include <optional>

#include "IFCAPI/Export.h"
#include "IPL/Classification.h"
#include "KT/UniString.h"
#include "TSAPI/ObjectImpl.h"
#include "TSAPI/Result.h"

namespace IFCAPI::Impl {

class IFCAPI_EXPORT Classification : public TSAPI::Impl::ObjectImpl {
 public:
  // Keeps a copy of `classification`; checks nothing.
  Classification(const API_Guid& token, const IPL::Classification& classification);

  // Copies the classification and keeps the token of `other`.
  Classification(const Classification& other);

  ~Classification() override;

  // A classification named `name` (the empty name included). Each optional text that is present,
  // even empty, is set; an absent one stays absent. Never fails.
  static TSAPI::Result<Classification, TSAPI::Error> Create(const API_Guid& token, const KT::UniString& name,
                                                            const std::optional<KT::UniString>& source,
                                                            const std::optional<KT::UniString>& edition,
                                                            const std::optional<KT::UniString>& editionDate,
                                                            const std::optional<KT::UniString>& description,
                                                            const std::optional<KT::UniString>& location);

  // The library classification held; valid as long as this object.
  const IPL::Classification& GetClassification() const noexcept { return classification; }

 private:
  template <class>
  friend struct LayoutCheck;

  IPL::Classification classification;
};

}  // namespace IFCAPI::Impl
