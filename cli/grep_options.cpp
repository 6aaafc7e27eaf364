#include "cli/grep_options.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "engine/flags.h"

namespace cli {
namespace {

bool ParseInt(const std::string& text, int* value) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < INT_MIN || v > INT_MAX) return false;
  *value = static_cast<int>(v);
  return true;
}

uint32_t FlagOfLetter(char c) {
  switch (c) {
    case 'i': return engine::IGNORE_CASE;
    case 's': return engine::DOT_ALL;
    case 'm': return engine::LINE_ANCHORS;
    case 'g': return engine::GLOBAL;
    case 'r': return engine::RIGHT_TO_LEFT;
    case 'x': return engine::EXTENDED;
    default: return 0;
  }
}

// "--name=value" or "--name value"; advances *i past what it used.
bool LongValue(const std::vector<std::string>& args, size_t* i, const std::string& name,
               std::string* value, bool* matched, std::string* error) {
  const std::string& arg = args[*i];
  *matched = false;
  if (arg == name) {
    *matched = true;
    if (*i + 1 >= args.size()) {
      *error = name + " needs a value";
      return false;
    }
    *value = args[++*i];
    return true;
  }
  if (arg.compare(0, name.size() + 1, name + "=") == 0) {
    *matched = true;
    *value = arg.substr(name.size() + 1);
  }
  return true;
}

}  // namespace

bool ParseGrepOptions(const std::vector<std::string>& args, GrepOptions* options, std::string* error) {
  std::vector<std::string> positional;
  bool count = false, json = false;
  size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      ++i;
      break;
    }
    if (arg.size() < 2 || arg[0] != '-') {
      positional.push_back(arg);
      continue;
    }
    if (arg[1] == '-') {
      std::string value;
      bool matched;
      if (arg == "--help") {
        options->help = true;
      } else if (arg == "--count") {
        count = true;
      } else if (arg == "--json") {
        json = true;
      } else if (!LongValue(args, &i, "--start", &value, &matched, error)) {
        return false;
      } else if (matched) {
        if (!ParseInt(value, &options->start)) {
          *error = "--start needs an integer, not \"" + value + "\"";
          return false;
        }
      } else if (!LongValue(args, &i, "--encoding", &value, &matched, error)) {
        return false;
      } else if (matched) {
        if (value == "utf-8" || value == "utf8" || value == "UTF-8") {
          options->encoding = Encoding::kUtf8;
        } else if (value == "gbk" || value == "GBK" || value == "cp936") {
          options->encoding = Encoding::kGbk;
        } else {
          *error = "unknown encoding \"" + value + "\" (utf-8 or gbk)";
          return false;
        }
      } else {
        *error = "unknown option " + arg;
        return false;
      }
      continue;
    }
    // A cluster of one-letter options; "f" takes the rest or the next argument.
    for (size_t k = 1; k < arg.size(); ++k) {
      char c = arg[k];
      if (c == 'f') {
        if (k + 1 < arg.size()) {
          options->patternFile = arg.substr(k + 1);
        } else if (i + 1 < args.size()) {
          options->patternFile = args[++i];
        } else {
          *error = "-f needs a pattern file";
          return false;
        }
        options->hasPatternFile = true;
        break;
      }
      uint32_t flag = FlagOfLetter(c);
      if (flag == 0) {
        *error = std::string("unknown option -") + c;
        return false;
      }
      options->flags |= flag;
    }
  }
  for (; i < args.size(); ++i) positional.push_back(args[i]);
  if (options->help) return true;
  if (count && json) {
    *error = "--count and --json exclude each other";
    return false;
  }
  options->output = count ? Output::kCount : json ? Output::kJson : Output::kTexts;
  size_t next = 0;
  if (!options->hasPatternFile) {
    if (positional.empty()) {
      *error = "no pattern given";
      return false;
    }
    options->pattern = positional[next++];
  }
  if (next < positional.size()) options->file = positional[next++];
  if (next < positional.size()) {
    *error = "unexpected argument \"" + positional[next] + "\" (one FILE at most)";
    return false;
  }
  return true;
}

const char kGrepHelp[] =
    "Usage: vintrel-grep [OPTIONS] PATTERN [FILE]\n"
    "       vintrel-grep [OPTIONS] -f PATTERN_FILE [FILE]\n"
    "Searches the whole of FILE (standard input when FILE is absent or \"-\") as one\n"
    "subject with Vintrel's regex engine and prints every match. Each search resumes\n"
    "where the previous match ended; the matches end at the first one that does not\n"
    "end beyond the previous one (such as an empty match at the same place).\n"
    "\n"
    "Options (one-letter options combine, as in -im):\n"
    "  -i               ignore case (ASCII letters only)\n"
    "  -s               \".\" also matches LF\n"
    "  -m               \"^\" and \"$\" match at every line\n"
    "  -g               \"\\G\" anchors at the search start\n"
    "  -r               match right to left, searching from the start towards 0\n"
    "  -x               extended: blanks and \"#\" comments in the pattern are skipped\n"
    "  -f PATTERN_FILE  the pattern is the file's whole content, byte for byte\n"
    "  --start N        start position of the first search, in UTF-16 code units\n"
    "                   (default 0)\n"
    "  --encoding E     utf-8 (default): pattern and subject are UTF-8;\n"
    "                   gbk: they are GBK (code page 936) bytes\n"
    "  --count          print only the number of matches\n"
    "  --json           print one JSON object per match and line:\n"
    "                   {\"start\":S,\"end\":E,\"text\":\"...\",\"groups\":[{\"start\":s,\n"
    "                   \"end\":e,\"text\":\"...\"},...]} with positions in UTF-16 code\n"
    "                   units, groups 1 to the group count, -1, -1 and \"\" for a group\n"
    "                   that took no part; texts as UTF-8\n"
    "  --help           print this text\n"
    "  --               end of the options\n"
    "\n"
    "Without --count or --json each match's text is printed on a line of its own\n"
    "(in the input's encoding).\n"
    "\n"
    "Exit status: 0 when something matched, 1 when nothing did, 2 for a usage error,\n"
    "an unreadable file, an empty pattern, a pattern that cannot be compiled or a\n"
    "search the matcher had to abort (the matches found before it are printed).\n";

}  // namespace cli
