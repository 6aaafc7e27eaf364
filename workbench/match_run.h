// The match run: an edit of either box resets the result view and restarts
// the match timer; one second after the last edit the pattern is compiled with
// the option table's flags, every match is listed in the result list and
// highlighted in the subject box in two alternating colours.
//
// Positions: the engine counts UTF-16 code units, savedSubject counts GBK
// bytes (a byte with its high bit set begins a two-byte character), and the
// subject box counts one position per CR LF. Matches come in increasing
// order, so the conversions carry their progress from match to match and the
// whole run stays linear in the subject's length.
//
// The run lets pending window messages be processed at two points (in
// ResetMatchView and before RunMatch); another handler may run there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace workbench {

// The timer's period while armed.
constexpr int kMatchDelayMs = 1000;
// Highlight colours (COLORREF 0x00BBGGRR).
constexpr uint32_t kOddMatchColour = 0x0051FF4D;
constexpr uint32_t kEvenMatchColour = 0x004D4DFF;
// The empty-text badge's text colour (ARGB).
constexpr uint32_t kEmptyTextBadgeColour = 0xFF808080;
constexpr int kResultRowHeight = 38;

// Byte offsets of the fields of a CHARFORMAT2W record that the workbench sets.
enum CharFormatField {
  kCharFormatSize = 116,
  kCfCbSize = 0,
  kCfMask = 4,
  kCfEffects = 8,
  kCfHeight = 12,
  kCfTextColour = 20,
  kCfFaceName = 26,  // 32 UTF-16 code units
  kCfBackColour = 96,
};
constexpr uint32_t kCfmBackColour = 0x04000000;
constexpr uint32_t kCfmSizeColourFace = 0xE0000000;

void OnSubjectBoxChanged();
// While the window's creation event restores the boxes, a subject box change
// only takes the box's text into savedSubject: a saved text the box cannot
// hold as it is (a NUL byte, a broken two-byte character) is not written back
// over Data\source.dat before the user edits anything.
void BeginSubjectRestore();
void EndSubjectRestore();
void OnPatternBoxChanged();
// Period 0, then kMatchDelayMs: one run one second after the last edit.
void RestartMatchTimer();

// Empties the result list, resets the status label and rewrites the subject
// box (removing highlights); true when a run may follow (both boxes hold text).
bool ResetMatchView();
void OnMatchTimer();
void RunMatch();

// The compile flags the option table asks for.
int MatchFlags();
void BuildResultColumns(int groupCount);
// Writes the "空文本" badge into cell (row, column).
void WriteEmptyTextBadge(int row, int column);

// The byte offset in savedSubject of the character at engine position
// `position`; with useCache it continues from the previous call's answer.
int CharToByteOffset(int position, bool useCache);
// The number of CR LF pairs whose CR lies at a 1-based byte position in
// [from, below); the scan never leaves that stretch.
int CountLineBreaksBetween(int from, int below);

// A CHARFORMAT2W record: face (empty: "微软雅黑"), height in pixels (< 1: 12)
// turned into twips for the screen's DPI, text colour, optional background.
std::vector<uint8_t> MakeCharFormat(const std::string& faceName, int height, uint32_t textColour,
                                    std::optional<uint32_t> backColour, int effects);

}  // namespace workbench
