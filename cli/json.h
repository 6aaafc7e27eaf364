// JSON string literals for vintrel-grep --json.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// `utf8` as a quoted JSON string: quote, backslash and control characters
// escaped, every other byte as it is.
std::string JsonString(std::string_view utf8);

}  // namespace cli
