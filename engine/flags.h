// Compile flags: one int of OR-ed bits, set by the caller of the compiler and
// read while building. Of these the matcher itself only looks at RIGHT_TO_LEFT;
// every other flag is baked into the elements' fields when they are built.
#pragma once

#include <cstdint>

namespace engine {

constexpr uint32_t DOT_ALL = 0x01;        // "." also matches LF
constexpr uint32_t LINE_ANCHORS = 0x02;   // "^" and "$" at every line
constexpr uint32_t GLOBAL = 0x04;         // "\G" anchors at the search start
constexpr uint32_t IGNORE_CASE = 0x08;    // ASCII letters only
constexpr uint32_t RIGHT_TO_LEFT = 0x10;  // match and search leftwards
constexpr uint32_t EXTENDED = 0x20;       // scanner skips blanks and comments

}  // namespace engine
