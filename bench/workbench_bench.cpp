// One match run of the workbench on the headless toolkit: a 1 MB GBK subject of
// CR LF lines, 50,000 matches of a two-group pattern, LookSubText and
// EmptyPrompt on. Prints the time of RunMatch and the peak memory.
//
//   <build>/bench/workbench_bench [LINES ...]   (default 12500 25000 50000)
//
// Each line is 20 bytes with one match, so 50,000 lines are 1,000,000 bytes;
// the smaller sizes show whether the run grows linearly with the subject. A
// second pattern takes whole lines, so every match begins where the previous
// one ended and holds a line break: the worst case for the position cache.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/posix/posix_platform.h"
#include "toolkit/headless/headless_kit.h"
#include "workbench/main_window.h"
#include "workbench/match_run.h"
#include "workbench/workbench_state.h"

namespace {

// "甲乙k<5 digits>=<3 digits>丙丁" CR LF: 4 + 6 + 1 + 3 + 4 + 2 = 20 bytes.
std::string MakeSubject(int lines) {
  std::string subject;
  subject.reserve(static_cast<size_t>(lines) * 20);
  char middle[16];
  for (int i = 0; i < lines; ++i) {
    std::snprintf(middle, sizeof middle, "k%05d=%03d", i % 100000, i % 1000);
    subject += "甲乙";
    subject += middle;
    subject += "丙丁\r\n";
  }
  return subject;
}

// A memory figure of the process in kB ("VmHWM:" peak, "VmRSS:" now), and a
// way to restart the peak from the current size.
long StatusKb(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + field.size());
  }
  return -1;
}

void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void RunOnce(int lines, const std::string& pattern) {
  namespace fs = std::filesystem;
  fs::path folder = fs::temp_directory_path() / ("vintrel-wb-bench-" + std::to_string(lines));
  fs::remove_all(folder);
  fs::create_directories(folder / "Data");
  std::string subject = MakeSubject(lines);
  WriteFile(folder / "Data" / "source.dat", subject);
  WriteFile(folder / "Data" / "config.ini",
            "[RegEx]\r\nPattern=" + pattern + "\r\nLookSubText=1\r\nEmptyPrompt=1\r\n");

  platform::posix::ResetForTest();
  toolkit::headless::ResetHeadlessKit();
  platform::posix::SetProgramFolder(folder.string());
  workbench::InitGlobals();
  workbench::CreateMainWindow(&toolkit::headless::HeadlessSkinKit());
  long before = StatusKb("VmRSS:");
  ResetPeak();

  std::clock_t c0 = std::clock();
  auto t0 = std::chrono::steady_clock::now();
  workbench::RunMatch();
  auto t1 = std::chrono::steady_clock::now();
  double seconds = std::chrono::duration<double>(t1 - t0).count();
  double cpu = static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;  // steadier on a busy machine
  long peak = StatusKb("VmHWM:");

  std::printf("%-18s %8d lines %9zu bytes %7zu matches  RunMatch %.3f s (cpu %.3f s)  peak %.1f MB (resident before the run %.1f MB)\n",
              pattern.c_str(), lines, subject.size(), workbench::searchResults.size(), seconds, cpu, peak / 1024.0,
              before / 1024.0);
  workbench::ExitCleanup();
  toolkit::headless::ResetHeadlessKit();
  platform::posix::ResetForTest();
  fs::remove_all(folder);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {12500, 25000, 50000};
  for (const char* pattern : {"(k\\d+)=(\\d+)", "([^\\r\\n]+)(\\r\\n)"}) {
    for (int lines : sizes) RunOnce(lines, pattern);
  }
  return 0;
}
