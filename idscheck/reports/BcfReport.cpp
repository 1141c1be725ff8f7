#include "idscheck/reports/BcfReport.h"

#include <cstdint>
#include <ctime>
#include <set>

#include "ifc/files/SafeOutputFile.h"

#ifdef IFCAPI_HAVE_LIBZIP
#include <zip.h>
#endif

namespace Ids {

namespace {

// The one place that puts the archive's bytes into a file: a temporary beside `path`, renamed into
// place when complete.
Ifc::Status WriteBcfFile(const std::string& path, const std::string& archive) {
  Ifc::SafeOutputFile file;
  if (Ifc::Status opened = file.Open(path); !opened) {
    return opened;
  }
  file.Write(archive);
  return file.Commit();
}

#ifdef IFCAPI_HAVE_LIBZIP

// The zip entries' MS-DOS date and time of an xs:dateTime, its clock as written (1980-01-01 for
// earlier dates, which the format cannot hold).
void DosDateTime(const std::string& date, std::uint16_t& dosDate, std::uint16_t& dosTime) {
  const auto number = [&date](std::size_t from, std::size_t count) { return std::stoi(date.substr(from, count)); };
  dosDate = (0 << 9) | (1 << 5) | 1;
  dosTime = 0;
  if (!IsXmlDateTime(date) || number(0, 4) < 1980 || number(0, 4) > 2107) {
    return;
  }
  dosDate = static_cast<std::uint16_t>(((number(0, 4) - 1980) << 9) | (number(5, 2) << 5) | number(8, 2));
  dosTime = static_cast<std::uint16_t>((number(11, 2) << 11) | (number(14, 2) << 5) | (number(17, 2) / 2));
}

std::string ZipErrorText(zip_error_t* zipError) {
  std::string text = zip_error_strerror(zipError);
  zip_error_fini(zipError);
  return text;
}

// Adds the topic folders and the files to `zip`; false with `error` set.
bool AddEntries(zip_t* zip, const std::vector<BcfEntry>& entries, const std::string& date, std::string& error) {
  std::uint16_t dosDate = 0;
  std::uint16_t dosTime = 0;
  DosDateTime(date, dosDate, dosTime);
  std::set<std::string> folders;
  for (const BcfEntry& entry : entries) {
    const std::size_t slash = entry.name.find('/');
    zip_int64_t index = -1;
    if (slash != std::string::npos && folders.insert(entry.name.substr(0, slash + 1)).second) {
      index = zip_dir_add(zip, entry.name.substr(0, slash + 1).c_str(), ZIP_FL_ENC_UTF_8);
      if (index < 0 || zip_file_set_dostime(zip, static_cast<zip_uint64_t>(index), dosTime, dosDate, 0) != 0) {
        error = zip_strerror(zip);
        return false;
      }
    }
    zip_source_t* source = zip_source_buffer(zip, entry.content.data(), entry.content.size(), 0);
    index = source == nullptr ? -1 : zip_file_add(zip, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      error = zip_strerror(zip);
      zip_source_free(source);
      return false;
    }
    if (zip_file_set_dostime(zip, static_cast<zip_uint64_t>(index), dosTime, dosDate, 0) != 0) {
      error = zip_strerror(zip);
      return false;
    }
  }
  return true;
}

// Reads the whole of the closed in-memory archive `buffer`.
bool ReadBuffer(zip_source_t* buffer, std::string& archive, std::string& error) {
  zip_stat_t stat;
  if (zip_source_stat(buffer, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 || zip_source_open(buffer) != 0) {
    error = zip_error_strerror(zip_source_error(buffer));
    return false;
  }
  archive.resize(stat.size);
  const zip_int64_t read = zip_source_read(buffer, archive.data(), stat.size);
  zip_source_close(buffer);
  if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size) {
    error = "cannot read the archive back from memory";
    return false;
  }
  return true;
}

#endif

}  // namespace

#ifdef IFCAPI_HAVE_LIBZIP

bool BcfWritingAvailable() noexcept {
  return true;
}

bool ZipBcfEntries(const std::vector<BcfEntry>& entries, const std::string& date, std::string& archive,
                   std::string& error) {
  zip_error_t zipError;
  zip_error_init(&zipError);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &zipError);
  zip_t* zip = buffer == nullptr ? nullptr : zip_open_from_source(buffer, ZIP_TRUNCATE, &zipError);
  if (zip == nullptr) {
    zip_source_free(buffer);
    error = "cannot create a zip archive: " + ZipErrorText(&zipError);
    return false;
  }
  zip_error_fini(&zipError);
  zip_source_keep(buffer);  // the archive's bytes stay in it after zip_close
  if (!AddEntries(zip, entries, date, error)) {
    zip_discard(zip);
    zip_source_free(buffer);
    return false;
  }
  if (zip_close(zip) != 0) {
    error = zip_strerror(zip);
    zip_discard(zip);
    zip_source_free(buffer);
    return false;
  }
  const bool read = ReadBuffer(buffer, archive, error);
  zip_source_free(buffer);
  return read;
}

#else

bool BcfWritingAvailable() noexcept {
  return false;
}

bool ZipBcfEntries(const std::vector<BcfEntry>&, const std::string&, std::string&, std::string& error) {
  error = kNoBcfMessage;
  return false;
}

#endif

Ifc::Status WriteBcfReport(const CheckResult& result, const BcfOptions& options, const std::string& path) {
  BcfOptions dated = options;
  if (dated.creationDate.empty()) {
    dated.creationDate = BcfCreationDate(result, std::time(nullptr));
  }
  std::string archive;
  std::string error;
  if (!ZipBcfEntries(BcfEntries(result, dated), dated.creationDate, archive, error)) {
    return Ifc::Failure(path + ": " + error);
  }
  return WriteBcfFile(path, archive);
}

}  // namespace Ids
