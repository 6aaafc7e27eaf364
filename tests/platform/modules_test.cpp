// Loading modules for the toolkit loader: absent ones give no handle.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "support/temp_folder.h"

namespace {

TEST(Modules, AnAbsentModuleGivesNoHandle) {
  platform_test::TempFolder folder;
  EXPECT_EQ(platform::LoadModule(folder.File("SkinKit.dll")), nullptr);
  EXPECT_EQ(platform::LoadModule("lib\\SkinKit\\NoSuchKit.dll"), nullptr);
  EXPECT_EQ(platform::ModuleSymbol(nullptr, "SkinKit_Startup"), nullptr);
}

TEST(Modules, AFileThatIsNoModuleGivesNoHandle) {
  platform_test::TempFolder folder;
  ASSERT_TRUE(platform::WriteWholeFile(folder.File("SkinKit.dll"), "MZ but nothing more"));
  EXPECT_EQ(platform::LoadModule(folder.File("SkinKit.dll")), nullptr);
}

#ifdef _WIN32
TEST(Modules, ASystemModuleResolvesByName) {
  void* kernel = platform::LoadModule("kernel32.dll");
  ASSERT_NE(kernel, nullptr);
  EXPECT_NE(platform::ModuleSymbol(kernel, "GetACP"), nullptr);
  EXPECT_EQ(platform::ModuleSymbol(kernel, "NoSuchExport"), nullptr);
}
#endif

}  // namespace
