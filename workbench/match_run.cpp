#include "workbench/match_run.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/codepage.h"
#include "platform/platform.h"
#include "workbench/cell_description.h"
#include "workbench/engine_api.h"
#include "workbench/settings.h"
#include "workbench/workbench_state.h"

namespace workbench {

namespace {

constexpr char kLineBreak[] = "\r\n";
constexpr char kStatusIdle[] = "匹配文本：";
constexpr char kStatusBusy[] = "正在匹配，请稍后...";

// Compile flags (the engine reads the same bits).
constexpr int kDotAll = 0x01;
constexpr int kLineAnchors = 0x02;
constexpr int kGlobal = 0x04;
constexpr int kIgnoreCase = 0x08;

std::string SubjectBoxText() { return GetTextProperty(controls.subjectBox, SKIN_PROP_RICH_TEXT); }
std::string PatternBoxText() { return GetTextProperty(controls.patternBox, SKIN_PROP_EDIT_TEXT); }

void SetStatus(const std::string& text) { SetTextProperty(controls.statusLabel, SKIN_PROP_TITLE, text); }

bool restoringSubject = false;

void WriteSavedSubjectIntoBox() { SetTextProperty(controls.subjectBox, SKIN_PROP_RICH_TEXT, savedSubject); }

void PutUint32(std::vector<uint8_t>& record, int offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) record[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

// The byte of savedSubject at a 1-based position; beyond the text, 0.
unsigned char SubjectByte(int position) {
  if (position < 1 || position > static_cast<int>(savedSubject.size())) return 0;
  return static_cast<unsigned char>(savedSubject[position - 1]);
}

// Adds to `from` the bytes of `count` characters starting after byte offset `from`.
int WalkCharacters(int from, int count) {
  int extra = 0;
  for (int j = 1; j <= count; ++j) {
    if (SubjectByte(from + j + extra) & 0x80) ++extra;
  }
  return from + count + extra;
}

void InsertSubMatchColumn(int index, const std::string& title, int width) {
  const void* font = styleRecord.listFont.data();
  skin->Report_InsertColumn(controls.resultList, index, title.c_str(), width, 100, font, font);
  skin->Control_InsertElement(controls.resultList, index, 0, SKIN_ELEMENT_BUTTON);
}

void WriteCell(const std::string& text, int row, int column) {
  if (OptionOn(kOptionEmptyPrompt)) {
    WriteDescribedCell(text, row, column);
  } else {
    skin->Report_SetCellText(controls.resultList, row, column, text.c_str());
  }
}

void ReplaceSearchResults(std::vector<std::unique_ptr<engine::SearchResult>> results) {
  searchResults.clear();  // destroys the previous run's results
  searchResults = std::move(results);
}

}  // namespace

void RestartMatchTimer() {
  platform::SetTimerPeriod(0);
  platform::SetTimerPeriod(kMatchDelayMs);
}

void BeginSubjectRestore() { restoringSubject = true; }
void EndSubjectRestore() { restoringSubject = false; }

void OnSubjectBoxChanged() {
  std::string text = SubjectBoxText();
  if (text == savedSubject) return;  // the program's own write of the saved text
  if (restoringSubject) {
    ReplaceSavedSubject(text);
    return;
  }
  int caret = skin->RichEdit_GetCaret(controls.subjectBox);
  ReplaceSavedSubject(text);
  SaveSavedSubject();
  if (ResetMatchView()) {
    skin->RichEdit_SetCaret(controls.subjectBox, caret);
    RestartMatchTimer();
  }
}

void OnPatternBoxChanged() {
  WriteSetting("Pattern", PatternBoxText());
  if (ResetMatchView()) {
    SetProperty(controls.clearButton, SKIN_PROP_VISIBLE, 1);
    RestartMatchTimer();
  } else {
    SetProperty(controls.clearButton, SKIN_PROP_VISIBLE, 0);
  }
}

bool ResetMatchView() {
  skin->Report_DeleteColumn(controls.resultList, -1);
  skin->Report_DeleteRows(controls.resultList, -1);
  SetStatus(kStatusIdle);
  if (savedSubject.empty()) return false;
  WriteSavedSubjectIntoBox();
  platform::ProcessPendingMessages();
  return !PatternBoxText().empty();
}

void OnMatchTimer() {
  WriteSavedSubjectIntoBox();
  SetStatus(kStatusBusy);
  platform::ProcessPendingMessages();
  RunMatch();
  platform::SetTimerPeriod(0);
}

int MatchFlags() {
  int flags = 0;
  if (OptionOn(kOptionGlobal)) flags |= kGlobal;
  if (!OptionOn(kOptionCaseSensitive)) flags |= kIgnoreCase;
  if (OptionOn(kOptionMultiline)) flags |= kDotAll;
  if (OptionOn(kOptionSearchline)) flags |= kLineAnchors;
  return flags;
}

void RunMatch() {
  std::string pattern = PatternBoxText();
  regexObject->Compile(pattern.c_str(), MatchFlags());
  std::string subject = SubjectBoxText();
  ReplaceSearchResults(regexObject->SearchAll(subject.c_str()));
  const int n = static_cast<int>(searchResults.size());
  if (n == 0) {
    SetStatus("找到 0 处匹配项：");
    return;
  }
  matchCaretStarts.clear();
  matchSelectionLengths.clear();
  matchCaretStarts.reserve(n);
  matchSelectionLengths.reserve(n);
  BuildResultColumns(searchResults[0]->GetGroupCount());
  skin->Report_InsertRows(controls.resultList, 0, n, kResultRowHeight);

  // The two highlights differ only in their background; build each once.
  const std::vector<uint8_t> oddFormat = MakeCharFormat("微软雅黑", 12, 0, styleRecord.oddMatchColour, 0);
  const std::vector<uint8_t> evenFormat = MakeCharFormat("微软雅黑", 12, 0, styleRecord.evenMatchColour, 0);
  const bool lookSubText = OptionOn(kOptionLookSubText) != 0;
  SkinHandle box = controls.subjectBox;
  SkinHandle list = controls.resultList;

  int nextBreak = FindText(savedSubject, kLineBreak, 1);
  int passed = 0;
  for (int i = 1; i <= n; ++i) {
    const engine::SearchResult& r = *searchResults[i - 1];
    int s = r.GetMatchStart();
    int t = r.GetMatchEnd();
    int S = CharToByteOffset(s, i > 1);
    int T = CharToByteOffset(t, true);
    while (nextBreak != -1 && nextBreak <= S) {
      ++passed;
      nextBreak = FindText(savedSubject, kLineBreak, nextBreak + 1);
    }
    int start = s - passed;
    skin->RichEdit_SetCaret(box, start);
    matchCaretStarts.push_back(start);
    int length = (nextBreak != -1 && T < nextBreak) ? t - s : t - s - CountLineBreaksBetween(S, T);
    skin->RichEdit_SetSelectionLength(box, length);
    matchSelectionLengths.push_back(length);
    skin->RichEdit_SetSelectionFormat(box, (i % 2 == 1 ? oddFormat : evenFormat).data());

    skin->Report_SetCellText(list, i - 1, 0, std::to_string(i).c_str());
    WriteCell(r.GetMatchText(), i - 1, 1);
    if (lookSubText) {
      for (int k = 1; k <= r.GetGroupCount(); ++k) {
        std::string g = r.GetGroupText(k);
        if (g.empty()) {
          WriteEmptyTextBadge(i - 1, k + 1);
        } else {
          WriteCell(g, i - 1, k + 1);
        }
      }
    }
  }
  SetStatus("找到 " + std::to_string(n) + " 处匹配项：");
  skin->RichEdit_SetCaret(box, 0);
}

void BuildResultColumns(int groupCount) {
  const void* font = styleRecord.listFont.data();
  SkinHandle list = controls.resultList;
  skin->Report_InsertColumn(list, 0, "索引", 45, 30, font, font);
  skin->Report_InsertColumn(list, 1, "匹配文本", 770, 200, font, font);
  if (OptionOn(kOptionEmptyPrompt)) skin->Control_InsertElement(list, 1, 0, SKIN_ELEMENT_BUTTON);
  if (groupCount <= 0 || !OptionOn(kOptionLookSubText)) return;
  if (groupCount == 1) {
    skin->Report_SetColumnAttributes(list, 1, 561);
    InsertSubMatchColumn(2, "子匹配文本1", 200);
  } else if (groupCount == 2) {
    skin->Report_SetColumnAttributes(list, 1, 361);
    InsertSubMatchColumn(2, "子匹配文本1", 200);
    InsertSubMatchColumn(3, "子匹配文本2", 200);
  } else {
    skin->Report_SetColumnAttributes(list, 1, 261);
    for (int k = 1; k <= groupCount; ++k) InsertSubMatchColumn(k + 1, "子匹配文本" + std::to_string(k), 170);
  }
}

void WriteEmptyTextBadge(int row, int column) {
  static const unsigned char kNoSkin[1] = {0};
  skin->Control_SetButtonElementAttributes(controls.resultList, column, 0, 0, 7, 50, 20, kNoSkin, 1,
                                           styleRecord.listFont.data());
  skin->Control_SetButtonElementData(controls.resultList, row, column, 0, "空文本", kEmptyTextBadgeColour);
}

int CharToByteOffset(int position, bool useCache) {
  // Asked again for the position just answered (adjacent matches): the same
  // answer, without counting from the start.
  if (useCache && position > 0 && cachedCharPos == position) return cachedByteOffset;
  if (cachedCharPos >= position) cachedCharPos = 0;
  int result;
  if (!useCache || cachedCharPos == 0) {
    result = WalkCharacters(0, position);
  } else {
    result = WalkCharacters(cachedByteOffset, position - cachedCharPos);
  }
  cachedCharPos = position;
  cachedByteOffset = result;
  return result;
}

int CountLineBreaksBetween(int from, int below) {
  if (from < 1) from = 1;
  int last = std::min(below - 1, static_cast<int>(savedSubject.size()) - 1);
  int count = 0;
  for (int p = from; p <= last; ++p) {
    if (savedSubject[p - 1] == '\r' && savedSubject[p] == '\n') ++count;
  }
  return count;
}

std::vector<uint8_t> MakeCharFormat(const std::string& faceName, int height, uint32_t textColour,
                                    std::optional<uint32_t> backColour, int effects) {
  std::vector<uint8_t> record(kCharFormatSize, 0);
  PutUint32(record, kCfCbSize, kCharFormatSize);
  std::u16string face = platform::AnsiToUtf16(faceName.empty() ? std::string("微软雅黑") : faceName);
  if (face.size() > 31) face.resize(31);  // keep the terminating NUL inside the field
  for (size_t i = 0; i < face.size(); ++i) {
    record[kCfFaceName + 2 * i] = static_cast<uint8_t>(face[i] & 0xFF);
    record[kCfFaceName + 2 * i + 1] = static_cast<uint8_t>(face[i] >> 8);
  }
  if (height < 1) height = 12;
  int twips = std::abs(platform::MulDiv(height, 1440, platform::ScreenDpiY()));
  PutUint32(record, kCfHeight, static_cast<uint32_t>(twips));
  PutUint32(record, kCfTextColour, textColour);
  uint32_t mask = 0;
  if (backColour) {
    mask = kCfmBackColour;
    PutUint32(record, kCfBackColour, *backColour);
  }
  mask += kCfmSizeColourFace;
  if (effects != 0) {
    mask += static_cast<uint32_t>(effects);
    PutUint32(record, kCfEffects, static_cast<uint32_t>(effects));
  }
  PutUint32(record, kCfMask, mask);
  return record;
}

}  // namespace workbench
