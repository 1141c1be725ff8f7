// The files of a BCF archive (BIM Collaboration Format 2.1 or 3.0) that carries a requirements
// check's failures: one topic per failed specification, its failing elements as the components of
// its viewpoints. The layout is in docs/ids.md; BcfReport zips the files.
//
//   Ids::BcfOptions options;
//   options.version = Ids::BcfVersion::V3_0;
//   options.creationDate = Ids::BcfCreationDate(result, std::time(nullptr));
//   for (const Ids::BcfEntry& entry : Ids::BcfEntries(result, options)) Add(entry.name, entry.content);
#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "idscheck/check/CheckResult.h"

namespace Ids {

enum class BcfVersion { V2_1, V3_0 };

// Failing elements per viewpoint; a topic with more has several viewpoints.
constexpr std::size_t kBcfComponentsPerViewpoint = 1000;
// Failing elements that a topic's description lists with their reasons; the rest are counted.
constexpr std::size_t kBcfFailuresDescribed = 100;
// The author of every topic.
constexpr const char* kBcfAuthor = "ifcapi-ids";

struct BcfOptions {
  BcfVersion version = BcfVersion::V2_1;
  std::string creationDate;  // xs:dateTime, the CreationDate of every topic
};

// One file of the archive: its path inside the archive and its content (UTF-8 XML).
struct BcfEntry {
  std::string name;
  std::string content;
};

// "2.1" or "3.0" as the version; false for any other text.
bool ParseBcfVersion(std::string_view text, BcfVersion& version) noexcept;

// The topics' creation date: the model's FILE_NAME time stamp when it is a valid xs:dateTime
// ("2024-05-01T10:00:00", a zone kept), else `now` in UTC ("2024-05-01T10:00:00Z").
std::string BcfCreationDate(const CheckResult& result, std::time_t now);

// Whether `text` is an xs:dateTime: YYYY-MM-DDThh:mm:ss, optional fraction and zone, a real date.
bool IsXmlDateTime(std::string_view text) noexcept;

// Whether `text` is an IFC GlobalId as BCF takes it: 22 characters of 0-9 A-Z a-z _ $.
bool IsIfcGuid(std::string_view text) noexcept;

// The GUID of the topic of the specification at `position` of the document `idsFile` (its path as
// given), taken the `occurrence`-th time (0 but when a document is checked twice): a name-based UUID,
// the same on every run.
std::string BcfTopicGuid(const std::string& idsFile, std::size_t position, std::size_t occurrence);

// Every file of the archive, bcf.version first, then per failed specification its markup.bcf and
// viewpoints; for 3.0 also extensions.xml.
std::vector<BcfEntry> BcfEntries(const CheckResult& result, const BcfOptions& options);

}  // namespace Ids
