// The posix layer's one record of everything that Windows would keep for us:
// the folders, the clipboard, the timer, the hooks and what the tests read back.
// Private to platform/posix; ResetForTest() puts a fresh record in its place.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/posix/posix_platform.h"

namespace platform::posix {

struct PosixState {
  std::string programFolder;  // empty: the executable's folder
  std::string currentFolder;  // empty: the working directory
  std::string driveFolder = "/tmp/vintrel-drives";

  std::string clipboard;
  std::function<void(int, bool)> keySink;
  int pointerX = 0;
  int pointerY = 0;
  int dpiY = 96;
  std::vector<std::string> openedPages;

  TimerHandler timerHandler = nullptr;
  int timerPeriod = 0;
  bool timerInHandler = false;
  std::function<void()> pendingMessagesHook;

  std::map<std::string, SymbolLookup> modules;
  std::vector<std::string> moduleRequests;
  std::vector<std::string> warnings;
};

PosixState& State();

}  // namespace platform::posix
