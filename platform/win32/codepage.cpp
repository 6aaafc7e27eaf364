// The system's ANSI code page (936 on the machines we target) through
// MultiByteToWideChar and WideCharToMultiByte.
#include "platform/codepage.h"

#include "platform/win32/windows_api.h"

namespace platform {

std::u16string AnsiToUtf16(std::string_view ansi) {
  if (ansi.empty()) return {};
  int size = static_cast<int>(ansi.size());
  int units = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
  if (units <= 0) return {};
  std::u16string wide(static_cast<size_t>(units), u'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, reinterpret_cast<wchar_t*>(wide.data()), units);
  return wide;
}

std::string Utf16ToAnsi(std::u16string_view wide) {
  if (wide.empty()) return {};
  const wchar_t* units = reinterpret_cast<const wchar_t*>(wide.data());
  int size = static_cast<int>(wide.size());
  int bytes = WideCharToMultiByte(CP_ACP, 0, units, size, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string ansi(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, units, size, ansi.data(), bytes, nullptr, nullptr);
  return ansi;
}

int AnsiCodePage() { return static_cast<int>(GetACP()); }

}  // namespace platform
