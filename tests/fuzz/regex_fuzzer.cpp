// Compiles and runs arbitrary patterns on arbitrary subjects through the
// Regex object, reading every position and text of every match.
//
// Input: byte 0 the compile flags (low six bits; bit 6: replace the
// workbench's markers when compiling GBK); byte 1 how the rest is read
// (bit 0: two bytes per code unit, little-endian, else one byte per unit;
// bit 1: through the GBK boundary instead; bits 2-7: the start position);
// byte 2 the pattern's length in units; then the pattern, then the subject.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "vintrel/vintrel.h"

namespace {

std::u16string Units(const uint8_t* data, size_t size, bool wide) {
  std::u16string out;
  if (wide) {
    for (size_t i = 0; i + 1 < size; i += 2) out += static_cast<char16_t>(data[i] | data[i + 1] << 8);
  } else {
    for (size_t i = 0; i < size; ++i) out += static_cast<char16_t>(data[i]);
  }
  return out;
}

void ReadEverything(const engine::SearchResults& results) {
  volatile size_t sink = 0;
  for (const auto& r : results) {
    int count = r->GetGroupCount();
    for (int n = -1; n <= count + 1; ++n) {
      sink = sink + r->GetGroupStart(n) + r->GetGroupEnd(n);
      sink = sink + r->GetGroupTextUtf16(n).size() + r->GetGroupText(n).size();
    }
    sink = sink + r->GetGroupText("a").size() + r->GetGroupText(1.5).size();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  uint32_t flags = data[0] & 0x3F;
  bool substitute = data[0] & 0x40;
  bool wide = data[1] & 1, gbk = data[1] & 2;
  int start = data[1] >> 2;
  size_t unit = wide ? 2 : 1;
  size_t patternBytes = static_cast<size_t>(data[2]) * unit;
  data += 3;
  size -= 3;
  if (patternBytes > size) patternBytes = size;

  auto regex = engine::Regex::Create();
  if (!regex) return 0;
  if (gbk) {
    std::string_view pattern(reinterpret_cast<const char*>(data), patternBytes);
    std::string_view subject(reinterpret_cast<const char*>(data + patternBytes), size - patternBytes);
    if (!regex->Compile(pattern, flags, substitute)) return 0;
    ReadEverything(regex->SearchAll(subject, start));
  } else {
    if (!regex->CompileUtf16(Units(data, patternBytes, wide), flags)) return 0;
    ReadEverything(regex->SearchAllUtf16(Units(data + patternBytes, size - patternBytes, wide), start));
  }
  // Again without a text, from where the last search ended.
  ReadEverything(regex->SearchAll(nullptr, -1));
  return 0;
}
