// Every export of skinkit.h as a function of the headless kit, declared from
// the one list, so that a missing definition fails the link.
#pragma once

#include "toolkit/skinkit.h"

namespace toolkit::headless::exports {

#define HEADLESS_DECLARE_EXPORT(ret, name, params) ret SKINKIT_CALL name params;
SKINKIT_EXPORTS(HEADLESS_DECLARE_EXPORT)
#undef HEADLESS_DECLARE_EXPORT

}  // namespace toolkit::headless::exports
