// The loader's search order, export resolution, start-up and warning, on the
// posix module registry with a temporary drive folder for C:\ and D:\.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/posix/posix_platform.h"
#include "toolkit/headless/headless_kit.h"
#include "toolkit/skinkit_loader.h"

namespace {

namespace kit = toolkit::headless;
namespace posix = platform::posix;

constexpr char kHere[] = "C:\\Program";

// The warning text in code page 936, byte for byte.
const std::string kMissingLibraryGbk =
    "Warning: \xB3\xCC\xD0\xF2\xC8\xB1\xC9\xD9\xBD\xE7\xC3\xE6\xD4\xCB\xD0\xD0\xBF\xE2\xB1\xD8\xD0\xEB"
    "\xD2\xC0\xC0\xB5\xB5\xC4 SkinKit.dll \xCE\xC4\xBC\xFE";

class LoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    posix::ResetForTest();
    kit::ResetHeadlessKit();
    std::random_device random;
    drives_ = std::filesystem::temp_directory_path() / ("vintrel-loader-" + std::to_string(random()));
    std::filesystem::create_directories(drives_);
    posix::SetDriveFolder(drives_.string());
    posix::SetCurrentFolder(kHere);
  }
  void TearDown() override {
    posix::ResetForTest();
    std::error_code ignored;
    std::filesystem::remove_all(drives_, ignored);
  }

  // A file on drive C or D with exactly these bytes.
  void WriteDriveFile(char drive, const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(drives_ / std::string(1, drive));
    std::ofstream out(drives_ / std::string(1, drive) / name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  static void RegisterKit(const std::string& path) { posix::RegisterModule(path, &kit::HeadlessSymbol); }

  bool Load() { return toolkit::LoadSkinKit(api_); }

  std::filesystem::path drives_;
  SkinKitApi api_{};
};

const std::vector<std::string> kSearchOrder = {
    std::string(kHere) + "\\SkinKit.dll",
    std::string(kHere) + "\\lib\\SkinKit\\SkinKit.dll",
    "SkinKit.dll",
    "lib\\SkinKit\\SkinKit.dll",
};

TEST_F(LoaderTest, EachPlaceIsTriedInOrderAndTheFirstHitWins) {
  for (size_t hit = 0; hit < kSearchOrder.size(); ++hit) {
    SCOPED_TRACE(kSearchOrder[hit]);
    posix::ResetForTest();
    posix::SetCurrentFolder(kHere);
    posix::SetDriveFolder(drives_.string());
    // Every later place holds a library too; none of them may be asked for.
    for (size_t i = hit; i < kSearchOrder.size(); ++i) RegisterKit(kSearchOrder[i]);
    WriteDriveFile('C', "SkinKit.ini", "E:\\never.dll");
    ASSERT_TRUE(Load());
    std::vector<std::string> expected(kSearchOrder.begin(), kSearchOrder.begin() + hit + 1);
    EXPECT_EQ(posix::ModuleRequests(), expected);
    EXPECT_TRUE(posix::Warnings().empty());
  }
}

TEST_F(LoaderTest, FillsEveryExportAndStartsTheToolkit) {
  RegisterKit("SkinKit.dll");
  ASSERT_TRUE(Load());
  const SkinKitApi& headless = kit::HeadlessSkinKit();
  EXPECT_EQ(std::memcmp(&api_, &headless, sizeof api_), 0);
  EXPECT_TRUE(kit::IsStarted());
}

TEST_F(LoaderTest, PathFileOnDriveCNamesTheLibrary) {
  WriteDriveFile('C', "SkinKit.ini", "E:\\Tools\\SkinKit.dll");
  WriteDriveFile('D', "SkinKit.ini", "F:\\Other\\SkinKit.dll");
  RegisterKit("E:\\Tools\\SkinKit.dll");
  RegisterKit("F:\\Other\\SkinKit.dll");
  ASSERT_TRUE(Load());
  EXPECT_EQ(posix::ModuleRequests().back(), "E:\\Tools\\SkinKit.dll");
  EXPECT_EQ(posix::ModuleRequests().size(), kSearchOrder.size() + 1);
}

TEST_F(LoaderTest, DriveDIsReadOnlyWhenDriveCsFileCannotBeOpened) {
  WriteDriveFile('D', "SkinKit.ini", "F:\\Other\\SkinKit.dll");
  RegisterKit("F:\\Other\\SkinKit.dll");
  ASSERT_TRUE(Load());
  EXPECT_EQ(posix::ModuleRequests().back(), "F:\\Other\\SkinKit.dll");
}

TEST_F(LoaderTest, DriveCsFileNamingNothingLoadableDoesNotFallBackToDriveD) {
  WriteDriveFile('C', "SkinKit.ini", "E:\\gone.dll");
  WriteDriveFile('D', "SkinKit.ini", "F:\\Other\\SkinKit.dll");
  RegisterKit("F:\\Other\\SkinKit.dll");
  EXPECT_FALSE(Load());
  EXPECT_EQ(posix::ModuleRequests().back(), "E:\\gone.dll");
  EXPECT_EQ(posix::Warnings(), std::vector<std::string>{kMissingLibraryGbk});
}

TEST_F(LoaderTest, PathFileIsTakenUntrimmedAndCutAt255Bytes) {
  struct Case {
    const char* name;
    std::string content;
    std::string requested;
  };
  std::string longPath = "E:\\" + std::string(260, 'x') + ".dll";
  const Case cases[] = {
      {"trailing line break and blanks stay", "E:\\kit.dll \r\n", "E:\\kit.dll \r\n"},
      {"leading blank stays", " E:\\kit.dll", " E:\\kit.dll"},
      {"only the first 255 bytes", longPath, longPath.substr(0, 255)},
      {"a NUL ends the path", std::string("E:\\kit.dll\0junk", 15), "E:\\kit.dll"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    posix::ResetForTest();
    posix::SetCurrentFolder(kHere);
    posix::SetDriveFolder(drives_.string());
    WriteDriveFile('C', "SkinKit.ini", c.content);
    RegisterKit(c.requested);
    EXPECT_TRUE(Load());
    EXPECT_EQ(posix::ModuleRequests().back(), c.requested);
  }
}

TEST_F(LoaderTest, EmptyPathFileLoadsNothing) {
  WriteDriveFile('C', "SkinKit.ini", "");
  EXPECT_FALSE(Load());
  EXPECT_EQ(posix::ModuleRequests(), kSearchOrder);
}

TEST_F(LoaderTest, NoLibraryAnywhereWarnsInGbk) {
  EXPECT_FALSE(Load());
  EXPECT_EQ(posix::ModuleRequests(), kSearchOrder);
  EXPECT_EQ(posix::Warnings(), std::vector<std::string>{kMissingLibraryGbk});
  EXPECT_EQ(api_.SkinKit_Startup, nullptr);
}

TEST_F(LoaderTest, AMissingExportFailsTheLoadAndLeavesTheTableEmpty) {
  // Every export but one resolves.
  posix::RegisterModule("SkinKit.dll", [](const char* name) -> void* {
    return std::strcmp(name, "Report_SetCellText") == 0 ? nullptr : kit::HeadlessSymbol(name);
  });
  EXPECT_FALSE(Load());
  EXPECT_EQ(posix::Warnings(), std::vector<std::string>{kMissingLibraryGbk});
  EXPECT_FALSE(kit::IsStarted());
  EXPECT_EQ(api_.CreateControl_SkinWindow, nullptr);
}

int SKINKIT_CALL RefusingStartup(void*) { return 0; }
void* startupModule = nullptr;
int SKINKIT_CALL RecordingStartup(void* module) {
  startupModule = module;
  return 7;
}

TEST_F(LoaderTest, StartupAnsweringZeroMeansNotLoaded) {
  posix::RegisterModule("SkinKit.dll", [](const char* name) -> void* {
    return std::strcmp(name, "SkinKit_Startup") == 0 ? reinterpret_cast<void*>(&RefusingStartup)
                                                     : kit::HeadlessSymbol(name);
  });
  EXPECT_FALSE(Load());
  EXPECT_EQ(posix::Warnings(), std::vector<std::string>{kMissingLibraryGbk});
  EXPECT_EQ(api_.SkinKit_Startup, nullptr);
}

TEST_F(LoaderTest, StartupIsGivenTheLoadedModule) {
  posix::RegisterModule("SkinKit.dll", [](const char* name) -> void* {
    return std::strcmp(name, "SkinKit_Startup") == 0 ? reinterpret_cast<void*>(&RecordingStartup)
                                                     : kit::HeadlessSymbol(name);
  });
  startupModule = nullptr;
  ASSERT_TRUE(Load());
  ASSERT_NE(startupModule, nullptr);
  // The module handle is what ModuleSymbol accepts.
  EXPECT_EQ(platform::ModuleSymbol(startupModule, "Control_SetFocus"), kit::HeadlessSymbol("Control_SetFocus"));
}

TEST(HeadlessSymbolTest, EveryExportResolvesByNameToItsTableEntry) {
  const SkinKitApi& table = kit::HeadlessSkinKit();
#define CHECK_EXPORT(ret, name, params)                                  \
  EXPECT_NE(table.name, nullptr) << #name;                               \
  EXPECT_EQ(kit::HeadlessSymbol(#name), reinterpret_cast<void*>(table.name)) << #name;
  SKINKIT_EXPORTS(CHECK_EXPORT)
#undef CHECK_EXPORT
  EXPECT_EQ(kit::HeadlessSymbol("SkinKit_Shutdown"), nullptr);
  EXPECT_EQ(kit::HeadlessSymbol("skinkit_startup"), nullptr);
  EXPECT_EQ(kit::HeadlessSymbol(nullptr), nullptr);
}

}  // namespace
