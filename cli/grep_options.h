// vintrel-grep's command line: what it asks for, or why it is not usable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cli {

enum class Output { kTexts, kCount, kJson };
enum class Encoding { kUtf8, kGbk };

struct GrepOptions {
  uint32_t flags = 0;
  int start = 0;
  Output output = Output::kTexts;
  Encoding encoding = Encoding::kUtf8;
  bool help = false;
  std::string pattern;      // the pattern's bytes, unless patternFile is set
  std::string patternFile;  // -f
  bool hasPatternFile = false;
  std::string file = "-";   // "-": standard input
};

// Fills *options from argv[1..]; false with *error set on a usage error.
bool ParseGrepOptions(const std::vector<std::string>& args, GrepOptions* options, std::string* error);

extern const char kGrepHelp[];

}  // namespace cli
