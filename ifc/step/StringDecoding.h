// The text of an ISO 10303-21 string token, decoded to UTF-8.
//
// '' is an apostrophe and \\ a backslash; \X\hh is a Latin-1 character, \X2\...\X0\ a run of UTF-16
// code units (four hex digits each), \X4\...\X0\ a run of code points (eight hex digits each), \S\c
// the character c + 128 of the code page, \PA\ to \PI\ a code page switch (read as Latin-1, the page
// nearly every file uses). A backslash that begins none of these is itself (file paths written
// carelessly). Bytes above 127 are not allowed by the format but some files carry them: a well-formed
// UTF-8 sequence is kept, any other byte read as Latin-1. A lone surrogate becomes U+FFFD.
//
//   std::string text, error;
//   DecodeString("'W\\X2\\00E4\\X0\\rme'", text, error);   // true, text == "Wärme" in UTF-8
#pragma once

#include <string>
#include <string_view>

namespace Ifc {

// Decodes `token` (with its quotes) into `out`; false with `error` naming the fault when an escape
// is malformed ("\X2\ needs four hex digits a character").
bool DecodeString(std::string_view token, std::string& out, std::string& error);

// Checks the escapes of the string body `body` (between the quotes, '' already allowed) without
// decoding; false with `error` as DecodeString. Used by the lexer on bodies holding a backslash.
bool CheckStringEscapes(std::string_view body, std::string& error);

}  // namespace Ifc
