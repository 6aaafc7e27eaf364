// The shipped Data\Basic.lst and Data\CommonlyUsed.lst: read as the program
// reads them (GBK, CR LF) and checked with the engine.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/flags.h"
#include "platform/codepage.h"
#include "platform/platform.h"
#include "platform/posix/posix_platform.h"
#include "workbench/engine_api.h"
#include "workbench/pattern_lists.h"

namespace {

using workbench::ReadListFileLines;
using workbench::SplitAtSeparator;

class ShippedDataFiles : public ::testing::Test {
 protected:
  // The program folder is the one the Data folder ships in.
  void SetUp() override { platform::posix::SetProgramFolder(VINTREL_DIST_DATA "/.."); }
  void TearDown() override { platform::posix::ResetForTest(); }
};

// The texts of every match of `pattern` in `subject`.
std::vector<std::string> Matches(const std::string& pattern, const std::string& subject, uint32_t flags) {
  std::unique_ptr<engine::Regex> regex = engine::Regex::Create();
  EXPECT_EQ(regex->Compile(pattern, flags), 1) << pattern;
  std::vector<std::string> texts;
  for (const auto& result : regex->SearchAll(subject)) texts.push_back(result->GetMatchText());
  return texts;
}

TEST_F(ShippedDataFiles, AreGbkWithCrLfLinesAndNoLoneLineFeed) {
  for (const char* name : {"Basic.lst", "CommonlyUsed.lst"}) {
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(std::string(VINTREL_DIST_DATA) + "/" + name, bytes)) << name;
    ASSERT_FALSE(bytes.empty()) << name;
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\n') {
        EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " byte " << i;
      }
    }
    // Round trip through the code page: nothing was lost as "?" or U+FFFD.
    std::u16string wide = platform::AnsiToUtf16(bytes);
    EXPECT_EQ(wide.find(u'\uFFFD'), std::u16string::npos) << name;
    EXPECT_EQ(platform::Utf16ToAnsi(wide), bytes) << name;
  }
}

TEST_F(ShippedDataFiles, EverySyntaxLineGivesARowWhosePieceCompilesAndMatchesItsExample) {
  std::vector<std::string> lines = ReadListFileLines("Basic.lst");
  ASSERT_GE(lines.size(), 50u);
  for (const std::string& line : lines) {
    std::vector<std::string> fields = SplitAtSeparator(line, " - ");
    ASSERT_TRUE(fields.size() == 2 || fields.size() == 3) << line;
    EXPECT_FALSE(fields[0].empty()) << line;
    EXPECT_FALSE(fields[1].empty()) << line;
    std::unique_ptr<engine::Regex> regex = engine::Regex::Create();
    EXPECT_EQ(regex->Compile(fields[0], 0), 1) << line;
    if (fields.size() == 3) {
      EXPECT_FALSE(regex->SearchAll(fields[2]).empty()) << fields[0] << " on " << fields[2];
    }
  }
}

TEST_F(ShippedDataFiles, SyntaxListCoversEveryKindOfConstruct) {
  std::set<std::string> pieces;
  for (const std::string& line : ReadListFileLines("Basic.lst")) pieces.insert(SplitAtSeparator(line, " - ")[0]);
  const char* required[] = {
      ".", "\\d", "\\D", "\\w", "\\W", "\\s", "\\S", "[abc]", "[^abc]", "[a-z]", "[[:alpha:]]", "[[:^digit:]]",
      "[:digit:]", "\\t", "\\n", "\\r", "\\x41", "\\u4e2d", "\\x{4e2d}", "^abc", "abc$", "\\Aabc", "abc\\z",
      "abc\\Z", "\\bcat\\b", "\\Bat", "\\Gab", "a*", "a+", "a?", "a{3}", "a{2,}", "a{2,4}", "<.*?>", "a+?", "colou??r",
      "a{2,4}?", "a*+", "a++", "a?+", "a{2,4}+", "cat|dog", "(abc)", "(?:abc)", "(?<year>\\d{4})",
      "(?'year'\\d{4})", "(?P<year>\\d{4})", "(?P'year'\\d{4})", "(a)\\1", "(?<x>a)\\k<x>", "(?<x>a)\\k'x'",
      "(?<x>a)\\g<x>", "(?<x>a)\\g'x'", "a(?=b)", "a(?!b)", "(?<=a)b", "(?<!a)b", "(?>a+)b", "(a)?(?(1)b|c)",
      "(?(?=\\d)\\d{3}|[a-z]+)", "\\((?:[^()]|(?R))*\\)", "<(?:[^<>]|(?0))*>", "(?i)abc", "(?i:abc)", "\\Qa.b*\\E", "\\LABC\\E",
      "\\Uabc\\E", "a(?#注释)b"};
  for (const char* piece : required) EXPECT_TRUE(pieces.count(piece)) << piece;
}

// Pieces whose example only shows what they do when the match text is exact.
TEST(SyntaxExamples, MatchExactlyWhatTheDescriptionSays) {
  struct Case {
    const char* pattern;
    const char* subject;
    std::vector<std::string> matches;
  };
  const Case cases[] = {
      {"<.*?>", "<a><b>", {"<a>", "<b>"}},
      {"colou??r", "color colour", {"color", "colour"}},
      {"a+?", "aaa", {"a", "a", "a"}},
      {"a{2,4}?", "aaaa", {"aa", "aa"}},
      {"a{2,4}+", "aaaaa", {"aaaa"}},
      {"(?>a+)b", "aab", {"aab"}},
      {"\\LABC\\E", "abc ABC", {"abc"}},
      {"\\Uabc\\E", "abc ABC", {"ABC"}},
      {"\\Qa.b*\\E", "a.b* axbb", {"a.b*"}},
      {"(?<q>\")?\\w+(?(q)\")", "\"abc\" def", {"\"abc\"", "def"}},
      {"\\((?:[^()]|(?R))*\\)", "x(a(b)c)y", {"(a(b)c)"}},
      {"(\\[(?:[^\\[\\]]|(?1))*\\])", "[a[b]]", {"[a[b]]"}},
      {"(?<p>\\{(?:[^{}]|(?R<p>))*\\})", "{a{b}}", {"{a{b}}"}},
      {"<(?:[^<>]|(?0))*>", "x<a<b>>y", {"<a<b>>"}},
      {"(?<p><(?:[^<>]|(?R'p'))*>)", "<a<b>><c>", {"<a<b>>", "<c>"}},
      {"[\\x{4e00}-\\x{9fa5}]", "a汉b", {"汉"}},
      {"[^\\x00-\\xff]", "a中b", {"中"}},
      {"(?i-s:a.c)", "ABC A\nC", {"ABC"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Matches(c.pattern, c.subject, 0), c.matches) << c.pattern;
}

struct CommonCase {
  std::vector<std::string> mustMatch;     // each sample is found whole
  std::vector<std::string> mustNotMatch;  // nothing is found in the sample
};

const std::map<std::string, CommonCase>& CommonCases() {
  static const std::map<std::string, CommonCase> cases = {
      {"数字", {{"42", "0"}, {"abc", ""}}},
      {"整数", {{"-17", "2024"}, {"abc"}}},
      {"正整数", {{"1", "907"}, {"0", "abc"}}},
      {"小数", {{"3.14", "-0.5"}, {"3.", ".5", "42"}}},
      {"金额（千分位）", {{"1,234,567.89", "12", "999.5"}, {"1,23", "12.345"}}},
      {"英文单词", {{"hello", "World"}, {"123", "中文"}}},
      {"汉字", {{"中文", "正则表达式"}, {"abc", "１２３", "。"}}},
      {"双字节字符", {{"中文", "。，"}, {"abc 123"}}},
      {"全角字符", {{"ＡＢＣ", "１２３"}, {"ABC", "中文"}}},
      {"电子邮箱", {{"user@example.com", "first.last+tag@mail.example.co.uk"}, {"user@", "@example.com", "user@example"}}},
      {"网址（URL）",
       {{"http://example.com", "https://www.example.com:8080/path/to/page.html?q=1&r=2#top"},
        {"ftp://example.com", "http://", "example.com"}}},
      {"域名", {{"example.com", "www.sub-domain.example.org"}, {"localhost", "-bad-.com."}}},
      {"IPv4地址", {{"192.168.1.1", "255.255.255.255", "0.0.0.0"}, {"256.1.1.1", "1.2.3", "192.168.1.300"}}},
      {"MAC地址", {{"00:1A:2b:3C:4d:5E", "00-1A-2B-3C-4D-5E"}, {"00:1A:2B:3C:4D", "00:1G:2B:3C:4D:5E"}}},
      {"手机号码", {{"13812345678", "19900001111"}, {"12345678901", "1381234567", "138123456789"}}},
      {"固定电话", {{"010-12345678", "0755-1234567", "02112345678"}, {"010-0123456", "12345678"}}},
      {"QQ号码", {{"10001", "123456789"}, {"1234", "012345", "123456789012"}}},
      {"邮政编码", {{"100080", "518000"}, {"012345", "10008", "1000800"}}},
      {"身份证号（18位）",
       {{"11010519491231002X", "440305199001011234"}, {"11010519491331002X", "1101051949123100", "110105194912310021X"}}},
      {"车牌号", {{"京A12345", "粤B1234D", "沪AD12345"}, {"京I12345", "A12345", "京A1234"}}},
      {"日期（年-月-日）", {{"2024-01-31", "1999-2-3"}, {"2024-13-01", "2024-12-32", "24-01-01"}}},
      {"日期（中文）", {{"2024年1月31日", "1999年12月1日"}, {"24年1月1日", "2024年1月"}}},
      {"时间（时:分:秒）", {{"23:59:59", "7:05", "00:00"}, {"24:00", "12:60", "123:45"}}},
      {"日期时间（ISO）", {{"2024-01-31T08:30:00", "2024-01-31 08:30:00"}, {"2024-01-31", "2024/01/31 08:30:00"}}},
      {"十六进制颜色", {{"#fff", "#1A2B3C"}, {"#ffff", "#12345G", "fff"}}},
      {"UUID", {{"123e4567-e89b-12d3-a456-426614174000"}, {"123e4567-e89b-12d3-a456-42661417400", "not-a-uuid"}}},
      {"用户名（字母开头5-16位）", {{"alice", "Bob_2024"}, {"1alice", "abcd", "abcdefghijklmnopq"}}},
      {"强密码（含大小写字母和数字）", {{"Passw0rd", "Abcdefg1"}, {"password", "Pass0rd", "PASSWORD1", "abcdefg1"}}},
      {"HTML标签", {{"<div>", "</p>", "<br/>", "<a href=\"x.html\">"}, {"< div>", "<1a>", "a > b"}}},
      {"成对的HTML标签", {{"<b>bold</b>", "<div class=\"x\">a\r\nb</div>"}, {"<b>bold</i>", "<b>bold"}}},
      {"HTML注释", {{"<!-- note -->", "<!--a\r\nb-->"}, {"<!- note ->", "<!-- open"}}},
      {"双引号中的文字", {{"\"hello\"", "\"\""}, {"\"open", "'single'"}}},
      {"中文引号中的文字", {{"“你好”", "“”"}, {"“开放", "\"hello\""}}},
      {"Windows路径", {{"C:\\Windows\\System32\\cmd.exe", "D:\\", "e:\\数据\\a.txt"}, {"C:/Windows", "\\\\server"}}},
      {"重复的单词", {{"the the", "is  is"}, {"the then", "a b"}}},
      {"行尾空白", {{"  "}, {"abc", "a b"}}},
      {"首尾空白", {{" "}, {"abc", "a b c"}}},
  };
  return cases;
}

std::map<std::string, std::string> ShippedCommonPatterns() {
  std::map<std::string, std::string> patterns;
  for (const std::string& line : ReadListFileLines("CommonlyUsed.lst")) {
    std::vector<std::string> fields = SplitAtSeparator(line, "：", 2);
    EXPECT_EQ(fields.size(), 2u) << line;
    if (fields.size() == 2) {
      EXPECT_TRUE(patterns.emplace(fields[0], fields[1]).second) << "twice: " << fields[0];
    }
  }
  return patterns;
}

TEST_F(ShippedDataFiles, EveryCommonPatternHasSamplesAndEverySampleHasAPattern) {
  std::map<std::string, std::string> patterns = ShippedCommonPatterns();
  EXPECT_GE(patterns.size(), 25u);
  for (const auto& [name, pattern] : patterns) EXPECT_TRUE(CommonCases().count(name)) << "no samples: " << name;
  for (const auto& [name, samples] : CommonCases()) EXPECT_TRUE(patterns.count(name)) << "not shipped: " << name;
}

TEST_F(ShippedDataFiles, CommonPatternsFindTheirSamplesWholeAndNothingInTheOthers) {
  for (const auto& [name, pattern] : ShippedCommonPatterns()) {
    auto it = CommonCases().find(name);
    if (it == CommonCases().end()) continue;
    for (const std::string& sample : it->second.mustMatch) {
      std::vector<std::string> found = Matches(pattern, sample, 0);
      ASSERT_FALSE(found.empty()) << name << " finds nothing in " << sample;
      EXPECT_EQ(found[0], sample) << name;
      // The workbench compiles without case unless "区分大小写" is on.
      EXPECT_FALSE(Matches(pattern, sample, engine::IGNORE_CASE).empty()) << name << " (no case) on " << sample;
    }
    for (const std::string& sample : it->second.mustNotMatch) {
      for (uint32_t flags : {0u, engine::IGNORE_CASE}) {
        EXPECT_EQ(Matches(pattern, sample, flags), std::vector<std::string>{}) << name << " on " << sample
                                                                               << " flags " << flags;
      }
    }
  }
}

TEST_F(ShippedDataFiles, CommonPatternsFindTheirSamplesInsideChineseText) {
  const std::map<std::string, std::string> samples = {
      {"手机号码", "13812345678"}, {"电子邮箱", "user@example.com"}, {"IPv4地址", "10.0.0.1"},
      {"身份证号（18位）", "440305199001011234"}, {"日期（年-月-日）", "2024-01-31"}};
  std::map<std::string, std::string> patterns = ShippedCommonPatterns();
  for (const auto& [name, sample] : samples) {
    ASSERT_TRUE(patterns.count(name)) << name;
    EXPECT_EQ(Matches(patterns[name], "联系方式：" + sample + "，谢谢", 0), std::vector<std::string>{sample}) << name;
  }
}

}  // namespace
