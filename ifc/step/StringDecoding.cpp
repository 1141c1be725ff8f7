#include "ifc/step/StringDecoding.h"

#include "ifc/unicode/Utf8.h"

namespace Ifc {

namespace {

int HexValue(char c) noexcept {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  return -1;
}

// Reads `count` hex digits at `body[at]`; -1 when there are not that many.
long ReadHex(std::string_view body, std::size_t at, std::size_t count) noexcept {
  if (at + count > body.size()) {
    return -1;
  }
  long value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const int digit = HexValue(body[at + i]);
    if (digit < 0) {
      return -1;
    }
    value = value * 16 + digit;
  }
  return value;
}

bool StartsWith(std::string_view body, std::size_t at, std::string_view prefix) noexcept {
  return body.compare(at, prefix.size(), prefix) == 0;
}

// Decodes the \X2\ run at body[at] (after "\X2\") up to and including "\X0\".
bool DecodeUtf16Run(std::string_view body, std::size_t& at, std::string* out, std::string& error) {
  while (!StartsWith(body, at, "\\X0\\")) {
    const long unit = ReadHex(body, at, 4);
    if (unit < 0) {
      error = "malformed \\X2\\ escape: four hex digits a character, ended by \\X0\\";
      return false;
    }
    at += 4;
    char32_t point = static_cast<char32_t>(unit);
    if (unit >= 0xD800 && unit < 0xDC00) {
      const long low = StartsWith(body, at, "\\X0\\") ? -1 : ReadHex(body, at, 4);
      if (low >= 0xDC00 && low < 0xE000) {
        point = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (static_cast<char32_t>(low) - 0xDC00);
        at += 4;
      } else {
        point = 0xFFFD;
      }
    } else if (unit >= 0xDC00 && unit < 0xE000) {
      point = 0xFFFD;
    }
    if (out != nullptr) {
      Utf8::Append(*out, point);
    }
  }
  at += 4;
  return true;
}

// Decodes the \X4\ run at body[at] (after "\X4\") up to and including "\X0\".
bool DecodeCodePointRun(std::string_view body, std::size_t& at, std::string* out, std::string& error) {
  while (!StartsWith(body, at, "\\X0\\")) {
    const long point = ReadHex(body, at, 8);
    if (point < 0 || point > 0x10FFFF || (point >= 0xD800 && point < 0xE000)) {
      error = point < 0 ? "malformed \\X4\\ escape: eight hex digits a character, ended by \\X0\\"
                        : "\\X4\\ escape names no Unicode character";
      return false;
    }
    at += 8;
    if (out != nullptr) {
      Utf8::Append(*out, static_cast<char32_t>(point));
    }
  }
  at += 4;
  return true;
}

// Decodes the escape at body[at] (a backslash); false on a malformed one.
bool DecodeEscape(std::string_view body, std::size_t& at, std::string* out, std::string& error) {
  char32_t point = '\\';
  if (StartsWith(body, at, "\\\\")) {
    at += 2;
  } else if (StartsWith(body, at, "\\X2\\")) {
    at += 4;
    return DecodeUtf16Run(body, at, out, error);
  } else if (StartsWith(body, at, "\\X4\\")) {
    at += 4;
    return DecodeCodePointRun(body, at, out, error);
  } else if (StartsWith(body, at, "\\X\\")) {
    const long value = ReadHex(body, at + 3, 2);
    if (value < 0) {
      error = "malformed \\X\\ escape: two hex digits expected";
      return false;
    }
    point = static_cast<char32_t>(value);
    at += 5;
  } else if (StartsWith(body, at, "\\S\\")) {
    const unsigned char c = at + 3 < body.size() ? static_cast<unsigned char>(body[at + 3]) : 0;
    if (c < 0x20 || c > 0x7E) {
      error = "malformed \\S\\ escape: a printable character expected";
      return false;
    }
    point = c + 0x80u;
    at += 4;
  } else if (at + 3 < body.size() && body[at + 1] == 'P' && body[at + 3] == '\\' && body[at + 2] >= 'A' &&
             body[at + 2] <= 'I') {
    at += 4;  // code page switch
    return true;
  } else if (StartsWith(body, at, "\\X0\\")) {
    error = "\\X0\\ without a \\X2\\ or \\X4\\ before it";
    return false;
  } else {
    ++at;  // a lone backslash
  }
  if (out != nullptr) {
    Utf8::Append(*out, point);
  }
  return true;
}

bool Decode(std::string_view body, std::string* out, std::string& error) {
  std::size_t at = 0;
  while (at < body.size()) {
    const char c = body[at];
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      if (!DecodeEscape(body, at, out, error)) {
        return false;
      }
    } else if (c == '\'') {
      if (at + 1 >= body.size() || body[at + 1] != '\'') {
        error = "an apostrophe inside a string must be doubled";
        return false;
      }
      if (out != nullptr) {
        out->push_back('\'');
      }
      at += 2;
    } else if (byte < 0x80) {
      // A run of plain ASCII is copied as it stands, in one append.
      std::size_t end = at + 1;
      while (end < body.size() && static_cast<unsigned char>(body[end]) < 0x80 && body[end] != '\\' &&
             body[end] != '\'') {
        ++end;
      }
      if (out != nullptr) {
        out->append(body.data() + at, end - at);
      }
      at = end;
    } else if (const std::size_t length = Utf8::WellFormedLength(body, at)) {
      if (out != nullptr) {
        out->append(body.substr(at, length));
      }
      at += length;
    } else {
      if (out != nullptr) {
        Utf8::Append(*out, byte);
      }
      ++at;
    }
  }
  return true;
}

}  // namespace

bool CheckStringEscapes(std::string_view body, std::string& error) {
  return Decode(body, nullptr, error);
}

bool DecodeString(std::string_view token, std::string& out, std::string& error) {
  out.clear();
  if (token.size() < 2 || token.front() != '\'' || token.back() != '\'') {
    error = "not a string";
    return false;
  }
  const std::string_view body = token.substr(1, token.size() - 2);
  out.reserve(body.size());
  return Decode(body, &out, error);
}

}  // namespace Ifc
