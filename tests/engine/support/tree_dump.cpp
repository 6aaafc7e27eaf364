#include "support/tree_dump.h"

#include <cstdio>

#include "engine/compiled_pattern.h"

namespace engine {

namespace {

std::string Unit(char16_t u, bool inQuotes) {
  const bool plain = u >= 0x20 && u < 0x7F && u != u'\\' && (!inQuotes || u != u'"') &&
                     (inQuotes || (u != u' ' && u != u'(' && u != u')' && u != u'-'));
  if (plain) return std::string(1, static_cast<char>(u));
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, u < 0x100 ? "\\x%02X" : "\\u%04X", u);
  return buffer;
}

std::string Quoted(const std::u16string& text) {
  std::string out = "\"";
  for (char16_t u : text) out += Unit(u, true);
  return out + "\"";
}

std::string Attributes(int rightToLeft, int ignoreCase) {
  std::string out;
  if (rightToLeft) out += "r";
  if (ignoreCase) out += "i";
  return out.empty() ? out : "/" + out;
}

std::string Count(int n) { return n == kUnboundedExtra ? "+inf" : std::to_string(n); }

std::string PosixName(CharClassifier classify) {
  for (const PosixClass& c : kPosixClasses) {
    if (c.classify == classify) return std::string(c.name, std::char_traits<char>::length(c.name) - 1);
  }
  return "?";
}

std::string BoundaryName(int kind) {
  switch (kind) {
    case kTextStart: return "TextStart";
    case kTextEnd: return "TextEnd";
    case kTextEndOrFinalLf: return "TextEndZ";
    case kLineStart: return "LineStart";
    case kLineEnd: return "LineEnd";
    case kWordBoundary: return "WordBoundary";
    default: return "Boundary" + std::to_string(kind);
  }
}

class Dumper {
 public:
  explicit Dumper(const CompiledPattern& pattern) : pattern_(pattern) {}

  std::string Dump(const Element* e) const {
    if (e == nullptr) return "-";
    for (int i = 0; i < kStockCount; i++) {
      if (e == pattern_.stock[i]) return i == 0 ? "Empty" : "Stock(" + std::to_string(i) + ")";
    }
    if (auto* s = dynamic_cast<const StringElement*>(e)) {
      return "Str" + Attributes(s->rightToLeft, s->ignoreCase) + "(" + Quoted(s->text) + ")";
    }
    if (auto* l = dynamic_cast<const ListElement*>(e)) {
      return "List" + Attributes(l->rightToLeft, 0) + "(" + Join(l->items) + ")";
    }
    if (auto* a = dynamic_cast<const AlternativeElement*>(e)) return "Alt(" + Join(a->alternatives) + ")";
    if (dynamic_cast<const EmptyElement*>(e)) return "Empty(unshared)";
    if (auto* b = dynamic_cast<const BoundaryElement*>(e)) {
      return (b->positive ? "" : "Not") + BoundaryName(b->kind);
    }
    if (dynamic_cast<const SearchStartElement*>(e)) return "SearchStart";
    if (auto* r = dynamic_cast<const RepeatElement*>(e)) {
      return "Repeat(" + std::to_string(r->count) + "," + Dump(r->body) + ")";
    }
    if (auto* r = dynamic_cast<const GreedyRepeatElement*>(e)) return Repeat("Greedy", r->min, r->extra, r->body);
    if (auto* r = dynamic_cast<const LazyRepeatElement*>(e)) return Repeat("Lazy", r->min, r->extra, r->body);
    if (auto* r = dynamic_cast<const PossessiveRepeatElement*>(e)) {
      return Repeat("Possessive", r->min, r->extra, r->body);
    }
    if (auto* m = dynamic_cast<const GroupMarkerElement*>(e)) {
      std::string out = "Mark(" + std::to_string(m->groupNumber);
      if (m->isEnd) out += ",end";
      if (!m->name.empty()) out += "," + Quoted(m->name);
      return out + ")";
    }
    if (auto* r = dynamic_cast<const BackrefElement*>(e)) {
      std::string out = "Ref" + Attributes(r->rightToLeft, r->ignoreCase) + "(" + std::to_string(r->groupNumber);
      if (!r->name.empty()) out += "," + Quoted(r->name);
      return out + ")";
    }
    if (auto* a = dynamic_cast<const AssertElement*>(e)) {
      return std::string(a->positive ? "Assert(" : "NotAssert(") + Dump(a->body) + ")";
    }
    if (auto* a = dynamic_cast<const IndependentElement*>(e)) return "Atomic(" + Dump(a->body) + ")";
    if (auto* c = dynamic_cast<const ConditionalElement*>(e)) {
      return "Cond(" + std::to_string(c->groupNumber) + "," + Dump(c->condition) + "," + Dump(c->yes) +
             "," + Dump(c->no) + ")";
    }
    if (auto* r = dynamic_cast<const RecursionElement*>(e)) {
      std::string out = "Recurse(" + std::to_string(r->groupNumber);
      if (!r->name.empty()) out += "," + Quoted(r->name);
      return out + ",->" + Target(r->target) + ")";
    }
    if (auto* s = dynamic_cast<const BracketElement*>(e)) return Set(*s);
    if (auto* p = dynamic_cast<const PosixClassElement*>(e)) {
      return std::string(p->positive ? "Posix" : "NotPosix") + Attributes(p->rightToLeft, 0) + "(" +
             (p->classify ? PosixName(p->classify) : "-") + ")";
    }
    return "?";
  }

 private:
  std::string Join(const std::vector<Element*>& items) const {
    std::string out;
    for (size_t i = 0; i < items.size(); i++) out += (i ? "," : "") + Dump(items[i]);
    return out;
  }

  std::string Repeat(const char* kind, int min, int extra, const Element* body) const {
    return std::string(kind) + "(" + std::to_string(min) + "," + Count(extra) + "," + Dump(body) + ")";
  }

  std::string Target(const Element* target) const {
    if (target == nullptr) return "none";
    if (target == pattern_.root) return "root";
    auto* list = dynamic_cast<const ListElement*>(target);
    auto* marker = list && !list->items.empty() ? dynamic_cast<const GroupMarkerElement*>(list->items[0]) : nullptr;
    return marker ? std::to_string(marker->groupNumber) : "?";
  }

  std::string Set(const BracketElement& s) const {
    std::string out = std::string(s.positive ? "Set" : "NotSet") + Attributes(s.rightToLeft, 0) + "(";
    std::string sep;
    for (size_t i = 0; i + 1 < s.ranges.size(); i += 2) {
      out += sep + Unit(s.ranges[i], false) + "-" + Unit(s.ranges[i + 1], false);
      sep = " ";
    }
    if (!s.chars.empty()) {
      out += sep + Quoted(std::u16string(s.chars.begin(), s.chars.end()));
      sep = " ";
    }
    for (const Element* c : s.classes) {
      out += sep + Dump(c);
      sep = " ";
    }
    return out + ")";
  }

  const CompiledPattern& pattern_;
};

}  // namespace

std::string DumpElement(const CompiledPattern& pattern, const Element* element) {
  return Dumper(pattern).Dump(element);
}

std::string DumpTree(const CompiledPattern& pattern) { return DumpElement(pattern, pattern.root); }

std::string DumpPattern(const std::u16string& pattern, unsigned flags) {
  auto compiled = CompiledPattern::Build(pattern.data(), static_cast<int>(pattern.size()), flags);
  return compiled ? DumpTree(*compiled) : "null";
}

}  // namespace engine
