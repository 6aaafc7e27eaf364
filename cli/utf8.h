// UTF-8 <-> UTF-16 for vintrel-grep's default encoding.
//
// Like the code page conversion, neither direction ever fails or cuts a text
// short: each byte that does not begin a valid UTF-8 sequence becomes one
// U+FFFD, and a lone surrogate (the engine works on code units, so a match
// may split a pair) goes out as U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace cli {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace cli
