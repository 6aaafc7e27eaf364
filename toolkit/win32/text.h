// Texts cross the DLL boundary as bytes of the ANSI code page (GBK on the
// target systems); inside, every native control speaks UTF-16.
#pragma once

#include <string>

namespace skinkit {

std::wstring Wide(const char* ansi);
std::string Ansi(const std::wstring& wide);
// An 84-byte font record: the face in its first 32 UTF-16 units; empty when the
// record is absent or holds no face.
std::wstring FaceOfFontRecord(const void* record);

}  // namespace skinkit
