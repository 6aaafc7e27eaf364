#include "toolkit/win32/text.h"

#include <windows.h>

#include <cstring>

namespace skinkit {

std::wstring Wide(const char* ansi) {
  if (!ansi || !*ansi) return std::wstring();
  int bytes = static_cast<int>(std::strlen(ansi));
  int n = MultiByteToWideChar(CP_ACP, 0, ansi, bytes, nullptr, 0);
  std::wstring out(n, L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi, bytes, &out[0], n);
  return out;
}

std::string Ansi(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  int units = static_cast<int>(wide.size());
  int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), units, &out[0], n, nullptr, nullptr);
  return out;
}

std::wstring FaceOfFontRecord(const void* record) {
  if (!record) return std::wstring();
  wchar_t face[33] = {};
  std::memcpy(face, record, 32 * sizeof(wchar_t));
  return face;
}

}  // namespace skinkit
