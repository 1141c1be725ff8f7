#include "idscheck/reports/ReportText.h"

#include <cstdint>

namespace Ids {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// The length of the well-formed UTF-8 sequence at the start of `text` (overlong forms, surrogates and
// code points past U+10FFFF are not), 0 when there is none. `text` is not empty.
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80) {
    return 1;
  }
  std::size_t length = 0;
  std::uint8_t low = 0x80;
  std::uint8_t high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) {
    return 0;
  }
  for (std::size_t k = 2; k < length; ++k) {
    if ((byte(k) & 0xC0) != 0x80) {
      return 0;
    }
  }
  return length;
}

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
    const std::size_t length = SequenceLength(text);
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
    const std::size_t length = SequenceLength(text);
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
    const std::size_t length = SequenceLength(text);
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
