// Peak memory of one SearchAll with many matches: 100,000 matches of a pattern
// with two groups over a subject of 1 MiB (1,048,576 UTF-16 code units).
// Results share one copy of the subject, so the growth should be the subject
// plus a few dozen bytes per match, not matches x subject.
//
//   search_all_memory [MATCHES] [SUBJECT_UNITS]
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "vintrel/vintrel.h"

namespace {

long PeakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  long matches = argc > 1 ? std::atol(argv[1]) : 100000;
  long units = argc > 2 ? std::atol(argv[2]) : 1 << 20;
  if (matches < 1 || units < 2 * matches) {
    std::fprintf(stderr, "search_all_memory: need SUBJECT_UNITS >= 2 x MATCHES >= 2\n");
    return 2;
  }
  // "ab" then filler, spread evenly: exactly `matches` matches of (a)(b).
  std::u16string subject(static_cast<size_t>(units), u'-');
  for (long k = 0; k < matches; ++k) {
    size_t at = static_cast<size_t>(k * (units / matches));
    subject[at] = u'a';
    subject[at + 1] = u'b';
  }
  auto regex = engine::Regex::Create();
  regex->CompileUtf16(u"(a)(b)");
  long before = PeakKiB();
  engine::SearchResults results = regex->SearchAllUtf16(subject);
  long after = PeakKiB();
  long grown = after - before;
  std::printf("matches: %zu (wanted %ld) over %ld code units (%ld KiB as UTF-16)\n", results.size(), matches,
              units, units * 2 / 1024);
  std::printf("peak RSS: %ld KiB before SearchAll, %ld KiB after, growth %ld KiB = %.1f bytes per match\n",
              before, after, grown, grown * 1024.0 / static_cast<double>(results.size()));
  std::printf("one subject copy per result would need %.1f GiB\n",
              static_cast<double>(results.size()) * units * 2 / (1024.0 * 1024 * 1024));
  return static_cast<long>(results.size()) == matches ? 0 : 1;
}
