#include "idscheck/reports/ReportText.h"

#include <cstdint>

#include "ifc/unicode/Utf8.h"

namespace Ids {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

void AppendHexByte(std::string& out, const char* prefix, std::uint8_t value) {
  static const char kDigits[] = "0123456789ABCDEF";
  out += prefix;
  out += kDigits[value >> 4];
  out += kDigits[value & 0xF];
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  while (!text.empty()) {
    const std::size_t length = Ifc::Utf8::WellFormedLength(text, 0);
    const char c = text[0];
    if (length == 0) {
      out += "\\ufffd";
      text.remove_prefix(1);
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (static_cast<std::uint8_t>(c) < 0x20) {
      AppendHexByte(out, "\\u00", static_cast<std::uint8_t>(c));
    } else {
      out.append(text.data(), length);
    }
    text.remove_prefix(length);
  }
  out += '"';
}

void AppendHtmlText(std::string& out, std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = Ifc::Utf8::WellFormedLength(text, 0);
    const char c = text[0];
    if (length == 0) {
      out += kReplacement;
      text.remove_prefix(1);
      continue;
    }
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      case '\t':
      case '\n':
      case '\r':
        out += c;
        break;
      default:
        // U+FFFE and U+FFFF are no XML characters.
        if (static_cast<std::uint8_t>(c) < 0x20 || c == 0x7F || text.substr(0, 3) == "\xEF\xBF\xBE" ||
            text.substr(0, 3) == "\xEF\xBF\xBF") {
          out += kReplacement;
        } else {
          out.append(text.data(), length);
        }
    }
    text.remove_prefix(length);
  }
}

std::string ConsoleText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const std::size_t length = Ifc::Utf8::WellFormedLength(text, 0);
    const auto lead = static_cast<std::uint8_t>(text[0]);
    if (length == 0) {
      out += '?';
      text.remove_prefix(1);
      continue;
    }
    if (lead < 0x20 || lead == 0x7F) {
      AppendHexByte(out, "\\x", lead);
    } else if (length == 2 && lead == 0xC2 && static_cast<std::uint8_t>(text[1]) < 0xA0) {
      AppendHexByte(out, "\\x", static_cast<std::uint8_t>(text[1]));  // C1 controls, U+0080 to U+009F
    } else {
      out.append(text.data(), length);
    }
    text.remove_prefix(length);
  }
  return out;
}

}  // namespace Ids
