#include "support/span_check.h"

#include "engine/compiled_pattern.h"

namespace engine {

std::string FirstMatchSpans(const std::u16string& pattern, unsigned flags,
                            const std::u16string& subject, int start) {
  auto compiled = CompiledPattern::Build(pattern.data(), static_cast<int>(pattern.size()), flags);
  if (!compiled) return "null";
  const MatchResult result = compiled->MatchAt(subject.data(), static_cast<int>(subject.size()), start);
  if (result.empty()) return "none";
  std::string out;
  for (size_t i = 2; i + 1 < result.size(); i += 2) {
    out += "(" + std::to_string(result[i]) + "," + std::to_string(result[i + 1]) + ")";
  }
  return out;
}

}  // namespace engine
