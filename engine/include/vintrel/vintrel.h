// Vintrel's regex engine for library users: include this one header and link
// vintrel_engine.
//
//   auto re = engine::Regex::Create();
//   re->CompileUtf16(u"(\\d+)-(?<word>\\w+)", engine::IGNORE_CASE);
//   for (const auto& m : re->SearchAllUtf16(u"12-ab 3-c"))
//     use(m->GetMatchStart(), m->GetMatchEnd(), m->GetGroupTextUtf16(1));
//
// Texts go in and out either as UTF-16 (the *Utf16 entry points) or as narrow
// text in code page 936 (GBK). Positions are UTF-16 code units. Every pattern
// that is not empty compiles; malformed syntax is matched the way the compiler
// reads it, never reported as an error. See engine/regex.h for the details.
#pragma once

#include "engine/flags.h"
#include "engine/regex.h"
