#include "kit.h"

// The loader resolves every export by its plain name: a decorated or missing
// name would leave the workbench without that operation.
TEST_F(KitTest, EveryExportResolvesByItsUndecoratedName) {
#define KIT_CHECK(ret, name, params) EXPECT_NE(GetProcAddress(dll, #name), nullptr) << #name;
  SKINKIT_EXPORTS(KIT_CHECK)
#undef KIT_CHECK
}
