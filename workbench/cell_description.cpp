#include "workbench/cell_description.h"

#include <cstdint>

#include "workbench/workbench_state.h"

namespace workbench {

namespace {

constexpr int kIndent = 27;

enum EdgeKind { kCrLf, kLf, kCr, kTab, kBlank, kNone, kEdgeKinds };

// [head][tail], in the order of EdgeKind.
const char* const kEdgeLabels[kEdgeKinds][kEdgeKinds] = {
    {"首尾回行符", "首回行尾换行", "首回行尾回车", "首回行尾制表", "首回行尾空格", "首回车换行符"},
    {"首换行尾回行", "首尾换行符", "首换行尾回车", "首换行尾制表", "首换行尾空格", "首换行符"},
    {"首回车尾回行", "首回车尾换行", "首尾回车符", "首回车尾制表", "首回车尾空格", "首回车符"},
    {"首制表尾回行", "首制表尾换行", "首制表尾回车", "首尾制表符", "首制表尾空格", "首制表符"},
    {"首空格尾回行", "首空格尾换行", "首空格尾回车", "首空格尾制表", "首尾空格", "首空格"},
    {"尾回车换行符", "尾换行符", "尾回车符", "尾制表符", "尾空格", ""},
};

struct RunPiece {
  const char* piece;
  const char* label;
};

// Tested in this order: a text of CR LF pairs is not taken for CRs or LFs.
const RunPiece kRunPieces[] = {
    {"\r\n", "回车换行符×"}, {"\n", "换行符×"}, {"\r", "回车符×"}, {" ", "空格×"}, {"\t", "制表符×"},
};

EdgeKind KindOfByte(char c) {
  switch (c) {
    case '\n': return kLf;
    case '\r': return kCr;
    case '\t': return kTab;
    case ' ': return kBlank;
    default: return kNone;
  }
}

EdgeKind HeadKind(const std::string& text) {
  if (text.size() >= 2 && text[0] == '\r' && text[1] == '\n') return kCrLf;
  return text.empty() ? kNone : KindOfByte(text.front());
}

EdgeKind TailKind(const std::string& text) {
  size_t n = text.size();
  if (n >= 2 && text[n - 2] == '\r' && text[n - 1] == '\n') return kCrLf;
  return text.empty() ? kNone : KindOfByte(text.back());
}

std::string ShowLineBreaks(const std::string& text) {
  std::string shown;
  shown.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      shown += "\\n";
      ++i;
    } else {
      shown += text[i];
    }
  }
  return shown;
}

}  // namespace

// A SkinKit skin block: the mark "SkinKit" and a NUL, a format version, a kind
// (1: flat label background), the fill and border colours (ARGB,
// little-endian), a corner radius; the rest of the block is zero.
const unsigned char kBadgeSkin[kBadgeSkinSize] = {
    'S', 'k', 'i', 'n', 'K', 'i', 't', 0,  // mark
    1, 1,                                  // version, kind
    0xF4, 0xEC, 0xE3, 0xFF,                // fill 0xFFE3ECF4
    0xCE, 0x8A, 0x42, 0xD9,                // border 0xD9428ACE
    4,                                     // corner radius
};

bool ConsistsOnlyOf(const std::string& text, const std::string& piece) {
  if (piece.empty()) return text.empty();
  size_t at = 0;
  while (at < text.size()) {
    if (text.compare(at, piece.size(), piece) != 0) return false;
    at += piece.size();
  }
  return true;
}

std::string CountOccurrences(const std::string& text, const std::string& piece) {
  int count = 0;
  if (!piece.empty()) {
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++count;
  }
  return std::to_string(count);
}

std::string EdgeLabel(const std::string& text) { return kEdgeLabels[HeadKind(text)][TailKind(text)]; }

void WriteDescribedCell(const std::string& text, int row, int column) {
  SkinHandle list = controls.resultList;
  skin->Control_SetButtonElementAttributes(list, column, 0, 0, 8, 100, 20, kBadgeSkin, kBadgeSkinSize,
                                           styleRecord.listFont.data());
  for (const RunPiece& run : kRunPieces) {
    if (ConsistsOnlyOf(text, run.piece)) {
      std::string badge = run.label + CountOccurrences(text, run.piece);
      skin->Control_SetButtonElementData(list, row, column, 0, badge.c_str(), kDescriptionBadgeColour);
      return;
    }
  }
  std::string label = EdgeLabel(text);
  std::string shown = ShowLineBreaks(text);
  if (label.empty()) {
    skin->Report_SetCellText(list, row, column, shown.c_str());
    return;
  }
  skin->Control_SetButtonElementData(list, row, column, 0, label.c_str(), kDescriptionBadgeColour);
  std::string indented = std::string(kIndent, ' ') + shown;
  skin->Report_SetCellText(list, row, column, indented.c_str());
}

}  // namespace workbench
