// What a test can see and steer of the posix platform layer.
//
// The posix layer keeps the rules of the Windows services; these hooks stand in
// for the parts of Windows that Linux lacks (a clipboard, a keyboard, a mouse, a
// browser, a window timer, loadable DLLs). Paths given to the platform use "\"
// and are mapped to "/" on disk; a path starting with a drive letter such as
// "C:\" is mapped below DriveFolder().
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform::posix {

// The program folder that ProgramFolder() reports (default: the executable's folder).
void SetProgramFolder(const std::string& folder);
// CurrentFolder() (default: the process's working directory).
void SetCurrentFolder(const std::string& folder);
// Where "X:\..." paths live on disk: DriveFolder() + "/X/...". Default: /tmp/vintrel-drives.
void SetDriveFolder(const std::string& folder);
std::string DriveFolder();
// Maps a platform path to the file-system path it stands for.
std::string HostPath(const std::string& path);

void SetClipboardText(const std::string& text);

// Receives every SendKey; the headless toolkit delivers it to the focused control.
void SetKeySink(std::function<void(int virtualKey, bool up)> sink);

void SetPointerPosition(int x, int y);

// What ScreenDpiY() answers (default 96), for font heights on other screens.
void SetScreenDpiY(int dpi);

// Every page opened, in order.
const std::vector<std::string>& OpenedPages();
void ClearOpenedPages();

// The timer's current period (0: stopped), and a tick as Windows would deliver it.
int TimerPeriod();
void FireTimer();

// Called by every ProcessPendingMessages(), so that a test can inject an event there.
void SetPendingMessagesHook(std::function<void()> hook);

// Loadable modules: LoadModule(path) finds a module registered under exactly that
// path (as the program spells it); its symbols come from the lookup function.
using SymbolLookup = std::function<void*(const char* name)>;
void RegisterModule(const std::string& path, SymbolLookup lookup);
void ClearModules();
// Every path LoadModule was asked for, in order.
const std::vector<std::string>& ModuleRequests();

// Every ShowWarning, as "caption: text".
const std::vector<std::string>& Warnings();
void ClearWarnings();

// Puts every hook and setting back to its default.
void ResetForTest();

}  // namespace platform::posix
