// Describes white space in result cells while the option EmptyPrompt is on.
//
// A text made of one kind of white space only (CR LF pairs, LF, CR, blanks,
// TABs) becomes a badge naming the kind and its count, with no cell text. Any
// other text shows with each CR LF written as backslash n; when it begins or
// ends with white space a badge names the head and tail kinds and the text is
// indented by 27 blanks to clear the badge. All comparisons are bytes.
#pragma once

#include <cstdint>
#include <string>

namespace workbench {

// The badge of every described cell: x 0, y 8, 100 x 20, text colour ARGB.
constexpr uint32_t kDescriptionBadgeColour = 0xD9428ACE;
// The skin block the badge is drawn with.
constexpr int kBadgeSkinSize = 340;
extern const unsigned char kBadgeSkin[kBadgeSkinSize];

// Writes cell (row, column) of the result list, described as above.
void WriteDescribedCell(const std::string& text, int row, int column);

// True when removing every occurrence of `piece` (left to right, without
// overlap) leaves nothing; the empty text consists only of any piece.
bool ConsistsOnlyOf(const std::string& text, const std::string& piece);
// Occurrences of `piece`, each search one byte after the previous hit's start,
// as a decimal text.
std::string CountOccurrences(const std::string& text, const std::string& piece);
// The head-and-tail label of `text`; empty when neither end is white space.
std::string EdgeLabel(const std::string& text);

}  // namespace workbench
