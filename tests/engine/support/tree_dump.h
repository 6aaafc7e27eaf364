// A one-line, readable dump of a compiled element tree, for tests only:
//   "ab*c" -> List(Str("a"),Greedy(0,+inf,Str("b")),Str("c"))
// Attributes follow a "/" after the kind: r right to left, i ignoring case.
// Stock elements print as Empty and Stock(n); repetition extras of 2147483647
// print as +inf; recursion targets as ->root, ->n (a group) or ->none.
#pragma once

#include <string>

namespace engine {

class CompiledPattern;
class Element;

std::string DumpTree(const CompiledPattern& pattern);
std::string DumpElement(const CompiledPattern& pattern, const Element* element);
// Compiles (flags as given) and dumps; "null" when the build gives up.
std::string DumpPattern(const std::u16string& pattern, unsigned flags = 0);

}  // namespace engine
