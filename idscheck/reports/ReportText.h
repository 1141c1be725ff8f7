// How text from the model and the IDS documents goes into each report. It is never trusted: names
// may hold quotes, markup, control characters or broken UTF-8. Valid UTF-8 is kept as it is; each
// byte of a broken sequence becomes U+FFFD (in the console, '?').
//
//   std::string json;
//   Ids::AppendJsonString(json, element.name);        // "Wall \"A\"\n" with its quotes
//   Ids::AppendHtmlText(html, element.name);          // Wall &quot;A&quot;
//   std::fputs(Ids::ConsoleText(element.name).c_str(), stdout);  // Wall "A"\x0A
#pragma once

#include <string>
#include <string_view>

namespace Ids {

// Appends `text` as a JSON string, quotes included: quote, backslash and control characters escaped.
void AppendJsonString(std::string& out, std::string_view text);

// Appends `text` for an HTML or XML element's content or a quoted attribute value: & < > " ' as
// references, control characters other than tab and line ends, U+FFFE and U+FFFF as U+FFFD.
void AppendHtmlText(std::string& out, std::string_view text);

// `text` safe to print on a terminal: control characters (C0, DEL, C1) written as \xNN, so that a
// name cannot move the cursor or change colours.
std::string ConsoleText(std::string_view text);

}  // namespace Ids
