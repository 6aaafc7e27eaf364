// Conversion between the system's ANSI code page and UTF-16.
//
// The engine's only platform dependency. On Windows the ANSI code page is the
// system's (936, GBK, on the machines we target); the posix build uses iconv's
// CP936 so that both builds convert the same bytes the same way.
//
// Invalid or truncated input never fails the conversion and is never cut
// short; both builds follow Windows: a lead byte 0x81..0xFE takes the next byte
// with it (unless that is a NUL) and an unassigned pair becomes "?" (the
// user-defined areas become private-use characters), a lead byte at the end is
// "?", 0xFF is U+F8F5, and a
// code unit without a GBK character (a lone surrogate, say) becomes "?".
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::u16string AnsiToUtf16(std::string_view ansi);
std::string Utf16ToAnsi(std::u16string_view wide);

// The ANSI code page these conversions use (GetACP() on Windows; 936 on posix).
int AnsiCodePage();

}  // namespace platform
