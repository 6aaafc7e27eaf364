// Regex and SearchResult: the two objects through which programs use the engine.
//
// A Regex holds one compiled pattern, its flags and the subject of its last
// search. SearchAll collects every match as a SearchResult, each search
// resuming where the previous match ended. Texts cross this boundary in two
// forms: narrow ANSI text (code page 936, GBK), converted to UTF-16 on the way
// in and back on the way out, and UTF-16 directly for callers that already
// hold it. Every position is a UTF-16 code unit index into the converted
// subject; -1 stands for "no match", "took no part" and "no such group".
//
// Sharing: a result does not copy the subject. All results made from the same
// pattern, flags and subject share one immutable SearchSource (pattern,
// subject, flags, and a compiled pattern made on the first lookup by name), so
// a search with M matches holds one subject plus M x groups ints. A result's
// texts stay valid after its Regex searches again, is compiled again or is
// destroyed, because the source it holds never changes.
//
// Aborted searches: when the matcher gives up on a search (its native-stack
// guard trips on very deep patterns), that search counts as "no match" and
// SearchAll returns the matches collected before it; Aborted() tells whether
// the last SearchAll ended that way.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace engine {

class CompiledPattern;
class SearchResult;

using SearchResults = std::vector<std::unique_ptr<SearchResult>>;

// The immutable inputs of a run of searches, shared by their results.
struct SearchSource {
  std::shared_ptr<const std::u16string> patternText;  // never null
  std::shared_ptr<const std::u16string> subjectText;  // never null
  uint32_t flags = 0;
  // Built on the first lookup by name; the only part that changes, and only once.
  mutable std::unique_ptr<CompiledPattern> compiled;
  mutable bool compileTried = false;

  SearchSource();
  ~SearchSource();
  int FindGroupNumber(std::u16string_view name) const;
};

class Regex {
 public:
  // A new, empty object; nullptr when memory runs out.
  static std::unique_ptr<Regex> Create();
  ~Regex();

  // 1 compiled, 0 not (empty pattern, memory exhausted, nesting too deep).
  // The NUL-terminated form stops at the first NUL; the view takes every byte.
  int Compile(const char* pattern, uint32_t flags = 0, bool substitute = false);
  int Compile(std::string_view pattern, uint32_t flags = 0, bool substitute = false);
  int CompileUtf16(std::u16string_view pattern, uint32_t flags = 0);

  // subject nullptr: search the previous subject again. A negative start
  // continues where the previous search ended.
  SearchResults SearchAll(const char* subject = nullptr, int start = 0);
  SearchResults SearchAll(std::string_view subject, int start = 0);
  SearchResults SearchAllUtf16(std::u16string_view subject, int start = 0);

  // Whether the matcher aborted a search of the last SearchAll.
  bool Aborted() const { return aborted_; }
  uint32_t Flags() const { return flags_; }
  int NextStart() const { return nextStart_; }

 private:
  Regex();
  int CompileText(std::u16string text, uint32_t flags);
  void SetSubject(std::u16string text);
  SearchResults Collect(int start);
  void Search(SearchResult& result, int start);
  std::shared_ptr<const SearchSource> Source();

  std::unique_ptr<CompiledPattern> compiled_;
  std::shared_ptr<const std::u16string> patternText_;
  std::shared_ptr<const std::u16string> subjectText_;
  int nextStart_ = 0;
  uint32_t flags_ = 0;
  bool aborted_ = false;
  std::shared_ptr<const SearchSource> source_;  // made on demand, dropped on any change
};

class SearchResult {
 public:
  int GetMatchStart() const { return GetGroupStart(0); }
  int GetMatchEnd() const { return GetGroupEnd(0); }
  int GetGroupStart(int n) const;
  int GetGroupEnd(int n) const;
  int GetGroupCount() const { return groupCount_; }
  bool Matched() const { return matched_ != 0; }

  // Texts in the ANSI code page; empty for a group that took no part or does not exist.
  std::string GetMatchText() const { return GetGroupText(0); }
  std::string GetGroupText(int n) const;
  std::string GetGroupText(const char* name) const;
  // Any other number: integers as they are, floating values truncated toward zero.
  template <typename T, typename = std::enable_if_t<std::is_arithmetic_v<T>>>
  std::string GetGroupText(T group) const {
    return GetGroupText(ToGroupNumber(static_cast<long double>(group)));
  }

  std::u16string GetGroupTextUtf16(int n) const;
  // A group number by name (ASCII letters folded), -1 without a pattern, -3 when no group has it.
  int FindGroupNumber(std::u16string_view name) const;
  // The pattern, subject and flags this result shares with the others of its search.
  const SearchSource* Source() const { return source_.get(); }

 private:
  friend class Regex;
  SearchResult() = default;
  static int ToGroupNumber(long double group);
  void Clear();
  void Fill(std::vector<int> matchResult, std::shared_ptr<const SearchSource> source);
  bool Span(int n, int* start, int* end) const;

  std::shared_ptr<const SearchSource> source_;
  // The matcher's MatchResult as it came: [matched, groups, s0, e0, s1, e1, ...].
  std::vector<int> spans_;
  int matched_ = 0;
  int groupCount_ = 0;
};

}  // namespace engine
