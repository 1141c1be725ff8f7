#include "exporter/writer/NewGlobalIds.h"

#include <cstdint>

#include "exporter/writer/InstanceText.h"

namespace Exporter {

namespace {

std::uint64_t Fnv64(std::string_view text, std::uint64_t hash) noexcept {
  for (const char c : text) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  }
  return hash;
}

std::uint64_t Mix(std::uint64_t x) noexcept {
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// The `attempt`th candidate for `key`.
GuidBytes Candidate(std::string_view key, std::uint64_t attempt) noexcept {
  const std::uint64_t seed = Mix(attempt + 1);
  const std::uint64_t high = Mix(Fnv64(key, 0xCBF29CE484222325ull ^ seed));
  const std::uint64_t low = Mix(Fnv64(key, 0x84222325CBF29CE4ull + seed));
  GuidBytes guid{};
  for (int i = 0; i < 8; ++i) {
    guid[i] = static_cast<std::uint8_t>(high >> (56 - 8 * i));
    guid[8 + i] = static_cast<std::uint8_t>(low >> (56 - 8 * i));
  }
  guid[6] = static_cast<std::uint8_t>((guid[6] & 0x0F) | 0x80);  // version 8: made by this tool's own rule
  guid[8] = static_cast<std::uint8_t>((guid[8] & 0x3F) | 0x80);  // RFC 4122 variant
  return guid;
}

}  // namespace

std::string NewGlobalIds::Derive(std::string_view key) {
  for (std::uint64_t attempt = 0;; ++attempt) {
    const GuidBytes guid = Candidate(key, attempt);
    if (Claim(guid)) {
      return GuidText(guid);
    }
  }
}

bool NewGlobalIds::Claim(const GuidBytes& guid) {
  return !model.FindByGlobalId(guid).Valid() && claimed.insert(GuidText(guid)).second;
}

}  // namespace Exporter
