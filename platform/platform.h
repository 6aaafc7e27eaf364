// The operating-system services that the workbench uses, one function each.
//
// platform/win32 implements them with the Windows calls of the same purpose;
// platform/posix implements them for Linux with the same rules, plus the hooks
// in posix/posix_platform.h that let a test look inside (clipboard, keystrokes,
// timer, pointer, opened pages). Texts are bytes in the ANSI code page (GBK).
// Paths use "\" as the Windows program writes them; the posix layer maps them.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The folder of the executable, without a trailing backslash.
std::string ProgramFolder();

// Profile (INI) files with the rules of GetPrivateProfileStringA: section and key
// names compared without case, values trimmed of surrounding blanks, at most
// kProfileValueMax - 1 bytes of a value come back.
constexpr int kProfileValueMax = 10240;
std::string GetProfileString(const std::string& section, const std::string& key,
                             const std::string& fallback, const std::string& path);
// Writes one key and keeps everything else in the file; creates no folder.
// Returns false when the file cannot be written (callers ignore it).
bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path);

// Whole-file reads and writes. A write goes to a new file beside the old one
// that then replaces it in one step, so a crash never leaves it empty or cut.
bool ReadWholeFile(const std::string& path, std::string& bytes);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// The clipboard's text; empty when it holds none.
std::string ClipboardText();

// keybd_event: a key press (up = false) or release of a virtual-key code,
// delivered to the control that holds the keyboard focus.
void SendKey(int virtualKey, bool up);

// The mouse pointer's position in screen coordinates.
void PointerPosition(int& x, int& y);

// ShellExecuteA(nullptr, "open", url, "", "", SW_SHOWNORMAL); result ignored.
void OpenWebPage(const std::string& url);

// Vertical pixels per inch of the screen (GetDC, GetDeviceCaps(LOGPIXELSY), ReleaseDC).
int ScreenDpiY();

// MulDiv: a * b / c with rounding, -1 when c is 0.
int MulDiv(int a, int b, int c);

// The match timer: one periodic window timer. Period 0 stops it; any other
// period (re)arms it. Each tick calls the handler given to SetTimerHandler;
// a tick due while the handler runs (it may process pending messages) is
// dropped, so the handler is never entered twice.
using TimerHandler = void (*)();
void SetTimerHandler(TimerHandler handler);
void SetTimerPeriod(int milliseconds);

// Lets the window's pending messages be processed once.
void ProcessPendingMessages();
// Runs the window's message loop until the main window is destroyed.
int RunMessageLoop();

// For the toolkit loader. A module is an opaque handle, nullptr when absent.
void* LoadModule(const std::string& path);
void* ModuleSymbol(void* module, const char* name);
// The current directory, without a trailing backslash.
std::string CurrentFolder();
// Reads at most maxBytes bytes from the start of a file; false if it cannot be opened.
bool ReadFileHead(const std::string& path, int maxBytes, std::string& bytes);
// A modal message box with one OK button.
void ShowWarning(const std::string& text, const std::string& caption);

}  // namespace platform
