// The workbench under test: the real workbench code on the headless toolkit
// and the posix platform, with a fresh temporary folder as the program folder.
//
// Use: derive from WorkbenchFixture (or use it directly with TEST_F), put the
// Data files in place (WriteDataFile, WriteConfig; NoDataFolder() for a first
// start without one), call Start(), then act (TypePattern, TypeSubject, Tick,
// Click...) and read back the controls' states and the files on disk. Every
// test begins with a clean platform, a clean kit and empty global state, and
// its folder is removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "platform/platform.h"
#include "platform/posix/posix_platform.h"
#include "toolkit/headless/headless_kit.h"
#include "workbench/main_window.h"
#include "workbench/settings.h"
#include "workbench/workbench_state.h"

namespace workbench::testing {

namespace kit = toolkit::headless;

class WorkbenchFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::posix::ResetForTest();
    kit::ResetHeadlessKit();
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() /
              ("vintrel-wb-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(folder_ / "Data");
    platform::posix::SetProgramFolder(folder_.string());
    platform::posix::SetCurrentFolder(folder_.string());
    platform::posix::SetDriveFolder((folder_ / "drives").string());
  }

  void TearDown() override {
    if (started_) ExitCleanup();
    platform::posix::ResetForTest();
    kit::ResetHeadlessKit();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  // ---- Before Start ------------------------------------------------------

  // Removes the Data folder: a first start beside a bare program.
  void NoDataFolder() { std::filesystem::remove_all(folder_ / "Data"); }

  // A file of the Data folder with exactly these bytes.
  void WriteDataFile(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(folder_ / "Data");
    std::ofstream out(folder_ / "Data" / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  // Sets "key=value" in config.ini's section "RegEx". The file is rewritten
  // whole from every key given so far, so keys the program wrote are dropped.
  void WriteConfig(const std::string& key, const std::string& value) {
    config_[key] = value;
    std::string text = "[RegEx]\r\n";
    for (const auto& [k, v] : config_) text += k + "=" + v + "\r\n";
    WriteDataFile("config.ini", text);
  }

  // InitGlobals, then the main window on the headless kit.
  void Start() {
    InitGlobals();
    started_ = true;
    CreateMainWindow(&kit::HeadlessSkinKit());
  }

  // The program ends (ExitCleanup) and starts again on the files it left.
  void Restart() {
    if (started_) ExitCleanup();
    platform::posix::SetPendingMessagesHook(nullptr);
    kit::ResetHeadlessKit();
    Start();
  }

  // ---- Acting ------------------------------------------------------------

  // The user replaces the whole pattern box's text by typing.
  void TypePattern(const std::string& text) {
    kit::SelectText(controls.patternBox, 0, 1 << 30);
    kit::TypeText(controls.patternBox, text);
  }
  // The user replaces the whole subject box's text (CR LF line breaks).
  void TypeSubject(const std::string& text) {
    kit::SelectText(controls.subjectBox, 0, 1 << 30);
    kit::TypeText(controls.subjectBox, text);
  }
  // Types into the subject box at box position `at`.
  void InsertIntoSubject(int at, const std::string& text) {
    kit::SelectText(controls.subjectBox, at, 0);
    kit::TypeText(controls.subjectBox, text);
  }
  // A tick of the match timer (only an armed timer delivers it).
  void Tick() { kit::TickTimer(); }
  int TimerPeriod() const { return platform::posix::TimerPeriod(); }
  // Both boxes at once, then the tick that the edits armed.
  void RunWith(const std::string& pattern, const std::string& subject) {
    TypeSubject(subject);
    TypePattern(pattern);
    Tick();
  }
  bool Click(SkinHandle control) { return kit::Click(control); }
  bool ClickRow(int row, int column) { return kit::ClickRow(controls.resultList, row, column); }

  // ---- Reading -----------------------------------------------------------

  const kit::ControlState& State(SkinHandle control) const { return kit::State(control); }
  std::string PatternText() const { return kit::BoxText(controls.patternBox); }
  std::string SubjectText() const { return kit::BoxText(controls.subjectBox); }
  std::string Status() const { return kit::State(controls.statusLabel).title; }
  int RowCount() const { return static_cast<int>(State(controls.resultList).reportRows.size()); }
  int ColumnCount() const { return static_cast<int>(State(controls.resultList).columns.size()); }
  const kit::ReportColumn& Column(int column) const { return State(controls.resultList).columns.at(column); }
  std::string Cell(int row, int column) const {
    return State(controls.resultList).reportRows.at(row).cells.at(column).text;
  }
  // The text of the cell's badge (element 0); empty when it shows none.
  std::string BadgeText(int row, int column) const {
    const auto& badges = State(controls.resultList).reportRows.at(row).cells.at(column).badges;
    auto it = badges.find(0);
    return it == badges.end() ? std::string() : it->second.text;
  }
  uint32_t BadgeColour(int row, int column) const {
    const auto& badges = State(controls.resultList).reportRows.at(row).cells.at(column).badges;
    auto it = badges.find(0);
    return it == badges.end() ? 0 : it->second.colour;
  }
  int64_t BackColourAt(int position) const { return kit::BackColourAt(controls.subjectBox, position); }
  int Caret() const { return kit::Caret(controls.subjectBox); }
  int SelectionLength() const { return kit::SelectionLength(controls.subjectBox); }

  // Files on disk.
  std::filesystem::path DataPath(const std::string& name) const { return folder_ / "Data" / name; }
  bool DataFileExists(const std::string& name) const { return std::filesystem::exists(DataPath(name)); }
  std::string ReadDataFile(const std::string& name) const {
    std::ifstream in(DataPath(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  // A key of config.ini's section "RegEx" as the program would read it.
  std::string ConfigValue(const std::string& key, const std::string& fallback = "<absent>") const {
    return platform::GetProfileString(kSettingsSection, key, fallback, ConfigPath());
  }

  const std::filesystem::path& Folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
  std::map<std::string, std::string> config_;
  bool started_ = false;
};

}  // namespace workbench::testing
