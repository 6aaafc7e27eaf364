// Vintrel.exe's entry point: global state, the toolkit, the window, the loop.
//
// Declared without <windows.h>: only the platform layer and the toolkit include
// it, and WinMain's handles are never looked at here.
#include <cstdlib>

#include "platform/platform.h"
#include "toolkit/skinkit_loader.h"
#include "workbench/main_window.h"

namespace {

// Outlives WinMain: ExitCleanup runs after it returns.
SkinKitApi kit;

}  // namespace

extern "C" int __stdcall WinMain(struct HINSTANCE__*, struct HINSTANCE__*, char*, int) {
  workbench::InitGlobals();
  std::atexit(workbench::ExitCleanup);
  // Without the toolkit the loader has told the user; there is no window to show.
  if (!toolkit::LoadSkinKit(kit)) return 1;
  workbench::CreateMainWindow(&kit);
  return platform::RunMessageLoop();
}
