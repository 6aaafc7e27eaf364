// Loadable modules: a registry of named symbol tables stands in for DLLs.
#include "platform/posix/posix_state.h"

namespace platform {

void* LoadModule(const std::string& path) {
  auto& state = posix::State();
  state.moduleRequests.push_back(path);
  auto found = state.modules.find(path);
  return found == state.modules.end() ? nullptr : &found->second;
}

void* ModuleSymbol(void* module, const char* name) {
  if (!module || !name) return nullptr;
  auto& lookup = *static_cast<posix::SymbolLookup*>(module);
  return lookup ? lookup(name) : nullptr;
}

namespace posix {

void RegisterModule(const std::string& path, SymbolLookup lookup) { State().modules[path] = std::move(lookup); }
void ClearModules() { State().modules.clear(); }
const std::vector<std::string>& ModuleRequests() { return State().moduleRequests; }

}  // namespace posix
}  // namespace platform
