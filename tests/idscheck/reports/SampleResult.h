// A check result filled by hand, the fixture of the report tests: four specifications (failed,
// passed, not applicable, failed with more failures than the console lists) and element names that
// try to break out of JSON strings, HTML markup and the terminal.
#pragma once

#include <string>

#include "idscheck/check/CheckResult.h"

namespace IdsTest {

// The name of the first failing wall: quotes, markup, an escape sequence, a tab, non-ASCII text.
inline const std::string kHostileName =
    "Wall \"A\" <script>alert('x')</script> & \\ \x1b[31mred\t Gr\xC3\xB6\xC3\x9F"
    "e m\xC2\xB2";

Ids::CheckResult SampleResult();

}  // namespace IdsTest
