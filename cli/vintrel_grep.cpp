// vintrel-grep: the engine on the command line. Its one entry point is main;
// see kGrepHelp (grep_options.cpp) for what it does.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/grep_options.h"
#include "cli/json.h"
#include "cli/utf8.h"
#include "platform/codepage.h"
#include "vintrel/vintrel.h"

namespace {

constexpr int kMatched = 0;
constexpr int kNoMatch = 1;
constexpr int kTrouble = 2;

int Fail(const std::string& message) {
  std::fprintf(stderr, "vintrel-grep: %s\n", message.c_str());
  return kTrouble;
}

// The whole of a file ("-": standard input), byte for byte.
bool ReadAll(const std::string& path, std::string* content, std::string* error) {
  bool isStdin = path == "-";
  FILE* file = isStdin ? stdin : std::fopen(path.c_str(), "rb");
  if (!file) {
    *error = std::strerror(errno);
    return false;
  }
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content->append(buffer, got);
  bool failed = std::ferror(file) != 0;
  if (failed) *error = std::strerror(errno);
  if (!isStdin) std::fclose(file);
  return !failed;
}

// A group's text as UTF-8, whichever encoding the input came in.
std::string TextUtf8(const engine::SearchResult& match, int group, cli::Encoding encoding) {
  if (encoding == cli::Encoding::kGbk)
    return cli::Utf16ToUtf8(platform::AnsiToUtf16(match.GetGroupText(group)));
  return cli::Utf16ToUtf8(match.GetGroupTextUtf16(group));
}

std::string JsonLine(const engine::SearchResult& match, cli::Encoding encoding) {
  std::string line = "{\"start\":" + std::to_string(match.GetMatchStart()) +
                     ",\"end\":" + std::to_string(match.GetMatchEnd()) +
                     ",\"text\":" + cli::JsonString(TextUtf8(match, 0, encoding)) + ",\"groups\":[";
  for (int n = 1; n <= match.GetGroupCount(); ++n) {
    if (n > 1) line += ',';
    line += "{\"start\":" + std::to_string(match.GetGroupStart(n)) +
            ",\"end\":" + std::to_string(match.GetGroupEnd(n)) +
            ",\"text\":" + cli::JsonString(TextUtf8(match, n, encoding)) + "}";
  }
  return line + "]}\n";
}

void Print(const engine::SearchResults& matches, const cli::GrepOptions& options) {
  if (options.output == cli::Output::kCount) {
    std::printf("%zu\n", matches.size());
    return;
  }
  std::string out;
  for (const auto& match : matches) {
    if (options.output == cli::Output::kJson) {
      out += JsonLine(*match, options.encoding);
    } else {
      out += options.encoding == cli::Encoding::kGbk ? match->GetMatchText()
                                                     : cli::Utf16ToUtf8(match->GetGroupTextUtf16(0));
      out += '\n';
    }
    if (out.size() >= 65536) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
}

int Run(const cli::GrepOptions& options) {
  std::string pattern = options.pattern, subject, error;
  if (options.hasPatternFile && !ReadAll(options.patternFile, &pattern, &error))
    return Fail("cannot read pattern file " + options.patternFile + ": " + error);
  if (pattern.empty()) return Fail("empty pattern");
  if (!ReadAll(options.file, &subject, &error))
    return Fail("cannot read " + (options.file == "-" ? std::string("standard input") : options.file) +
                ": " + error);

  auto regex = engine::Regex::Create();
  if (!regex) return Fail("out of memory");
  bool gbk = options.encoding == cli::Encoding::kGbk;
  int compiled = gbk ? regex->Compile(std::string_view(pattern), options.flags)
                     : regex->CompileUtf16(cli::Utf8ToUtf16(pattern), options.flags);
  if (!compiled) return Fail("the pattern cannot be compiled (nested too deeply or out of memory)");
  engine::SearchResults matches = gbk ? regex->SearchAll(std::string_view(subject), options.start)
                                      : regex->SearchAllUtf16(cli::Utf8ToUtf16(subject), options.start);
  Print(matches, options);
  std::fflush(stdout);
  if (regex->Aborted())
    return Fail("the matcher aborted a search (pattern too deep for its stack); " +
                std::to_string(matches.size()) + " matches found before it");
  return matches.empty() ? kNoMatch : kMatched;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  cli::GrepOptions options;
  std::string error;
  if (!cli::ParseGrepOptions(args, &options, &error))
    return Fail(error + " (see vintrel-grep --help)");
  if (options.help) {
    std::fputs(cli::kGrepHelp, stdout);
    return kMatched;
  }
  return Run(options);
}
