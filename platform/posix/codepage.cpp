// Code page 936 through iconv, the posix twin of MultiByteToWideChar(CP_ACP).
//
// iconv knows the assigned characters; what it rejects is decided here the way
// Windows decides it, so that both builds give the same code units: a byte
// 0x81..0xFE and the byte after it are one character whatever that byte is
// (the user-defined areas become the private-use characters Windows gives
// them, anything else "?"), except that a NUL stays a character of its own; a
// lead byte at the very end is "?", 0xFF is U+F8F5. (Windows also gives a few
// scattered unassigned pairs, such as A2 AB, private-use characters; here they
// are "?".)
#include "platform/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

constexpr char16_t kLoneFF = 0xF8F5;

// The three user-defined areas of code page 936 and their private-use ranges.
struct UserArea {
  unsigned char firstLead, lastLead;
  int trailsPerLead;
  char16_t firstUnit;
};
constexpr UserArea kUserAreas[] = {
    {0xAA, 0xAF, 94, 0xE000},  // trails A1..FE
    {0xF8, 0xFE, 94, 0xE234},  // trails A1..FE
    {0xA1, 0xA7, 96, 0xE4C6},  // trails 40..7E, 80..A0
};

// The index of a trail byte within its area's row, -1 if it has none there.
int TrailIndex(const UserArea& area, unsigned char trail) {
  if (area.trailsPerLead == 94) return trail >= 0xA1 && trail <= 0xFE ? trail - 0xA1 : -1;
  if (trail >= 0x40 && trail <= 0x7E) return trail - 0x40;
  if (trail >= 0x80 && trail <= 0xA0) return trail - 0x41;
  return -1;
}

unsigned char TrailByte(const UserArea& area, int index) {
  if (area.trailsPerLead == 94) return static_cast<unsigned char>(0xA1 + index);
  return static_cast<unsigned char>(index < 0x3F ? 0x40 + index : 0x41 + index);
}

char16_t UserCharacter(unsigned char lead, unsigned char trail) {
  for (const UserArea& area : kUserAreas) {
    int index = TrailIndex(area, trail);
    if (lead >= area.firstLead && lead <= area.lastLead && index >= 0) {
      return static_cast<char16_t>(area.firstUnit + (lead - area.firstLead) * area.trailsPerLead + index);
    }
  }
  return u'?';
}

bool UserBytes(char16_t unit, std::string& out) {
  for (const UserArea& area : kUserAreas) {
    int rows = area.lastLead - area.firstLead + 1;
    int offset = unit - area.firstUnit;
    if (offset >= 0 && offset < rows * area.trailsPerLead) {
      out += static_cast<char>(area.firstLead + offset / area.trailsPerLead);
      out += static_cast<char>(TrailByte(area, offset % area.trailsPerLead));
      return true;
    }
  }
  return false;
}

// One converter per direction and thread, opened at its first use: opening
// one costs more than converting a cell's text, and a match run converts
// every cell. iconv_t is not safe to share between threads.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (Usable()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Handle() const { return cd_; }
  // Drops whatever state an earlier conversion, finished or not, left behind.
  void Reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

 private:
  iconv_t cd_;
};

Converter& ToUtf16() {
  thread_local Converter converter("UTF-16LE", "CP936");
  return converter;
}

Converter& ToAnsi() {
  thread_local Converter converter("CP936", "UTF-16LE");
  return converter;
}

// Runs iconv over the whole input; at each sequence it rejects, `onBad` appends
// the replacement and says how many input units it stands for.
template <typename Out, typename OnBad>
Out Convert(Converter& converter, const char* in, size_t inLeft, OnBad onBad) {
  Out out;
  if (inLeft == 0 || !converter.Usable()) return out;
  iconv_t cd = converter.Handle();
  converter.Reset();
  using Unit = typename Out::value_type;
  std::string buffer(4 * inLeft + 16, '\0');
  char* src = const_cast<char*>(in);
  while (inLeft > 0) {
    char* dst = buffer.data();
    size_t dstLeft = buffer.size();
    size_t rc = iconv(cd, &src, &inLeft, &dst, &dstLeft);
    size_t produced = buffer.size() - dstLeft;
    out.append(reinterpret_cast<const Unit*>(buffer.data()), produced / sizeof(Unit));
    if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
      size_t skip = onBad(src, inLeft, out);
      if (skip > inLeft) skip = inLeft;
      src += skip;
      inLeft -= skip;
      converter.Reset();
    }
  }
  return out;
}

}  // namespace

std::u16string AnsiToUtf16(std::string_view ansi) {
  return Convert<std::u16string>(ToUtf16(), ansi.data(), ansi.size(),
                                 [](const char* at, size_t left, std::u16string& out) -> size_t {
                                   auto lead = static_cast<unsigned char>(at[0]);
                                   if (lead == 0xFF) {
                                     out += kLoneFF;
                                     return 1;
                                   }
                                   if (lead < 0x81 || left < 2 || at[1] == '\0') {
                                     out += u'?';
                                     return 1;
                                   }
                                   out += UserCharacter(lead, static_cast<unsigned char>(at[1]));
                                   return 2;
                                 });
}

std::string Utf16ToAnsi(std::u16string_view wide) {
  return Convert<std::string>(ToAnsi(), reinterpret_cast<const char*>(wide.data()),
                              wide.size() * sizeof(char16_t),
                              [](const char* at, size_t left, std::string& out) -> size_t {
                                char16_t unit = u'?';
                                if (left >= 2) std::memcpy(&unit, at, sizeof unit);
                                if (unit == kLoneFF) {
                                  out += '\xFF';
                                } else if (!UserBytes(unit, out)) {
                                  out += '?';
                                }
                                return sizeof(char16_t);
                              });
}

int AnsiCodePage() { return 936; }

}  // namespace platform
