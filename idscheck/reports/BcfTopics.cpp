#include "idscheck/reports/BcfTopics.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

#include "idscheck/reports/NameUuid.h"
#include "idscheck/reports/ReportSummary.h"
#include "idscheck/reports/ReportText.h"

namespace Ids {

namespace {

constexpr const char* kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr const char* kTopicType = "Error";
constexpr const char* kTopicStatus = "Open";
constexpr const char* kLabel = "IDS";

// A failed specification as the archive holds it.
struct Topic {
  const SpecificationResult* specification = nullptr;
  std::size_t index = 0;  // among the result's specifications
  std::string guid;
  std::vector<const ElementFailure*> components;  // the failures with a GlobalId BCF takes
};

bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
}

// Appends <name>text</name> on a line of its own.
void AppendElement(std::string& out, const char* indent, const char* name, std::string_view text) {
  out += indent;
  out += '<';
  out += name;
  out += '>';
  AppendHtmlText(out, text);
  out += "</";
  out += name;
  out += ">\n";
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FailureLine(const ElementFailure& failure) {
  std::string line = "#" + std::to_string(failure.instance.Value()) + ' ';
  line += failure.globalId.empty() ? std::string("(no GlobalId)") : failure.globalId;
  line += ' ' + failure.entity;
  if (!failure.name.empty()) {
    line += " '" + failure.name + '\'';
  }
  return line + ": " + JoinedReasons(failure) + '\n';
}

std::string Title(const Topic& topic) {
  const SpecificationResult& specification = *topic.specification;
  if (!IsBlank(specification.name)) {
    return specification.name;
  }
  return "Specification " + std::to_string(topic.index + 1) + " of " + specification.idsFile;
}

// The description in the console report's words: counts, verdict, the specification's own text,
// the failing elements with their reasons.
std::string Description(const Topic& topic) {
  const SpecificationResult& specification = *topic.specification;
  std::string text = Title(topic) + " (" + specification.idsFile + "): " + CountsText(specification) + '\n';
  if (!specification.verdictReason.empty()) {
    text += specification.verdictReason + '\n';
  }
  if (!IsBlank(specification.description)) {
    text += specification.description + '\n';
  }
  if (!IsBlank(specification.instructions)) {
    text += "Instructions: " + specification.instructions + '\n';
  }
  const std::size_t listed = std::min(specification.failures.size(), kBcfFailuresDescribed);
  text += listed > 0 ? "Failing elements:\n" : "";
  for (std::size_t k = 0; k < listed; ++k) {
    text += FailureLine(specification.failures[k]);
  }
  if (specification.failures.size() > listed) {
    text += "... and " + std::to_string(specification.failures.size() - listed) + " more failing elements\n";
  }
  const std::size_t without = specification.failures.size() - topic.components.size();
  if (without > 0) {
    text += std::to_string(without) + " failing elements have no valid GlobalId and are not among the components\n";
  }
  return text;
}

std::size_t ViewpointCount(const Topic& topic) {
  return (topic.components.size() + kBcfComponentsPerViewpoint - 1) / kBcfComponentsPerViewpoint;
}

std::string ViewpointGuid(const Topic& topic, std::size_t viewpoint) {
  return NameUuid(kBcfNamespace, topic.guid + "\nviewpoint " + std::to_string(viewpoint));
}

std::string ViewpointFile(std::size_t viewpoint) {
  return viewpoint == 0 ? std::string("viewpoint.bcfv") : "viewpoint-" + std::to_string(viewpoint + 1) + ".bcfv";
}

// The model as the referenced file: its name, its IfcProject, its time stamp.
void AppendHeaderFile(std::string& out, const CheckResult& result, const char* indent, const char* external) {
  out += indent;
  out += "<File";
  if (IsIfcGuid(result.projectGlobalId)) {
    out += " IfcProject=\"" + result.projectGlobalId + '"';
  }
  out += std::string(" ") + external + "=\"true\">\n";
  const std::string inner = std::string(indent) + "  ";
  AppendElement(out, inner.c_str(), "Filename", BaseName(result.modelFile));
  if (IsXmlDateTime(result.timeStamp)) {
    AppendElement(out, inner.c_str(), "Date", result.timeStamp);
  }
  out += indent;
  out += "</File>\n";
}

std::vector<std::string> Labels(const SpecificationResult& specification) {
  std::vector<std::string> labels{kLabel};
  if (!IsBlank(specification.idsTitle)) {
    labels.push_back(specification.idsTitle);
  }
  return labels;
}

void AppendTopicStart(std::string& out, const Topic& topic, const BcfOptions& options) {
  out +=
      "  <Topic Guid=\"" + topic.guid + "\" TopicType=\"" + kTopicType + "\" TopicStatus=\"" + kTopicStatus + "\">\n";
  AppendElement(out, "    ", "Title", Title(topic));
  const bool old = options.version == BcfVersion::V2_1;
  if (old) {
    AppendElement(out, "    ", "Index", std::to_string(topic.index));
  }
  out += old ? "" : "    <Labels>\n";
  for (const std::string& label : Labels(*topic.specification)) {
    AppendElement(out, old ? "    " : "      ", old ? "Labels" : "Label", label);
  }
  out += old ? "" : "    </Labels>\n";
  AppendElement(out, "    ", "CreationDate", options.creationDate);
  AppendElement(out, "    ", "CreationAuthor", kBcfAuthor);
  AppendElement(out, "    ", "Description", Description(topic));
}

std::string Markup21(const CheckResult& result, const Topic& topic, const BcfOptions& options) {
  std::string out = kXmlDeclaration;
  out += "<Markup>\n  <Header>\n";
  AppendHeaderFile(out, result, "    ", "isExternal");
  out += "  </Header>\n";
  AppendTopicStart(out, topic, options);
  out += "  </Topic>\n";
  for (std::size_t k = 0; k < ViewpointCount(topic); ++k) {
    out += "  <Viewpoints Guid=\"" + ViewpointGuid(topic, k) + "\">\n";
    AppendElement(out, "    ", "Viewpoint", ViewpointFile(k));
    AppendElement(out, "    ", "Index", std::to_string(k));
    out += "  </Viewpoints>\n";
  }
  return out + "</Markup>\n";
}

std::string Markup30(const CheckResult& result, const Topic& topic, const BcfOptions& options) {
  std::string out = kXmlDeclaration;
  out += "<Markup>\n  <Header>\n    <Files>\n";
  AppendHeaderFile(out, result, "      ", "IsExternal");
  out += "    </Files>\n  </Header>\n";
  AppendTopicStart(out, topic, options);
  if (ViewpointCount(topic) > 0) {
    out += "    <Viewpoints>\n";
    for (std::size_t k = 0; k < ViewpointCount(topic); ++k) {
      out += "      <ViewPoint Guid=\"" + ViewpointGuid(topic, k) + "\">\n";
      AppendElement(out, "        ", "Viewpoint", ViewpointFile(k));
      out += "      </ViewPoint>\n";
    }
    out += "    </Viewpoints>\n";
  }
  return out + "  </Topic>\n</Markup>\n";
}

void AppendPoint(std::string& out, const char* name, double x, double y, double z) {
  out += std::string("    <") + name + "><X>" + std::to_string(x) + "</X><Y>" + std::to_string(y) + "</Y><Z>" +
         std::to_string(z) + "</Z></" + name + ">\n";
}

// The failing elements, selected on an unchanged view. BCF 3.0 requires a camera, which the check
// has no geometry to aim: an isometric view of the origin, for viewers to replace by zooming to the
// selection.
std::string Viewpoint(const Topic& topic, std::size_t viewpoint, BcfVersion version) {
  std::string out = kXmlDeclaration;
  out += "<VisualizationInfo Guid=\"" + ViewpointGuid(topic, viewpoint) + "\">\n  <Components>\n    <Selection>\n";
  const std::size_t first = viewpoint * kBcfComponentsPerViewpoint;
  const std::size_t end = std::min(topic.components.size(), first + kBcfComponentsPerViewpoint);
  for (std::size_t k = first; k < end; ++k) {
    out += "      <Component IfcGuid=\"" + topic.components[k]->globalId + "\"/>\n";
  }
  out += "    </Selection>\n    <Visibility DefaultVisibility=\"true\"/>\n  </Components>\n";
  if (version == BcfVersion::V3_0) {
    out += "  <OrthogonalCamera>\n";
    AppendPoint(out, "CameraViewPoint", 10, 10, 10);
    AppendPoint(out, "CameraDirection", -1, -1, -1);
    AppendPoint(out, "CameraUpVector", -1, -1, 2);
    out += "    <ViewToWorldScale>20</ViewToWorldScale>\n    <AspectRatio>1.5</AspectRatio>\n  </OrthogonalCamera>\n";
  }
  return out + "</VisualizationInfo>\n";
}

std::string VersionFile(BcfVersion version) {
  if (version == BcfVersion::V2_1) {
    return std::string(kXmlDeclaration) +
           "<Version VersionId=\"2.1\">\n  <DetailedVersion>2.1</DetailedVersion>\n</Version>\n";
  }
  return std::string(kXmlDeclaration) + "<Version VersionId=\"3.0\"/>\n";
}

// BCF 3.0's list of the values the topics use.
std::string Extensions(const std::vector<Topic>& topics) {
  std::vector<std::string> labels{kLabel};
  for (const Topic& topic : topics) {
    for (const std::string& label : Labels(*topic.specification)) {
      if (std::find(labels.begin(), labels.end(), label) == labels.end()) {
        labels.push_back(label);
      }
    }
  }
  std::string out = kXmlDeclaration;
  out += "<Extensions>\n  <TopicTypes>\n";
  AppendElement(out, "    ", "TopicType", kTopicType);
  out += "  </TopicTypes>\n  <TopicStatuses>\n";
  AppendElement(out, "    ", "TopicStatus", kTopicStatus);
  out += "  </TopicStatuses>\n  <TopicLabels>\n";
  for (const std::string& label : labels) {
    AppendElement(out, "    ", "TopicLabel", label);
  }
  out += "  </TopicLabels>\n  <Users>\n";
  AppendElement(out, "    ", "User", kBcfAuthor);
  return out + "  </Users>\n</Extensions>\n";
}

std::vector<Topic> Topics(const CheckResult& result) {
  std::vector<Topic> topics;
  std::map<std::string, std::size_t> positions;                     // by IDS file: specifications seen
  std::map<std::pair<std::string, std::size_t>, std::size_t> seen;  // by (file, position): times
  for (std::size_t k = 0; k < result.specifications.size(); ++k) {
    const SpecificationResult& specification = result.specifications[k];
    const std::size_t position = positions[specification.idsFile]++;
    const std::size_t occurrence = seen[{specification.idsFile, position}]++;
    if (StatusOf(specification) != SpecificationStatus::Failed) {
      continue;
    }
    Topic topic;
    topic.specification = &specification;
    topic.index = k;
    topic.guid = BcfTopicGuid(specification.idsFile, position, occurrence);
    for (const ElementFailure& failure : specification.failures) {
      if (IsIfcGuid(failure.globalId)) {
        topic.components.push_back(&failure);
      }
    }
    topics.push_back(std::move(topic));
  }
  return topics;
}

bool Digits(std::string_view text, std::size_t from, std::size_t count, int& value) {
  value = 0;
  for (std::size_t k = from; k < from + count; ++k) {
    if (k >= text.size() || !std::isdigit(static_cast<unsigned char>(text[k]))) {
      return false;
    }
    value = value * 10 + (text[k] - '0');
  }
  return true;
}

bool IsZone(std::string_view zone) {
  int hours = 0;
  int minutes = 0;
  if (zone.empty() || zone == "Z") {
    return true;
  }
  return zone.size() == 6 && (zone[0] == '+' || zone[0] == '-') && Digits(zone, 1, 2, hours) && zone[3] == ':' &&
         Digits(zone, 4, 2, minutes) && hours <= 14 && minutes <= 59;
}

}  // namespace

bool ParseBcfVersion(std::string_view text, BcfVersion& version) noexcept {
  if (text == "2.1" || text == "3.0") {
    version = text == "2.1" ? BcfVersion::V2_1 : BcfVersion::V3_0;
    return true;
  }
  return false;
}

bool IsXmlDateTime(std::string_view text) noexcept {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (!Digits(text, 0, 4, year) || text.size() < 19 || text[4] != '-' || !Digits(text, 5, 2, month) || text[7] != '-' ||
      !Digits(text, 8, 2, day) || text[10] != 'T' || !Digits(text, 11, 2, hour) || text[13] != ':' ||
      !Digits(text, 14, 2, minute) || text[16] != ':' || !Digits(text, 17, 2, second)) {
    return false;
  }
  static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  if (year == 0 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1] || (month == 2 && day == 29 && !leap) ||
      hour > 23 || minute > 59 || second > 59) {
    return false;
  }
  std::size_t rest = 19;
  if (rest < text.size() && text[rest] == '.') {
    const std::size_t digits = text.find_first_not_of("0123456789", rest + 1);
    const std::size_t end = digits == std::string_view::npos ? text.size() : digits;
    if (end == rest + 1) {
      return false;
    }
    rest = end;
  }
  return IsZone(text.substr(rest));
}

std::string BcfCreationDate(const CheckResult& result, std::time_t now) {
  if (IsXmlDateTime(result.timeStamp)) {
    return result.timeStamp;
  }
  std::tm utc{};
#ifdef _WIN32
  gmtime_s(&utc, &now);
#else
  gmtime_r(&now, &utc);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

bool IsIfcGuid(std::string_view text) noexcept {
  return text.size() == 22 && std::all_of(text.begin(), text.end(), [](char c) {
           return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
         });
}

std::string BcfTopicGuid(const std::string& idsFile, std::size_t position, std::size_t occurrence) {
  std::string name = idsFile + '\n' + std::to_string(position);
  if (occurrence > 0) {
    name += '\n' + std::to_string(occurrence);
  }
  return NameUuid(kBcfNamespace, name);
}

std::vector<BcfEntry> BcfEntries(const CheckResult& result, const BcfOptions& options) {
  const std::vector<Topic> topics = Topics(result);
  std::vector<BcfEntry> entries{{"bcf.version", VersionFile(options.version)}};
  if (options.version == BcfVersion::V3_0) {
    entries.push_back({"extensions.xml", Extensions(topics)});
  }
  for (const Topic& topic : topics) {
    const bool old = options.version == BcfVersion::V2_1;
    entries.push_back(
        {topic.guid + "/markup.bcf", old ? Markup21(result, topic, options) : Markup30(result, topic, options)});
    for (std::size_t k = 0; k < ViewpointCount(topic); ++k) {
      entries.push_back({topic.guid + '/' + ViewpointFile(k), Viewpoint(topic, k, options.version)});
    }
  }
  return entries;
}

}  // namespace Ids
