// The table of the headless kit's exports and their lookup by name.
#include <cstring>

#include "toolkit/headless/exports.h"
#include "toolkit/headless/headless_kit.h"

namespace toolkit::headless {

const SkinKitApi& HeadlessSkinKit() {
  static const SkinKitApi table = {
#define HEADLESS_TABLE_ENTRY(ret, name, params) &exports::name,
      SKINKIT_EXPORTS(HEADLESS_TABLE_ENTRY)
#undef HEADLESS_TABLE_ENTRY
  };
  return table;
}

void* HeadlessSymbol(const char* name) {
  if (!name) return nullptr;
#define HEADLESS_LOOKUP_ENTRY(ret, export_name, params) \
  if (std::strcmp(name, #export_name) == 0) return reinterpret_cast<void*>(&exports::export_name);
  SKINKIT_EXPORTS(HEADLESS_LOOKUP_ENTRY)
#undef HEADLESS_LOOKUP_ENTRY
  return nullptr;
}

}  // namespace toolkit::headless
