// vintrel-grep as users run it: arguments and standard input in, standard
// output, standard error and the exit status out.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
  int status = -1;
  std::string out, err;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class TempDir {
 public:
  TempDir() {
    char name[] = "/tmp/vintrel-grep-test-XXXXXX";
    path_ = mkdtemp(name);
  }
  ~TempDir() { std::system(("rm -rf '" + path_ + "'").c_str()); }
  std::string Write(const std::string& name, const std::string& content) const {
    std::string path = path_ + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Runs the program with `args`, `input` on standard input.
Outcome Grep(const std::vector<std::string>& args, const std::string& input = "") {
  TempDir dir;
  std::string in = dir.Write("stdin", input), out = dir.path() + "/stdout", err = dir.path() + "/stderr";
  pid_t pid = fork();
  if (pid == 0) {
    int fdIn = open(in.c_str(), O_RDONLY);
    int fdOut = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int fdErr = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fdIn, 0);
    dup2(fdOut, 1);
    dup2(fdErr, 2);
    std::vector<char*> argv{const_cast<char*>(VINTREL_GREP_PATH)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(VINTREL_GREP_PATH, argv.data());
    _exit(127);
  }
  Outcome o;
  int status = 0;
  waitpid(pid, &status, 0);
  o.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  o.out = ReadFile(out);
  o.err = ReadFile(err);
  return o;
}

struct GrepCase {
  const char* what;
  std::vector<std::string> args;
  std::string input;
  int status;
  std::string out;
};

void PrintTo(const GrepCase& c, std::ostream* os) { *os << c.what; }

class GrepOutput : public ::testing::TestWithParam<GrepCase> {};

TEST_P(GrepOutput, StatusAndStdout) {
  const GrepCase& c = GetParam();
  Outcome o = Grep(c.args, c.input);
  EXPECT_EQ(o.status, c.status);
  EXPECT_EQ(o.out, c.out);
  EXPECT_EQ(o.err, "");
}

const char kJsonTwoGroups[] =
    "{\"start\":0,\"end\":1,\"text\":\"a\",\"groups\":[{\"start\":0,\"end\":1,\"text\":\"a\"},"
    "{\"start\":-1,\"end\":-1,\"text\":\"\"}]}\n";

INSTANTIATE_TEST_SUITE_P(
    Grep, GrepOutput,
    ::testing::Values(
        GrepCase{"texts", {"a+"}, "caab\naa", 0, "aa\naa\n"},
        GrepCase{"nothing", {"z"}, "abc", 1, ""},
        GrepCase{"empty first match ends the collection", {"x*"}, "abc", 1, ""},
        GrepCase{"empty match further on", {"(?=b)"}, "ab", 0, "\n"},
        GrepCase{"count", {"--count", "\\d+"}, "1 22 333", 0, "3\n"},
        GrepCase{"count of nothing", {"--count", "z"}, "abc", 1, "0\n"},
        GrepCase{"case", {"-i", "ab"}, "AB ab", 0, "AB\nab\n"},
        GrepCase{"combined letters", {"-im", "^b"}, "a\nB", 0, "B\n"},
        GrepCase{"dot stops at LF", {"a.b"}, "a\nb", 1, ""},
        GrepCase{"dot all", {"-s", "a.b"}, "a\nb", 0, "a\nb\n"},
        GrepCase{"extended", {"-x", "a b # comment"}, "ab", 0, "ab\n"},
        GrepCase{"start", {"--start", "2", "a"}, "abab", 0, "a\n"},
        GrepCase{"negative start continues at 0", {"--start", "-1", "--count", "a"}, "aba", 0, "2\n"},
        GrepCase{"start=", {"--start=3", "--count", "a"}, "abab", 1, "0\n"},
        GrepCase{"search start anchor", {"-g", "--start", "1", "--count", "\\Gb"}, "ab b", 0, "1\n"},
        GrepCase{"no anchor without -g", {"--start", "1", "--count", "\\Gb"}, "ab b", 0, "2\n"},
        GrepCase{"right to left",
                 {"-r", "--start", "3", "--json", "a"},
                 "aaa",
                 0,
                 "{\"start\":2,\"end\":3,\"text\":\"a\",\"groups\":[]}\n"},
        GrepCase{"json groups", {"--json", "(a)(x)?"}, "a", 0, kJsonTwoGroups},
        GrepCase{"json escapes",
                 {"--json", "\".\"\\t"},
                 "say \"\\\"\t",
                 0,
                 "{\"start\":4,\"end\":8,\"text\":\"\\\"\\\\\\\"\\t\",\"groups\":[]}\n"},
        GrepCase{"json positions are UTF-16 units",
                 {"--json", "b"},
                 "\xE4\xB8\xAD\xF0\x9F\x98\x80" "b",
                 0,
                 "{\"start\":3,\"end\":4,\"text\":\"b\",\"groups\":[]}\n"},
        GrepCase{"invalid UTF-8 is one unit per byte",
                 {"--json", "a"},
                 "\xFF" "a",
                 0,
                 "{\"start\":1,\"end\":2,\"text\":\"a\",\"groups\":[]}\n"},
        GrepCase{"utf-8 texts", {"\\S+"}, "\xE4\xB8\xAD\xE6\x96\x87 x", 0, "\xE4\xB8\xAD\xE6\x96\x87\nx\n"},
        GrepCase{"-- ends the options", {"--", "-x"}, "a-x", 0, "-x\n"},
        GrepCase{"- is standard input", {"b", "-"}, "abc", 0, "b\n"},
        GrepCase{"gbk texts stay gbk",
                 {"--encoding", "gbk", "\xD6\xD0+"},
                 "a\xD6\xD0\xD6\xD0" "b",
                 0,
                 "\xD6\xD0\xD6\xD0\n"},
        GrepCase{"gbk json is utf-8 with unit positions",
                 {"--encoding=gbk", "--json", "(a)"},
                 "\xD6\xD0" "a",
                 0,
                 "{\"start\":1,\"end\":2,\"text\":\"a\",\"groups\":[{\"start\":1,\"end\":2,\"text\":\"a\"}]}\n"},
        GrepCase{"gbk trail byte is not ASCII", {"--encoding", "gbk", "--count", "a"}, "\x81\x61", 1, "0\n"},
        GrepCase{"gbk json text converted",
                 {"--encoding", "gbk", "--json", "."},
                 "\xD6\xD0",
                 0,
                 "{\"start\":0,\"end\":1,\"text\":\"\xE4\xB8\xAD\",\"groups\":[]}\n"}));

TEST(Grep, ReadsTheSubjectFromAFile) {
  TempDir dir;
  std::string file = dir.Write("subject.txt", "one two\r\nthree");
  Outcome o = Grep({"--count", "\\w+", file}, "ignored stdin");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "3\n");
}

// The pattern file's whole content is the pattern, trailing LF included.
TEST(Grep, PatternFileIsTakenByteForByte) {
  TempDir dir;
  std::string withLf = dir.Write("p1", "a\n"), without = dir.Write("p2", "a");
  EXPECT_EQ(Grep({"--count", "-f", withLf}, "a\nab").out, "1\n");
  EXPECT_EQ(Grep({"--count", "-f", without}, "a\nab").out, "2\n");
  EXPECT_EQ(Grep({"--count", "-if" + without}, "A").out, "1\n");
  std::string gbk = dir.Write("p3", "\xD6\xD0");
  EXPECT_EQ(Grep({"--encoding", "gbk", "-f", gbk, "--count"}, "\xD6\xD0\xD6\xD0").out, "2\n");
}

struct TroubleCase {
  const char* what;
  std::vector<std::string> args;
  const char* mentions;  // what the one line on standard error must name
};

void PrintTo(const TroubleCase& c, std::ostream* os) { *os << c.what; }

class GrepTrouble : public ::testing::TestWithParam<TroubleCase> {};

TEST_P(GrepTrouble, ExitTwoWithOneLineOnStderr) {
  const TroubleCase& c = GetParam();
  Outcome o = Grep(c.args, "abc");
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out, "");
  ASSERT_FALSE(o.err.empty());
  EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << o.err;
  EXPECT_NE(o.err.find(c.mentions), std::string::npos) << o.err;
}

INSTANTIATE_TEST_SUITE_P(
    Grep, GrepTrouble,
    ::testing::Values(TroubleCase{"no arguments", {}, "no pattern"},
                      TroubleCase{"empty pattern", {""}, "empty pattern"},
                      TroubleCase{"empty pattern file", {"-f", "/dev/null"}, "empty pattern"},
                      TroubleCase{"missing pattern file", {"-f", "/nonexistent/p"}, "/nonexistent/p"},
                      TroubleCase{"-f without a file", {"-f"}, "-f"},
                      TroubleCase{"missing subject", {"a", "/nonexistent/s"}, "/nonexistent/s"},
                      TroubleCase{"a folder as subject", {"a", "/"}, "cannot read /"},
                      TroubleCase{"unknown letter", {"-q", "a"}, "-q"},
                      TroubleCase{"unknown long option", {"--color", "a"}, "--color"},
                      TroubleCase{"start not a number", {"--start", "x", "a"}, "--start"},
                      TroubleCase{"start beyond int", {"--start", "99999999999", "a"}, "--start"},
                      TroubleCase{"start without value", {"a", "--start"}, "--start"},
                      TroubleCase{"unknown encoding", {"--encoding", "latin1", "a"}, "latin1"},
                      TroubleCase{"two files", {"a", "f1", "f2"}, "f2"},
                      TroubleCase{"count and json", {"--count", "--json", "a"}, "--json"}));

// A search the matcher gives up on is trouble, not "no match".
TEST(Grep, AbortedSearchExitsTwoAfterTheMatchesFound) {
  TempDir dir;
  std::string pattern = dir.Write("deep", std::string(1500, '(') + "a(?R)?" + std::string(1500, ')'));
  Outcome o = Grep({"--count", "-f", pattern}, "xa " + std::string(200, 'a'));
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.out, "1\n");
  EXPECT_NE(o.err.find("aborted"), std::string::npos) << o.err;
}

TEST(Grep, HelpDescribesEveryOption) {
  Outcome o = Grep({"--help"});
  EXPECT_EQ(o.status, 0);
  for (const char* option : {"-i", "-s", "-m", "-g", "-r", "-x", "-f PATTERN_FILE", "--start N",
                             "--encoding", "gbk", "--count", "--json", "--", "Exit status"})
    EXPECT_NE(o.out.find(option), std::string::npos) << option;
}

}  // namespace
