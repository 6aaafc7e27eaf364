// The posix layer's stand-ins for Windows: what a headless test can steer and read.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/posix/posix_platform.h"
#include "support/temp_folder.h"

namespace {

namespace posix = platform::posix;

class PosixHooks : public ::testing::Test {
 protected:
  void SetUp() override { posix::ResetForTest(); }
  void TearDown() override { posix::ResetForTest(); }
};

TEST_F(PosixHooks, PathsMapBackslashesAndDrives) {
  posix::SetDriveFolder("/srv/drives/");
  struct Case {
    const char* path;
    const char* host;
  } cases[] = {
      {"/tmp/app\\Data\\config.ini", "/tmp/app/Data/config.ini"},
      {"C:\\SkinKit.ini", "/srv/drives/C/SkinKit.ini"},
      {"d:\\lib\\SkinKit\\SkinKit.dll", "/srv/drives/D/lib/SkinKit/SkinKit.dll"},
      {"C:SkinKit.ini", "/srv/drives/C/SkinKit.ini"},
      {"/already/posix", "/already/posix"},
      {"relative\\name", "relative/name"},
  };
  for (const Case& c : cases) EXPECT_EQ(posix::HostPath(c.path), c.host) << c.path;
}

TEST_F(PosixHooks, RelativePathsFollowTheCurrentFolder) {
  posix::SetCurrentFolder("/work/here\\");
  EXPECT_EQ(platform::CurrentFolder(), "/work/here");
  EXPECT_EQ(posix::HostPath("lib\\SkinKit\\SkinKit.dll"), "/work/here/lib/SkinKit/SkinKit.dll");
}

TEST_F(PosixHooks, FilesOnADriveLandUnderTheDriveFolder) {
  platform_test::TempFolder folder;
  posix::SetDriveFolder(folder.Path());
  EXPECT_FALSE(platform::WriteWholeFile("C:\\SkinKit.ini", "x")) << "no drive C yet";
  ASSERT_TRUE(platform::WriteWholeFile(folder.Path() + "/D", "")) << "a file is no drive";
  EXPECT_FALSE(platform::WriteWholeFile("D:\\SkinKit.ini", "x"));
  std::string path;
  EXPECT_FALSE(platform::ReadFileHead("D:\\SkinKit.ini", 255, path));
  EXPECT_EQ(folder.Listing(), "D");
}

TEST_F(PosixHooks, TheProgramFolderCanBeChosen) {
  std::string own = platform::ProgramFolder();
  posix::SetProgramFolder("/tmp/vintrel-app/");
  EXPECT_EQ(platform::ProgramFolder(), "/tmp/vintrel-app");
  posix::ResetForTest();
  EXPECT_EQ(platform::ProgramFolder(), own);
}

TEST_F(PosixHooks, KeystrokesReachTheSinkInOrder) {
  platform::SendKey(0x41, false);  // no sink yet: lost
  std::vector<std::pair<int, bool>> seen;
  posix::SetKeySink([&](int key, bool up) { seen.emplace_back(key, up); });
  platform::SendKey(0x11, false);
  platform::SendKey(0x56, false);
  platform::SendKey(0x56, true);
  platform::SendKey(0x11, true);
  std::vector<std::pair<int, bool>> expected = {{0x11, false}, {0x56, false}, {0x56, true}, {0x11, true}};
  EXPECT_EQ(seen, expected);
}

TEST_F(PosixHooks, PointerDpiAndPagesAreWhatWasSet) {
  posix::SetPointerPosition(-5, 700);
  posix::SetScreenDpiY(120);
  platform::OpenWebPage("https://example.org/a");
  platform::OpenWebPage("https://example.org/b");
  int x = 0, y = 0;
  platform::PointerPosition(x, y);
  EXPECT_EQ(x, -5);
  EXPECT_EQ(y, 700);
  EXPECT_EQ(platform::ScreenDpiY(), 120);
  EXPECT_EQ(posix::OpenedPages(), (std::vector<std::string>{"https://example.org/a", "https://example.org/b"}));
  posix::ClearOpenedPages();
  EXPECT_TRUE(posix::OpenedPages().empty());
}

int hookTicks = 0;
void CountHookTick() { ++hookTicks; }

TEST_F(PosixHooks, TheTimerReportsItsPeriodAndTicksOnlyWhenArmed) {
  hookTicks = 0;
  platform::SetTimerHandler(CountHookTick);
  EXPECT_EQ(posix::TimerPeriod(), 0);
  posix::FireTimer();
  platform::SetTimerPeriod(1000);
  EXPECT_EQ(posix::TimerPeriod(), 1000);
  posix::FireTimer();
  platform::SetTimerPeriod(0);
  posix::FireTimer();
  EXPECT_EQ(hookTicks, 1);
}

TEST_F(PosixHooks, PendingMessagesRunTheHookEachTime) {
  int calls = 0;
  platform::ProcessPendingMessages();
  posix::SetPendingMessagesHook([&] { ++calls; });
  platform::ProcessPendingMessages();
  platform::ProcessPendingMessages();
  EXPECT_EQ(calls, 2);
}

TEST_F(PosixHooks, AHookMayReplaceItselfWhileRunning) {
  int first = 0, second = 0;
  posix::SetPendingMessagesHook([&] {
    ++first;
    posix::SetPendingMessagesHook([&] { ++second; });
  });
  platform::ProcessPendingMessages();
  platform::ProcessPendingMessages();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
}

int marker = 0;

TEST_F(PosixHooks, ModulesAreFoundByTheirExactPath) {
  posix::RegisterModule("C:\\app\\SkinKit.dll", [](const char* name) -> void* {
    return std::string(name) == "SkinKit_Startup" ? &marker : nullptr;
  });
  EXPECT_EQ(platform::LoadModule("C:\\app\\skinkit.dll"), nullptr);
  void* module = platform::LoadModule("C:\\app\\SkinKit.dll");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(platform::ModuleSymbol(module, "SkinKit_Startup"), &marker);
  EXPECT_EQ(platform::ModuleSymbol(module, "Missing"), nullptr);
  EXPECT_EQ(platform::ModuleSymbol(nullptr, "SkinKit_Startup"), nullptr);
  EXPECT_EQ(posix::ModuleRequests(), (std::vector<std::string>{"C:\\app\\skinkit.dll", "C:\\app\\SkinKit.dll"}));
  posix::ClearModules();
  EXPECT_EQ(platform::LoadModule("C:\\app\\SkinKit.dll"), nullptr);
}

TEST_F(PosixHooks, WarningsAreRecordedWithTheirCaption) {
  platform::ShowWarning("text", "Warning");
  EXPECT_EQ(posix::Warnings(), std::vector<std::string>{"Warning: text"});
  posix::ClearWarnings();
  EXPECT_TRUE(posix::Warnings().empty());
}

TEST_F(PosixHooks, ResetForgetsEverything) {
  posix::SetClipboardText("x");
  platform::SetTimerPeriod(1000);
  platform::ShowWarning("t", "c");
  posix::RegisterModule("m", nullptr);
  posix::ResetForTest();
  EXPECT_EQ(platform::ClipboardText(), "");
  EXPECT_EQ(posix::TimerPeriod(), 0);
  EXPECT_TRUE(posix::Warnings().empty());
  EXPECT_EQ(platform::LoadModule("m"), nullptr);
  EXPECT_EQ(posix::DriveFolder(), "/tmp/vintrel-drives");
  EXPECT_EQ(platform::ScreenDpiY(), 96);
}

}  // namespace
#endif
