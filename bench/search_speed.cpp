// Counts the matches of three patterns over a text with Vintrel and with
// PCRE2's 16-bit interpreter and JIT, on the same UTF-16 text, and prints a
// table of the best of a few runs. Every engine collects matches the way
// SearchAll does: each search resumes at the end of the previous match, and
// a match that does not end beyond the previous one ends the count.
//
//   search_speed [TEXT_FILE] [RUNS]
#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "cli/utf8.h"
#include "vintrel/vintrel.h"

namespace {

struct Case {
  const char* name;
  const char16_t* pattern;
  long expected;
};

const Case kCases[] = {
    {"Email", u"[\\w\\.+-]+@[\\w\\.-]+\\.[\\w\\.-]+", 82},
    {"URI", u"[\\w]+://[^/\\s?#]+[^\\s?#]+(?:\\?[^\\s#]*)?(?:#[^\\s]*)?", 4407},
    {"IPv4",
     u"(?:(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9])\\.){3}(?:25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9])",
     16},
};

struct Timed {
  long count = -1;
  double ms = 1e300;
};

// Best time over `runs` calls of `count`.
Timed Best(int runs, const std::function<long()>& count) {
  Timed best;
  for (int r = 0; r < runs; ++r) {
    auto t0 = std::chrono::steady_clock::now();
    long n = count();
    auto t1 = std::chrono::steady_clock::now();
    best.count = n;
    best.ms = std::min(best.ms, std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  return best;
}

long CountVintrel(const Case& c, const std::u16string& text) {
  auto regex = engine::Regex::Create();
  if (!regex->CompileUtf16(c.pattern)) return -1;
  return static_cast<long>(regex->SearchAllUtf16(text).size());
}

long CountPcre2(const Case& c, const std::u16string& text, bool jit) {
  int error;
  PCRE2_SIZE offset;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(c.pattern), PCRE2_ZERO_TERMINATED, 0,
                                   &error, &offset, nullptr);
  if (!code) return -1;
  if (jit && pcre2_jit_compile(code, PCRE2_JIT_COMPLETE) != 0) {
    pcre2_code_free(code);
    return -1;
  }
  pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
  auto subject = reinterpret_cast<PCRE2_SPTR>(text.data());
  long count = 0;
  PCRE2_SIZE start = 0, previousEnd = 0;
  uint32_t options = jit ? 0 : PCRE2_NO_JIT;
  while (pcre2_match(code, subject, text.size(), start, options, data, nullptr) > 0) {
    PCRE2_SIZE end = pcre2_get_ovector_pointer(data)[1];
    if (end <= previousEnd) break;
    ++count;
    previousEnd = start = end;
  }
  pcre2_match_data_free(data);
  pcre2_code_free(code);
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "/work/shared/bench/input-text.txt";
  int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "search_speed: cannot read %s\n", path);
    return 2;
  }
  std::stringstream bytes;
  bytes << in.rdbuf();
  std::u16string text = cli::Utf8ToUtf16(bytes.str());
  std::printf("%s: %zu bytes, %zu UTF-16 code units, best of %d runs\n\n", path, bytes.str().size(),
              text.size(), runs);
  std::printf("| pattern | Vintrel | PCRE2 interpreter | PCRE2 JIT | Vintrel / interpreter |\n");
  std::printf("|---|---:|---:|---:|---:|\n");
  double total[3] = {0, 0, 0};
  bool agree = true;
  for (const Case& c : kCases) {
    Timed results[3] = {
        Best(runs, [&] { return CountVintrel(c, text); }),
        Best(runs, [&] { return CountPcre2(c, text, false); }),
        Best(runs, [&] { return CountPcre2(c, text, true); }),
    };
    for (int e = 0; e < 3; ++e) {
      total[e] += results[e].ms;
      agree = agree && results[e].count == c.expected;
    }
    std::printf("| %s (%ld) | %.1f ms (%ld) | %.1f ms (%ld) | %.1f ms (%ld) | %.2f |\n", c.name, c.expected,
                results[0].ms, results[0].count, results[1].ms, results[1].count, results[2].ms,
                results[2].count, results[0].ms / results[1].ms);
  }
  std::printf("| total | %.1f ms | %.1f ms | %.1f ms | %.2f |\n", total[0], total[1], total[2],
              total[0] / total[1]);
  if (!agree) {
    std::printf("\nCOUNTS DISAGREE with the expected 82, 4407, 16\n");
    return 1;
  }
  return 0;
}
