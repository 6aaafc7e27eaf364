// Group syntax: every construct that opens with "(", the back-references,
// and, once the parse is done, the numbering of named groups and the
// resolution of every reference made by name. Entry points: parseGroup and
// parseBackref (from parsePiece) and resolveNames (from build).
//
// Group numbers: -1 means not yet known, -3 a name looked up and not found
// (and, in a RecursionElement before resolution, a name not yet looked up).
#include <unordered_map>

#include "engine/compiled_pattern.h"
#include "engine/flags.h"

namespace engine {

namespace {

constexpr int kNameNotFound = -3;

bool IsWhiteUnit(char16_t u) { return u == u' ' || (u >= 9 && u <= 13); }
bool IsDecimalDigit(char16_t u) { return u >= u'0' && u <= u'9'; }

// Optional white space, 1 to 6 digits, optional white space, nothing else.
// A unit above 255 ends the text, as in the narrow text it stands for.
bool IsNarrowNumber(const std::u16string& text, int* value) {
  size_t end = 0;
  while (end < text.size() && text[end] != 0 && text[end] <= 255) end++;
  size_t i = 0;
  while (i < end && IsWhiteUnit(text[i])) i++;
  int digits = 0;
  int n = 0;
  while (i < end && IsDecimalDigit(text[i])) {
    if (++digits > 6) return false;
    n = n * 10 + (text[i] - u'0');
    i++;
  }
  if (digits == 0) return false;
  while (i < end && IsWhiteUnit(text[i])) i++;
  if (i != end) return false;
  *value = n;
  return true;
}

// Optional white space and up to 6 digits; 0 when there is no digit.
int LeadingNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && IsWhiteUnit(static_cast<unsigned char>(text[i]))) i++;
  int n = 0;
  for (int digits = 0; digits < 6 && i < text.size() && IsDecimalDigit(text[i]); digits++, i++) {
    n = n * 10 + (text[i] - '0');
  }
  return n;
}

char16_t FoldUpper(char16_t u) { return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u; }

bool SameName(const std::u16string& a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); i++) {
    if (FoldUpper(a[i]) != FoldUpper(b[i])) return false;
  }
  return true;
}

std::u16string FoldedName(const std::u16string& name) {
  std::u16string folded = name;
  for (char16_t& u : folded) u = FoldUpper(u);
  return folded;
}

GroupMarkerElement* OpeningMarker(const Element* group) {
  return static_cast<GroupMarkerElement*>(static_cast<const ListElement*>(group)->items[0]);
}

GroupMarkerElement* ClosingMarker(const Element* group) {
  return static_cast<GroupMarkerElement*>(static_cast<const ListElement*>(group)->items[2]);
}

void NumberGroup(const Element* group, int number) {
  OpeningMarker(group)->groupNumber = number;
  ClosingMarker(group)->groupNumber = number;
}

}  // namespace

void CompiledPattern::SkipWhiteSpaceTokens() {
  while (!scanner.Current().special && IsWhiteUnit(scanner.Current().ch)) scanner.Advance();
}

// Consumes a closing unit such as ")" whatever its kind; at the end of the
// pattern there is none to consume.
void CompiledPattern::SkipUnit(char16_t c) {
  if (scanner.Current().ch == c && !scanner.Current().IsEnd()) scanner.Advance();
}

// name := unit* terminator    (the terminator, or whatever stopped the name, is consumed)
std::u16string CompiledPattern::ReadName(char16_t terminator) {
  std::u16string name;
  while (scanner.Current().ch != terminator && scanner.Current().ch != 0) {
    name.push_back(scanner.Current().ch);
    scanner.Advance();
  }
  scanner.Advance();
  return name;
}

// The code units of the tokens up to a stop unit, as narrow text; the stop stays.
std::string CompiledPattern::ReadNarrowUpTo(char16_t stop) {
  std::string text;
  bool cut = false;
  while (!scanner.Current().IsEnd() && scanner.Current().ch != stop) {
    const char16_t u = scanner.Current().ch;
    if (u > 255 || u == 0) cut = true;
    if (!cut) text.push_back(static_cast<char>(u));
    scanner.Advance();
  }
  return text;
}

// group := "(" alternation ")"
//        | "(?" ( "=" | "!" | "<=" | "<!" | ">" ) alternation ")"
//        | "(?" ( "<" | "'" | "P<" | "P'" ) name terminator alternation ")"
//        | "(?(" condition ")" sequence [ "|" alternation ] ")"
//        | "(?R" ... ")" | "(?" digits ")" | "(?" options ( ":" alternation ")" | ")" )
Element* CompiledPattern::parseGroup(uint32_t& flags) {
  EnterNesting();
  scanner.Advance();  // "("
  Element* element =
      scanner.Current().IsSpecial(u'?') ? parseGroupExtension(flags) : parseCapturingGroup(flags);
  LeaveNesting();
  return element;
}

// capturing-group := "(" alternation ")"   (numbered in the order of its "(")
Element* CompiledPattern::parseCapturingGroup(uint32_t flags) {
  const int n = ++maxGroupNumber;
  Element* body = parseAlternation(flags);
  ListElement* list = MakeGroupList(n, (flags & RIGHT_TO_LEFT) ? 1 : 0, body);
  if (groupTable.size() <= static_cast<size_t>(n)) groupTable.resize(n + 1);
  groupTable[n] = list;
  SkipUnit(u')');
  return list;
}

// The group's list: opening marker, body, closing marker; markers face the
// direction of matching.
ListElement* CompiledPattern::MakeGroupList(int number, int rightToLeft, Element* body) {
  auto* list = Make<ListElement>();
  list->rightToLeft = rightToLeft;
  auto* open = Make<GroupMarkerElement>();
  open->groupNumber = number;
  open->isEnd = rightToLeft;
  auto* close = Make<GroupMarkerElement>();
  close->groupNumber = number;
  close->isEnd = 1 - rightToLeft;
  list->items.reserve(3);
  list->items.push_back(open);
  list->items.push_back(body);
  list->items.push_back(close);
  return list;
}

// extension := "(?" ( look-around | named-group | ">" alternation ")" | conditional
//                   | recursion | numbered-recursion | options )
Element* CompiledPattern::parseGroupExtension(uint32_t& flags) {
  scanner.Advance();  // "?"
  const char16_t c = scanner.Current().ch;
  const char16_t after = scanner.Next().ch;
  if (c == u'=' || c == u'!' || (c == u'<' && (after == u'=' || after == u'!'))) {
    return parseLookAround(flags);
  }
  if (c == u'<' || c == u'\'' || c == u'P') return parseNamedGroup(flags);
  if (c == u'>') {
    scanner.Advance();
    Element* body = parseAlternation(flags);
    SkipUnit(u')');
    return MakeWrapper(body, -1);
  }
  if (c == u'(') return parseConditional(flags);
  if (c == u'R') return parseRecursion();
  SkipWhiteSpaceTokens();
  if (IsDecimalDigit(scanner.Current().ch)) return parseNumberedRecursion();
  return parseInlineOptions(flags);
}

// look-around := ( "=" | "!" | "<=" | "<!" ) alternation ")"
// Look-ahead bodies match left to right, look-behind bodies right to left.
Element* CompiledPattern::parseLookAround(uint32_t flags) {
  const bool behind = scanner.Current().ch == u'<';
  if (behind) scanner.Advance();
  const int positive = scanner.Current().ch == u'=' ? 1 : 0;
  scanner.Advance();
  Element* body = parseAlternation(behind ? (flags | RIGHT_TO_LEFT) : (flags & ~RIGHT_TO_LEFT));
  SkipUnit(u')');
  return MakeWrapper(body, positive);
}

// An AssertElement (positive 1 or 0) or, for -1, an IndependentElement.
Element* CompiledPattern::MakeWrapper(Element* body, int positive) {
  if (positive < 0) return Make<IndependentElement>(body);
  return Make<AssertElement>(body, positive);
}

// named-group := [ "P" ] ( "<" name ">" | "'" name "'" ) alternation ")"
Element* CompiledPattern::parseNamedGroup(uint32_t flags) {
  ListElement* list = StartNamedGroup((flags & RIGHT_TO_LEFT) ? 1 : 0);
  list->items[1] = parseAlternation(flags);
  SkipUnit(u')');
  return list;
}

// Reads the name up to its terminator and makes the group's list, whose body
// is still to come.
ListElement* CompiledPattern::StartNamedGroup(int rightToLeft) {
  if (scanner.Current().ch == u'P') scanner.Advance();
  const char16_t terminator = scanner.Current().ch == u'\'' ? u'\'' : u'>';
  scanner.Advance();  // the opener, or whatever stands in its place
  namedGroupCount++;
  ListElement* list = MakeGroupList(-1, rightToLeft, nullptr);
  auto* open = static_cast<GroupMarkerElement*>(list->items[0]);
  open->name = ReadName(terminator);
  int number = 0;
  if (IsNarrowNumber(open->name, &number)) {
    NumberGroup(list, number);
    open->name.clear();
  }
  // Listed before the body so that nested named groups follow in "(" order.
  namedGroups.push_back(list);
  return list;
}

// options := ( "s" | "m" | "g" | "i" | "-" | other )*   (either case)
Element* CompiledPattern::parseInlineOptions(uint32_t& flags) {
  uint32_t options = flags;
  bool off = false;
  for (;;) {
    const Token& t = scanner.Current();
    if (t.IsEnd() || t.ch == u':' || t.ch == u')' || t.IsSpecial(u'(')) break;
    uint32_t bit = 0;
    switch (t.ch) {
      case u's': case u'S': bit = DOT_ALL; break;
      case u'm': case u'M': bit = LINE_ANCHORS; break;
      case u'g': case u'G': bit = GLOBAL; break;
      case u'i': case u'I': bit = IGNORE_CASE; break;
      case u'-': off = true; break;
      default: break;
    }
    options = off ? (options & ~bit) : (options | bit);
    scanner.Advance();
  }
  if (scanner.Current().ch == u':' || scanner.Current().IsSpecial(u'(')) {
    if (scanner.Current().ch == u':') scanner.Advance();
    Element* body = parseAlternation(options);
    SkipUnit(u')');
    return body;
  }
  // "(?i)": the rest of the enclosing level takes the options.
  flags = options;
  SkipUnit(u')');
  return stockElement(0);
}

// conditional := "(?(" ( look-around | text ) ")" sequence [ "|" alternation ] ")"
Element* CompiledPattern::parseConditional(uint32_t flags) {
  auto* conditional = Make<ConditionalElement>();
  if (scanner.Next().IsSpecial(u'?')) {
    uint32_t conditionFlags = flags;
    conditional->condition = parseGroup(conditionFlags);
  } else {
    scanner.Advance();  // the inner "("
    const int from = scanner.Current().start;
    Element* body = parseAlternation(flags);
    FinishTextCondition(conditional, body, from);
  }
  uint32_t yesFlags = flags;
  conditional->yes = parseSequence(yesFlags);
  if (scanner.Current().ch == u'|' && !scanner.Current().IsEnd()) {
    scanner.Advance();
    conditional->no = parseAlternation(flags);
  }
  SkipUnit(u')');
  return conditional;
}

// "(?(text)": a group number, a name to look up later, or else a look-ahead
// for the text itself.
void CompiledPattern::FinishTextCondition(ConditionalElement* conditional, Element* body, int from) {
  conditional->condition = Make<AssertElement>(body, 1);
  const int to = scanner.Current().start;
  conditional->name.assign(scanner.Pattern() + from, scanner.Pattern() + to);
  int number = 0;
  if (IsNarrowNumber(conditional->name, &number)) {
    conditional->groupNumber = number;
    conditional->condition = nullptr;
  } else {
    namedConditions.push_back(conditional);
  }
  SkipUnit(u')');
}

// recursion := "(?R" [ "<" name ">" | "'" name "'" | digits ] ")"
Element* CompiledPattern::parseRecursion() {
  scanner.Advance();  // "R"
  SkipWhiteSpaceTokens();
  RecursionElement* recursion = nullptr;
  const char16_t c = scanner.Current().ch;
  if (c == u'<' || c == u'\'') {
    scanner.Advance();
    recursion = Make<RecursionElement>(nullptr, kNameNotFound, ReadName(c == u'<' ? u'>' : u'\''));
    int number = 0;
    if (IsNarrowNumber(recursion->name, &number)) {
      recursion->groupNumber = number;
      recursion->name.clear();
    }
  } else {
    recursion = Make<RecursionElement>(nullptr, LeadingNumber(ReadNarrowUpTo(u')')));
  }
  recursions.push_back(recursion);
  SkipUnit(u')');
  return recursion;
}

// numbered-recursion := "(?" digits [ text ] ")"
Element* CompiledPattern::parseNumberedRecursion() {
  auto* recursion = Make<RecursionElement>(nullptr, LeadingNumber(ReadNarrowUpTo(u')')));
  recursions.push_back(recursion);
  SkipUnit(u')');
  return recursion;
}

// backref := "\" digits{0,3} | ( "\k" | "\g" ) ( digits{0,3} | "<" name ">" | "'" name "'" )
Element* CompiledPattern::parseBackref(uint32_t& flags) {
  scanner.Advance();  // "\", "k" or "g"
  const int rightToLeft = (flags & RIGHT_TO_LEFT) ? 1 : 0;
  const int ignoreCase = (flags & IGNORE_CASE) ? 1 : 0;
  const char16_t c = scanner.Current().ch;
  if (c != u'<' && c != u'\'') {
    int number = 0;
    for (int digits = 0; digits < 3 && IsDecimalDigit(scanner.Current().ch); digits++) {
      number = number * 10 + (scanner.Current().ch - u'0');
      scanner.Advance();
    }
    return Make<BackrefElement>(number, rightToLeft, ignoreCase);
  }
  scanner.Advance();
  auto* backref = Make<BackrefElement>(-1, rightToLeft, ignoreCase,
                                       ReadName(c == u'<' ? u'>' : u'\''));
  int number = 0;
  if (IsNarrowNumber(backref->name, &number)) {
    backref->groupNumber = number;
    backref->name.clear();
  } else {
    namedBackrefs.push_back(backref);
  }
  return backref;
}

int CompiledPattern::FindGroupNumber(std::u16string_view name) const {
  for (const ListElement* group : namedGroups) {
    if (SameName(OpeningMarker(group)->name, name)) return OpeningMarker(group)->groupNumber;
  }
  return -1;
}

void CompiledPattern::resolveNames() {
  // Folded name -> index in namedGroups of the first group so named; keeps
  // patterns with many names linear.
  std::unordered_map<std::u16string, int> firstByName;
  for (size_t k = 0; k < namedGroups.size(); k++) {
    firstByName.emplace(FoldedName(OpeningMarker(namedGroups[k])->name), static_cast<int>(k));
  }
  auto lookUp = [&](const std::u16string& name) {
    const auto found = firstByName.find(FoldedName(name));
    return found == firstByName.end() ? -1 : found->second;
  };
  const int plainGroups = maxGroupNumber;
  // Named groups come after the plain ones; a repeated name shares the number
  // of its first group.
  for (size_t k = 0; k < namedGroups.size(); k++) {
    ListElement* group = namedGroups[k];
    groupTable[plainGroups + 1 + k] = group;
    if (OpeningMarker(group)->groupNumber > 0) continue;
    const int first = lookUp(OpeningMarker(group)->name);
    const int shared = OpeningMarker(namedGroups[first])->groupNumber;
    NumberGroup(group, shared >= 0 ? shared : ++maxGroupNumber);
  }
  groupTableSize = plainGroups + 1 + namedGroupCount;
  for (int i = 1; i < groupTableSize; i++) {
    const int number = OpeningMarker(groupTable[i])->groupNumber;
    if (number > maxGroupNumber) maxGroupNumber = number;
  }

  for (RecursionElement* recursion : recursions) {
    if (recursion->groupNumber == kNameNotFound) {
      const int found = lookUp(recursion->name);
      if (found >= 0) recursion->groupNumber = OpeningMarker(namedGroups[found])->groupNumber;
    }
    const int n = recursion->groupNumber;
    if (n < 0 || n > maxGroupNumber) continue;
    if (n == 0) {
      recursion->target = root;
      continue;
    }
    for (int i = 1; i < groupTableSize; i++) {
      if (OpeningMarker(groupTable[i])->groupNumber == n) {
        recursion->target = groupTable[i];
        break;
      }
    }
  }

  for (BackrefElement* backref : namedBackrefs) {
    const int found = lookUp(backref->name);
    backref->groupNumber =
        found >= 0 ? OpeningMarker(namedGroups[found])->groupNumber : kNameNotFound;
  }

  for (ConditionalElement* conditional : namedConditions) {
    const int found = lookUp(conditional->name);
    if (found < 0) continue;
    const int n = OpeningMarker(namedGroups[found])->groupNumber;
    if (n < 0) continue;
    conditional->groupNumber = n;
    conditional->condition = nullptr;
  }
}

}  // namespace engine
