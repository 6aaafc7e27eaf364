// Code page 936 through iconv, the posix twin of MultiByteToWideChar(CP_ACP).
#include "platform/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

// Converts with iconv; a byte sequence that does not convert becomes `bad`
// (one unit of output per bad input byte) so no text is ever cut short.
template <typename Out>
Out Convert(const char* to, const char* from, const char* in, size_t inLeft, size_t inUnit,
            const Out& bad) {
  Out out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;
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
      out += bad;
      size_t skip = inLeft < inUnit ? inLeft : inUnit;
      src += skip;
      inLeft -= skip;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::u16string AnsiToUtf16(std::string_view ansi) {
  return Convert<std::u16string>("UTF-16LE", "CP936", ansi.data(), ansi.size(), 1, u"\uFFFD");
}

std::string Utf16ToAnsi(std::u16string_view wide) {
  return Convert<std::string>("CP936", "UTF-16LE", reinterpret_cast<const char*>(wide.data()),
                              wide.size() * sizeof(char16_t), sizeof(char16_t), "?");
}

int AnsiCodePage() { return 936; }

}  // namespace platform
