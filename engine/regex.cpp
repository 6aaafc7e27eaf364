// Regex and SearchResult. The one conversion point between narrow ANSI text
// and the engine's UTF-16; everything inside works on code units.
#include "engine/regex.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <new>

#include "engine/compiled_pattern.h"
#include "engine/element.h"
#include "platform/codepage.h"

namespace engine {
namespace {

// The workbench's pattern markers, replaced before compiling when asked to.
void ReplaceAll(std::u16string& text, std::u16string_view marker, std::u16string_view by) {
  std::u16string out;
  size_t from = 0;
  for (size_t at; (at = text.find(marker, from)) != std::u16string::npos; from = at + marker.size()) {
    out.append(text, from, at - from);
    out.append(by);
  }
  if (from == 0) return;
  out.append(text, from, std::u16string::npos);
  text = std::move(out);
}

void SubstituteMarkers(std::u16string& text) {
  ReplaceAll(text, u"#换行符", u"\r\n");
  ReplaceAll(text, u"#引号", u"\"");
  ReplaceAll(text, u"#左引号", u"\u201C");
  ReplaceAll(text, u"#右引号", u"\u201D");
}

char16_t FoldAscii(char16_t u) { return u >= 'a' && u <= 'z' ? char16_t(u - 'a' + 'A') : u; }

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

std::shared_ptr<const std::u16string> EmptyText() {
  static const auto empty = std::make_shared<const std::u16string>();
  return empty;
}

}  // namespace

// ---- SearchSource ------------------------------------------------------------

SearchSource::SearchSource() : patternText(EmptyText()), subjectText(EmptyText()) {}
SearchSource::~SearchSource() = default;

int SearchSource::FindGroupNumber(std::u16string_view name) const {
  if (!compiled && !compileTried && !patternText->empty()) {
    compileTried = true;
    try {
      compiled = CompiledPattern::Build(patternText->data(), static_cast<int>(patternText->size()),
                                        flags);
    } catch (const std::bad_alloc&) {
      compiled.reset();
    }
  }
  if (!compiled) return -1;
  // Named groups in the order they open; the opening marker carries the name.
  for (const auto* group : compiled->namedGroups) {
    const auto* list = static_cast<const ListElement*>(group);
    if (!list || list->items.empty()) continue;
    const auto* marker = static_cast<const GroupMarkerElement*>(list->items.front());
    if (SameName(marker->name, name)) return marker->groupNumber;
  }
  return -3;
}

// ---- Regex -------------------------------------------------------------------

Regex::Regex() = default;
Regex::~Regex() = default;

std::unique_ptr<Regex> Regex::Create() { return std::unique_ptr<Regex>(new (std::nothrow) Regex()); }

int Regex::Compile(const char* pattern, uint32_t flags, bool substitute) {
  return Compile(std::string_view(pattern ? pattern : ""), flags, substitute);
}

int Regex::Compile(std::string_view pattern, uint32_t flags, bool substitute) {
  try {
    std::u16string text = platform::AnsiToUtf16(pattern);
    if (substitute) SubstituteMarkers(text);
    return CompileText(std::move(text), flags);
  } catch (const std::bad_alloc&) {
    return CompileText(std::u16string(), 0);
  }
}

int Regex::CompileUtf16(std::u16string_view pattern, uint32_t flags) {
  try {
    return CompileText(std::u16string(pattern), flags);
  } catch (const std::bad_alloc&) {
    return CompileText(std::u16string(), 0);
  }
}

int Regex::CompileText(std::u16string text, uint32_t flags) {
  compiled_.reset();
  patternText_.reset();
  subjectText_.reset();
  source_.reset();
  nextStart_ = 0;
  flags_ = 0;
  if (text.empty()) return 0;
  try {
    auto pattern = std::make_shared<const std::u16string>(std::move(text));
    compiled_ = CompiledPattern::Build(pattern->data(), static_cast<int>(pattern->size()), flags);
    if (!compiled_) return 0;
    patternText_ = std::move(pattern);
    flags_ = flags;
    return 1;
  } catch (const std::bad_alloc&) {
    compiled_.reset();
    return 0;
  }
}

void Regex::SetSubject(std::u16string text) {
  source_.reset();
  subjectText_.reset();
  if (!text.empty()) subjectText_ = std::make_shared<const std::u16string>(std::move(text));
}

SearchResults Regex::SearchAll(const char* subject, int start) {
  if (!subject) return Collect(start);
  return SearchAll(std::string_view(subject), start);
}

SearchResults Regex::SearchAll(std::string_view subject, int start) {
  try {
    SetSubject(platform::AnsiToUtf16(subject));
  } catch (const std::bad_alloc&) {
    SetSubject(std::u16string());
  }
  return Collect(start);
}

SearchResults Regex::SearchAllUtf16(std::u16string_view subject, int start) {
  try {
    SetSubject(std::u16string(subject));
  } catch (const std::bad_alloc&) {
    SetSubject(std::u16string());
  }
  return Collect(start);
}

std::shared_ptr<const SearchSource> Regex::Source() {
  if (!source_) {
    auto source = std::make_shared<SearchSource>();
    if (patternText_) source->patternText = patternText_;
    if (subjectText_) source->subjectText = subjectText_;
    source->flags = flags_;
    source_ = std::move(source);
  }
  return source_;
}

// Each search resumes at the end of the previous match; the first match that
// does not end beyond the previous one ends the collection and is not kept.
SearchResults Regex::Collect(int start) {
  SearchResults results;
  aborted_ = false;
  try {
    std::unique_ptr<SearchResult> result(new SearchResult());
    Search(*result, start);
    int previousEnd = 0;
    while (result->Matched()) {
      int end = result->GetMatchEnd();
      if (end <= previousEnd) break;
      results.push_back(std::move(result));
      previousEnd = end;
      result.reset(new SearchResult());
      Search(*result, end);
    }
  } catch (const std::bad_alloc&) {
    // Keep what was collected; the caller sees a shorter list, never a crash.
  }
  return results;
}

void Regex::Search(SearchResult& result, int start) {
  result.Clear();
  if (!subjectText_ || !compiled_) return;
  if (start < 0) start = nextStart_;
  if (start < 0) return;
  bool aborted = false;
  std::vector<int> match =
      compiled_->MatchAt(subjectText_->data(), static_cast<int>(subjectText_->size()), start, &aborted);
  if (aborted) {
    aborted_ = true;
    match.clear();
  }
  nextStart_ = match.size() > 3 && match[0] != 0 ? match[3] : -1;
  result.Fill(std::move(match), Source());
}

// ---- SearchResult ------------------------------------------------------------

void SearchResult::Clear() {
  source_.reset();
  spans_.clear();
  matched_ = 0;
  groupCount_ = 0;
}

void SearchResult::Fill(std::vector<int> matchResult, std::shared_ptr<const SearchSource> source) {
  source_ = std::move(source);
  spans_ = std::move(matchResult);
  matched_ = spans_.size() > 0 ? spans_[0] : 0;
  groupCount_ = spans_.size() > 1 ? std::max(spans_[1], 0) : 0;
}

bool SearchResult::Span(int n, int* start, int* end) const {
  *start = *end = -1;
  if (n < 0 || n > groupCount_) return false;
  size_t at = 2 + 2 * static_cast<size_t>(n);
  if (at < spans_.size()) *start = spans_[at];
  if (at + 1 < spans_.size()) *end = spans_[at + 1];
  return true;
}

int SearchResult::GetGroupStart(int n) const {
  int start, end;
  Span(n, &start, &end);
  return start;
}

int SearchResult::GetGroupEnd(int n) const {
  int start, end;
  Span(n, &start, &end);
  return end;
}

// Out of int's range (or NaN) names no group; casting it would be undefined.
int SearchResult::ToGroupNumber(long double group) {
  if (!(group > static_cast<long double>(INT_MIN) - 1 && group < static_cast<long double>(INT_MAX) + 1))
    return -1;
  return static_cast<int>(std::trunc(group));
}

std::u16string SearchResult::GetGroupTextUtf16(int n) const {
  int start, end;
  if (!Span(n, &start, &end) || !source_) return {};
  const std::u16string& subject = *source_->subjectText;
  int length = static_cast<int>(subject.size());
  if (start < 0 || start >= length || end <= start) return {};
  return subject.substr(start, std::min(end, length) - start);
}

std::string SearchResult::GetGroupText(int n) const {
  std::u16string text = GetGroupTextUtf16(n);
  return text.empty() ? std::string() : platform::Utf16ToAnsi(text);
}

std::string SearchResult::GetGroupText(const char* name) const {
  if (!name) return {};
  return GetGroupText(FindGroupNumber(platform::AnsiToUtf16(name)));
}

int SearchResult::FindGroupNumber(std::u16string_view name) const {
  return source_ ? source_->FindGroupNumber(name) : -1;
}

}  // namespace engine
