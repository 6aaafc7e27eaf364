// The text of the edit box and the rich-text box: characters, selection and
// stretch formats.
//
// A rich-text box keeps one '\r' per line break, so box positions are plain
// indexes into its characters; CR LF appears only when the text is handed out.
#include <algorithm>
#include <cstring>

#include "platform/codepage.h"
#include "toolkit/headless/kit_state.h"

namespace toolkit::headless {
namespace {

std::u16string OneCharPerBreak(const std::u16string& wide) {
  std::u16string out;
  out.reserve(wide.size());
  for (size_t i = 0; i < wide.size(); ++i) {
    char16_t c = wide[i];
    if (c == u'\r' || c == u'\n') {
      out.push_back(u'\r');
      if (c == u'\r' && i + 1 < wide.size() && wide[i + 1] == u'\n') ++i;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

int Size(const ControlState& box) { return static_cast<int>(box.chars.size()); }

int FormatIndex(ControlState& rich, const std::string& record) {
  // A run applies few distinct records many times over; keep each once.
  for (size_t i = rich.formats.size(); i-- > 0;) {
    if (rich.formats[i] == record) return static_cast<int>(i);
  }
  rich.formats.push_back(record);
  return static_cast<int>(rich.formats.size() - 1);
}

}  // namespace

std::u16string BoxCharsFromAnsi(const ControlState& box, const std::string& ansi) {
  std::u16string wide = platform::AnsiToUtf16(ansi);
  return box.kind == ControlKind::RichEdit ? OneCharPerBreak(wide) : wide;
}

std::u16string TypedCharsFromAnsi(const ControlState& box, const std::string& ansi) {
  std::u16string wide = BoxCharsFromAnsi(box, ansi);
  if (box.kind == ControlKind::Edit) {
    size_t cut = wide.find_first_of(u"\r\n");
    if (cut != std::u16string::npos) wide.resize(cut);
  }
  return wide;
}

std::string BoxTextOf(const ControlState& box, int start, int length) {
  int size = Size(box);
  start = std::clamp(start, 0, size);
  int end = length < 0 ? size : std::min(size, start + length);
  std::u16string part = box.chars.substr(start, end - start);
  if (box.kind == ControlKind::RichEdit) {
    std::u16string withPairs;
    withPairs.reserve(part.size());
    for (char16_t c : part) {
      withPairs.push_back(c);
      if (c == u'\r') withPairs.push_back(u'\n');
    }
    part.swap(withPairs);
  }
  return platform::Utf16ToAnsi(part);
}

void SetWholeText(SkinHandle c, const std::string& ansi) {
  ControlState* box = Living(c);
  if (!box) return;
  box->chars = BoxCharsFromAnsi(*box, ansi);
  box->selectionStart = 0;
  box->selectionLength = 0;
  box->formats.clear();
  if (box->kind == ControlKind::RichEdit) box->formatOfPosition.assign(box->chars.size(), -1);
  Raise(c, SKIN_EVENT_CHANGED);
}

bool ReplaceSelection(ControlState& box, const std::u16string& insert) {
  int start = box.selectionStart;
  int length = box.selectionLength;
  if (length == 0 && insert.empty()) return false;
  std::u16string before = box.chars;
  box.chars.replace(start, length, insert);
  if (box.kind == ControlKind::RichEdit) {
    auto& formats = box.formatOfPosition;
    formats.erase(formats.begin() + start, formats.begin() + start + length);
    // Typed text continues the stretch it was typed after.
    int inherited = start > 0 ? formats[start - 1] : (formats.empty() ? -1 : formats[0]);
    formats.insert(formats.begin() + start, insert.size(), inherited);
  }
  box.selectionStart = start + static_cast<int>(insert.size());
  box.selectionLength = 0;
  return box.chars != before;
}

void SetSelection(ControlState& box, int anchor, int active) {
  int size = Size(box);
  anchor = std::clamp(anchor, 0, size);
  active = std::clamp(active, 0, size);
  box.selectionStart = std::min(anchor, active);
  box.selectionLength = std::max(anchor, active) - box.selectionStart;
}

void ApplySelectionFormat(ControlState& rich, const void* charFormat2W) {
  if (!charFormat2W || rich.selectionLength == 0) return;
  std::string record(static_cast<const char*>(charFormat2W), kCharFormat2WSize);
  int index = FormatIndex(rich, record);
  auto first = rich.formatOfPosition.begin() + rich.selectionStart;
  std::fill(first, first + rich.selectionLength, index);
}

}  // namespace toolkit::headless
