#pragma once

// The addresses the manager hands out, kept in one place. Reserved example addresses until real ones exist.
namespace Adressen {

// The maker's web page (homepage button).
inline constexpr char Homepage[] = "https://example.org/werkbund3/";
// The maker's mail address (error report, farewell message).
inline constexpr char Mail[] = "werkbund3@example.org";
// The other maker's web page, named in the warning about an old version of its suite.
inline constexpr char VarlSuiteHomepage[] = "https://varl-suite.example.org/";

} // namespace Adressen
