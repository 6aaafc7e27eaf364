// Compile-and-search helper for the compiler's tests: the first match from a
// start position, printed as its group spans.
#pragma once

#include <string>

namespace engine {

// "(s,e)" per group from 0 to the highest group number, "(-1,-1)" for a group
// that took no part; "none" when nothing matched, "null" when the build gave up.
std::string FirstMatchSpans(const std::u16string& pattern, unsigned flags,
                            const std::u16string& subject, int start = 0);

}  // namespace engine
