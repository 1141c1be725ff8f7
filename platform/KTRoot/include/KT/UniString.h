// KT::UniString: the foundation library's Unicode text, stored as UTF-16 code units.
//
// It is built from and converted back to UTF-8; equality compares code units, so letter case counts;
// "empty" means zero characters.
//
//   const KT::UniString name("Pset_WallCommon");
//   assert(name != KT::UniString("pset_wallcommon"));
//   assert(name.ToUTF8() == "Pset_WallCommon");
//   assert(KT::EmptyUniString.IsEmpty());
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "KT/Export.h"

namespace KT {

class KT_EXPORT UniString {
 public:
  UniString() noexcept = default;

  // Decodes UTF-8; each ill-formed sequence becomes U+FFFD.
  UniString(const char* utf8);  // NOLINT(google-explicit-constructor): texts read as literals
  explicit UniString(std::string_view utf8);

  // Takes UTF-16 code units as they are.
  explicit UniString(std::u16string codeUnits) noexcept;

  UniString(const UniString& other) = default;
  UniString(UniString&& other) noexcept = default;
  UniString& operator=(const UniString& other) = default;
  UniString& operator=(UniString&& other) noexcept = default;
  ~UniString() = default;

  bool IsEmpty() const noexcept { return units.empty(); }

  // Length in UTF-16 code units.
  std::size_t GetLength() const noexcept { return units.size(); }

  const std::u16string& GetCodeUnits() const noexcept { return units; }

  // Encodes as UTF-8; an unpaired surrogate becomes U+FFFD.
  std::string ToUTF8() const;

  // 32-bit FNV-1a over the code units: equal texts hash equally.
  std::uint32_t GenerateHashValue() const noexcept;

  friend bool operator==(const UniString& a, const UniString& b) noexcept { return a.units == b.units; }
  friend bool operator!=(const UniString& a, const UniString& b) noexcept { return a.units != b.units; }
  friend bool operator<(const UniString& a, const UniString& b) noexcept { return a.units < b.units; }

 private:
  std::u16string units;
};

// The shared empty text.
KT_EXPORT extern const UniString EmptyUniString;

}  // namespace KT
