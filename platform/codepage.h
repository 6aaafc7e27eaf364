// Conversion between the system's ANSI code page and UTF-16.
//
// The engine's only platform dependency. On Windows the ANSI code page is the
// system's (936, GBK, on the machines we target); the posix build uses iconv's
// CP936 so that both builds convert the same bytes the same way.
//
// Invalid or truncated input never fails the conversion: each byte that does
// not start a valid character becomes one code unit (U+FFFD on posix, what
// MultiByteToWideChar gives on Windows), so a subject is never cut short.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::u16string AnsiToUtf16(std::string_view ansi);
std::string Utf16ToAnsi(std::u16string_view wide);

// The ANSI code page these conversions use (GetACP() on Windows; 936 on posix).
int AnsiCodePage();

}  // namespace platform
