// DLLs for the toolkit loader.
#include "platform/platform.h"
#include "platform/win32/windows_api.h"

namespace platform {

void* LoadModule(const std::string& path) { return reinterpret_cast<void*>(LoadLibraryA(path.c_str())); }

void* ModuleSymbol(void* module, const char* name) {
  if (!module || !name) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

}  // namespace platform
