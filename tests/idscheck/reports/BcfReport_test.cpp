// The BCF report: every file of the archive valid against buildingSMART's schemas of its version,
// read back with libzip and libxml2; topics, labels, components and GUIDs as documented.
#include "idscheck/reports/BcfReport.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xmlschemas.h>
#include <libxml/xpath.h>
#include <zip.h>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "idscheck/reports/NameUuid.h"
#include "tests/idscheck/reports/SampleResult.h"

namespace {

using Ids::BcfVersion;
using Archive = std::map<std::string, std::string>;  // by name, the content; folders end in '/'

constexpr const char* kDate = "2024-05-01T10:00:00";

Archive Unzip(const std::string& bytes) {
  Archive files;
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_t* zip = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
  if (zip == nullptr) {
    ADD_FAILURE() << "not a zip archive: " << zip_error_strerror(&error);
    zip_source_free(source);
    return files;
  }
  for (zip_int64_t k = 0; k < zip_get_num_entries(zip, 0); ++k) {
    zip_stat_t stat;
    zip_stat_index(zip, static_cast<zip_uint64_t>(k), 0, &stat);
    std::string content(stat.size, '\0');
    zip_file_t* file = zip_fopen_index(zip, static_cast<zip_uint64_t>(k), 0);
    EXPECT_EQ(zip_fread(file, content.data(), stat.size), static_cast<zip_int64_t>(stat.size)) << stat.name;
    zip_fclose(file);
    files[stat.name] = content;
  }
  zip_close(zip);
  return files;
}

Archive ArchiveOf(const Ids::CheckResult& result, BcfVersion version) {
  std::string bytes;
  std::string error;
  EXPECT_TRUE(Ids::ZipBcfEntries(Ids::BcfEntries(result, {version, kDate}), kDate, bytes, error)) << error;
  return Unzip(bytes);
}

// The schema of an archive's file, by its name; empty for a name BCF does not have.
std::string SchemaOf(const std::string& name, BcfVersion version) {
  const std::filesystem::path folder =
      std::filesystem::path(BCF_SCHEMA_DIR) / (version == BcfVersion::V2_1 ? "2.1" : "3.0");
  const std::string base = name.substr(name.find_last_of('/') + 1);
  const bool inTopic = name.find('/') != std::string::npos;
  std::string schema;
  if (!inTopic && base == "bcf.version") {
    schema = "version.xsd";
  } else if (!inTopic && base == "extensions.xml" && version == BcfVersion::V3_0) {
    schema = "extensions.xsd";
  } else if (inTopic && base == "markup.bcf") {
    schema = "markup.xsd";
  } else if (inTopic && base.size() > 5 && base.substr(base.size() - 5) == ".bcfv") {
    schema = "visinfo.xsd";
  }
  return schema.empty() ? schema : (folder / schema).string();
}

void CollectError(void* context, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  char text[1024];
  std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  *static_cast<std::string*>(context) += text;
}

// The schema's complaints about `content`; empty when it is valid.
std::string ValidationErrors(const std::string& schemaFile, const std::string& content) {
  std::string errors;
  xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(schemaFile.c_str());
  xmlSchemaPtr schema = xmlSchemaParse(parser);
  xmlSchemaFreeParserCtxt(parser);
  if (schema == nullptr) {
    return "cannot read " + schemaFile;
  }
  xmlDocPtr document =
      xmlReadMemory(content.data(), static_cast<int>(content.size()), "entry.xml", "UTF-8", XML_PARSE_NONET);
  xmlSchemaValidCtxtPtr validator = xmlSchemaNewValidCtxt(schema);
  xmlSchemaSetValidErrors(validator, CollectError, CollectError, &errors);
  if (document == nullptr) {
    errors = "not well-formed XML";
  } else if (xmlSchemaValidateDoc(validator, document) != 0 && errors.empty()) {
    errors = "not valid";
  }
  xmlSchemaFreeValidCtxt(validator);
  xmlFreeDoc(document);
  xmlSchemaFree(schema);
  return errors;
}

// The text of each node that `path` selects in `content` (attributes included).
std::vector<std::string> Select(const std::string& content, const char* path) {
  std::vector<std::string> texts;
  xmlDocPtr document =
      xmlReadMemory(content.data(), static_cast<int>(content.size()), "entry.xml", "UTF-8", XML_PARSE_NONET);
  xmlXPathContextPtr context = xmlXPathNewContext(document);
  xmlXPathObjectPtr found = xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(path), context);
  for (int k = 0; found != nullptr && found->nodesetval != nullptr && k < found->nodesetval->nodeNr; ++k) {
    xmlChar* text = xmlNodeGetContent(found->nodesetval->nodeTab[k]);
    texts.emplace_back(reinterpret_cast<const char*>(text));
    xmlFree(text);
  }
  xmlXPathFreeObject(found);
  xmlXPathFreeContext(context);
  xmlFreeDoc(document);
  return texts;
}

// The markups of an archive, by topic folder.
std::map<std::string, std::string> Markups(const Archive& archive) {
  std::map<std::string, std::string> markups;
  for (const auto& [name, content] : archive) {
    if (name.size() > 11 && name.substr(name.size() - 11) == "/markup.bcf") {
      markups[name.substr(0, name.size() - 11)] = content;
    }
  }
  return markups;
}

Ids::CheckResult Sample() {
  return IdsTest::SampleResult();
}

// The sample without what a model may lack: an IfcProject, a time stamp, the IDS document's title.
Ids::CheckResult Bare() {
  Ids::CheckResult result = IdsTest::SampleResult();
  result.projectGlobalId.clear();
  result.timeStamp = "2024-05-01";
  for (Ids::SpecificationResult& specification : result.specifications) {
    specification.idsTitle = " ";
  }
  return result;
}

// A GlobalId that looks like a real one (22 characters of the IFC alphabet, little repetition), so
// that the archive compresses as a real model's would.
std::string GlobalIdOf(std::size_t k) {
  static const char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
  const std::array<std::uint8_t, 20> digest = Ids::Sha1(std::to_string(k));
  std::string id;
  for (std::size_t i = 0; i < 22; ++i) {
    id += kAlphabet[digest[i % 20] % 64 ^ (i >= 20 ? 17 : 0)];
  }
  return id;
}

// The sample with `count` failing pipes, the last three without a GlobalId BCF takes.
Ids::CheckResult ManyFailures(std::size_t count) {
  Ids::CheckResult result = Sample();
  Ids::SpecificationResult& pipes = result.specifications.back();
  pipes.failures.clear();
  for (std::size_t k = 0; k < count; ++k) {
    pipes.failures.push_back({Ifc::InstanceNumber(5000 + k),
                              k + 3 >= count ? "" : GlobalIdOf(k),
                              "IfcPipeSegment",
                              "Pipe " + std::to_string(k),
                              {"no material is assigned"}});
  }
  pipes.failures[count - 2].globalId = "too short";
  pipes.failures[count - 1].globalId = "3Pipe-0000000000000000";
  pipes.applicable = pipes.failed = count;
  pipes.passed = 0;
  return result;
}

class BcfVersions : public ::testing::TestWithParam<BcfVersion> {};

INSTANTIATE_TEST_SUITE_P(Bcf, BcfVersions, ::testing::Values(BcfVersion::V2_1, BcfVersion::V3_0),
                         [](const auto& info) { return info.param == BcfVersion::V2_1 ? "V2_1" : "V3_0"; });

TEST_P(BcfVersions, EveryFileIsValidAgainstItsSchema) {
  for (const Ids::CheckResult& result : {Sample(), ManyFailures(2500), Bare()}) {
    const Archive archive = ArchiveOf(result, GetParam());
    ASSERT_EQ(archive.count("bcf.version"), 1u);
    for (const auto& [name, content] : archive) {
      if (name.back() == '/') {
        continue;
      }
      const std::string schema = SchemaOf(name, GetParam());
      ASSERT_FALSE(schema.empty()) << "no BCF file: " << name;
      EXPECT_EQ(ValidationErrors(schema, content), "") << name;
    }
  }
  // The validation can fail: a topic without its title.
  EXPECT_NE(ValidationErrors(SchemaOf("x/markup.bcf", GetParam()), "<Markup><Topic/></Markup>"), "");
}

TEST_P(BcfVersions, OneTopicPerFailedSpecificationWithTitleLabelsAndModel) {
  const std::map<std::string, std::string> markups = Markups(ArchiveOf(Sample(), GetParam()));
  ASSERT_EQ(markups.size(), 2u);  // walls and pipes failed; doors passed; spaces were not checked
  std::vector<std::string> titles;
  for (const auto& [folder, markup] : markups) {
    EXPECT_EQ(Select(markup, "/Markup/Topic/@Guid"), std::vector<std::string>{folder});
    titles.push_back(Select(markup, "/Markup/Topic/Title").at(0));
    EXPECT_EQ(Select(markup, "//Topic/Labels/Label | //Topic/Labels[not(*)]"),
              (std::vector<std::string>{"IDS", "Sample requirements"}));
    EXPECT_EQ(Select(markup, "/Markup/Header//File/Filename"), std::vector<std::string>{"sample <building>.ifc"});
    EXPECT_EQ(Select(markup, "/Markup/Header//File/@IfcProject"), std::vector<std::string>{"0YvctVUKr0kugbFTf53O9L"});
    EXPECT_EQ(Select(markup, "/Markup/Topic/CreationDate"), std::vector<std::string>{kDate});
  }
  std::sort(titles.begin(), titles.end());
  EXPECT_EQ(titles, (std::vector<std::string>{"Pipe segments have a material", "Walls have a fire rating"}));
}

TEST_P(BcfVersions, WhatTheModelLacksIsLeftOut) {
  for (const auto& [folder, markup] : Markups(ArchiveOf(Bare(), GetParam()))) {
    EXPECT_EQ(Select(markup, "//Topic/Labels/Label | //Topic/Labels[not(*)]"), std::vector<std::string>{"IDS"});
    EXPECT_TRUE(Select(markup, "/Markup/Header//File/@IfcProject").empty());
    EXPECT_TRUE(Select(markup, "/Markup/Header//File/Date").empty());
    EXPECT_EQ(Select(markup, "/Markup/Header//File/Filename"), std::vector<std::string>{"sample <building>.ifc"});
  }
}

TEST_P(BcfVersions, TheDescriptionNamesTheRequirementAndHostileNamesSurvive) {
  const Archive archive = ArchiveOf(Sample(), GetParam());
  const std::string walls = Ids::BcfTopicGuid("requirements.ids", 0, 0);
  const std::string description = Select(archive.at(walls + "/markup.bcf"), "/Markup/Topic/Description").at(0);
  EXPECT_EQ(description.rfind("Walls have a fire rating (requirements.ids): 12 applicable, 9 passed, 3 failed\n"
                              "Fire compartments need rated walls\n"
                              "Instructions: Fill Pset_WallCommon.FireRating, e.g. 'REI 90'\n"
                              "Failing elements:\n",
                              0),
            0u)
      << description;
  // The escape character is no XML character: it becomes U+FFFD, the rest comes back unchanged.
  EXPECT_NE(
      description.find("#58 2O2Fr$t4X7Zf8NOew3FLOH IfcWall 'Wall \"A\" <script>alert('x')</script> & \\ "
                       "\xEF\xBF\xBD[31mred\t Gr\xC3\xB6\xC3\x9F"
                       "e m\xC2\xB2': Pset_WallCommon.FireRating is missing, required one of 'REI 60', 'REI 90'\n"),
      std::string::npos)
      << description;
  EXPECT_NE(description.find("#77 (no GlobalId) IfcWallStandardCase: Pset_WallCommon.FireRating is missing, required "
                             "one of 'REI 60', 'REI 90'\n"
                             "1 failing elements have no valid GlobalId and are not among the components\n"),
            std::string::npos)
      << description;
}

TEST_P(BcfVersions, FailingElementsAreComponentsInViewpointsOfAThousand) {
  const Archive archive = ArchiveOf(ManyFailures(2500), GetParam());
  const std::string pipes = Ids::BcfTopicGuid("requirements.ids", 3, 0);
  const std::string& markup = archive.at(pipes + "/markup.bcf");
  const std::vector<std::string> files = Select(markup, "//Viewpoint");
  ASSERT_EQ(files, (std::vector<std::string>{"viewpoint.bcfv", "viewpoint-2.bcfv", "viewpoint-3.bcfv"}));
  std::vector<std::string> components;
  for (const std::string& file : files) {
    const std::string& viewpoint = archive.at(pipes + '/' + file);
    const std::vector<std::string> selected =
        Select(viewpoint, "/VisualizationInfo/Components/Selection/Component/@IfcGuid");
    EXPECT_LE(selected.size(), Ids::kBcfComponentsPerViewpoint);
    components.insert(components.end(), selected.begin(), selected.end());
    // BCF 3.0 requires a camera; 2.1 has none where there is no geometry to aim at.
    EXPECT_EQ(Select(viewpoint, "//OrthogonalCamera | //PerspectiveCamera").size(),
              GetParam() == BcfVersion::V3_0 ? 1u : 0u);
  }
  ASSERT_EQ(components.size(), 2497u);  // the three without a valid GlobalId are left out
  EXPECT_EQ(components.front(), GlobalIdOf(0));
  EXPECT_EQ(components[1000], GlobalIdOf(1000));
  EXPECT_EQ(components.back(), GlobalIdOf(2496));
  const std::string description = Select(markup, "/Markup/Topic/Description").at(0);
  EXPECT_NE(description.find("#5099 "), std::string::npos);
  EXPECT_EQ(description.find("#5100 "), std::string::npos);
  EXPECT_NE(description.find("... and 2400 more failing elements\n"), std::string::npos);
}

TEST_P(BcfVersions, TheSameCheckGivesTheSameBytes) {
  std::string first, second, error;
  const Ids::BcfOptions options{GetParam(), kDate};
  ASSERT_TRUE(Ids::ZipBcfEntries(Ids::BcfEntries(Sample(), options), kDate, first, error)) << error;
  Ids::CheckResult revised = Sample();
  revised.specifications[0].failures.pop_back();
  ASSERT_TRUE(Ids::ZipBcfEntries(Ids::BcfEntries(Sample(), options), kDate, second, error)) << error;
  EXPECT_EQ(first, second);
  // A revised model keeps the topics' GUIDs, so that a tracker updates its topics.
  EXPECT_EQ(Markups(ArchiveOf(revised, GetParam())).size(), 2u);
  for (const auto& [folder, markup] : Markups(ArchiveOf(revised, GetParam()))) {
    EXPECT_EQ(Markups(Unzip(first)).count(folder), 1u) << folder;
  }
}

TEST(BcfReport, OneThousandFailuresStayASmallFile) {
  for (const BcfVersion version : {BcfVersion::V2_1, BcfVersion::V3_0}) {
    std::string bytes, error;
    ASSERT_TRUE(Ids::ZipBcfEntries(Ids::BcfEntries(ManyFailures(1000), {version, kDate}), kDate, bytes, error));
    std::printf("BCF %s, 1000 failing elements: %zu bytes\n", version == BcfVersion::V2_1 ? "2.1" : "3.0",
                bytes.size());
    EXPECT_LT(bytes.size(), 100u * 1024u);
  }
}

TEST(BcfReport, TopicGuidsAreNameBasedAndDistinct) {
  // Known answers: SHA-1 of "abc"; the version 5 UUID of "python.org" in the DNS namespace.
  const std::array<std::uint8_t, 20> digest = Ids::Sha1("abc");
  EXPECT_EQ(digest[0], 0xa9);
  EXPECT_EQ(digest[19], 0x9d);
  const Ids::Uuid dns = {0x6b, 0xa7, 0xb8, 0x10, 0x9d, 0xad, 0x11, 0xd1,
                         0x80, 0xb4, 0x00, 0xc0, 0x4f, 0xd4, 0x30, 0xc8};
  EXPECT_EQ(Ids::NameUuid(dns, "python.org"), "886313e1-3b8a-5372-9b90-0c9aee199e5d");
  EXPECT_EQ(Ids::NameUuid(dns, std::string(200, 'x')).size(), 36u);  // several SHA-1 blocks
  const std::vector<std::string> guids = {Ids::BcfTopicGuid("a.ids", 0, 0), Ids::BcfTopicGuid("a.ids", 1, 0),
                                          Ids::BcfTopicGuid("b.ids", 0, 0), Ids::BcfTopicGuid("a.ids", 0, 1)};
  for (std::size_t i = 0; i < guids.size(); ++i) {
    for (std::size_t j = i + 1; j < guids.size(); ++j) {
      EXPECT_NE(guids[i], guids[j]);
    }
  }
}

TEST(BcfReport, TheModelsTimeStampIsTheDateWhenItIsAnXmlDateTime) {
  const struct {
    const char* stamp;
    bool valid;
  } cases[] = {
      {"2024-05-01T10:00:00", true},   {"2024-05-01T10:00:00.25+02:00", true},
      {"2024-02-29T00:00:00Z", true},  {"2023-02-29T00:00:00", false},
      {"2024-05-01 10:00:00", false},  {"2024-13-01T10:00:00", false},
      {"2024-05-01T24:00:00", false},  {"2024-05-01T10:00:00+2", false},
      {"2024-05-01T10:00:00.", false}, {"", false},
      {"2024-05-01", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Ids::IsXmlDateTime(c.stamp), c.valid) << c.stamp;
    Ids::CheckResult result;
    result.timeStamp = c.stamp;
    EXPECT_EQ(Ids::BcfCreationDate(result, 86400 * 365), c.valid ? c.stamp : "1971-01-01T00:00:00Z") << c.stamp;
  }
}

class BcfFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("ids-bcf-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::filesystem::path folder;
};

TEST_F(BcfFiles, WrittenWholeOverAnOldFileOrNotAtAll) {
  const std::filesystem::path path = folder / "findings.bcf";
  std::ofstream(path) << "an older file";
  const Ifc::Status written = Ids::WriteBcfReport(Sample(), {BcfVersion::V3_0, {}}, path.string());
  ASSERT_TRUE(written) << written.Error().Message();
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  const Archive archive = Unzip(bytes.str());
  EXPECT_EQ(Select(archive.at("bcf.version"), "/Version/@VersionId"), std::vector<std::string>{"3.0"});
  EXPECT_EQ(Markups(archive).size(), 2u);
  const Ifc::Status missing = Ids::WriteBcfReport(Sample(), {}, (folder / "missing" / "findings.bcf").string());
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.Error().Message().find("findings.bcf"), std::string::npos) << missing.Error().Message();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
}

}  // namespace
