// A run replaces a folder's results whole or not at all: killed at any moment, refused by a
// running one, out of disk space, interrupted in a batch.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "support/cli_runner.h"
#include "support/example_conversions.h"
#include "support/test_folder.h"
#include "weatherio/text_file.h"

extern char** environ;

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::RunCli;
using testing::TestFolder;
using Snapshot = std::map<std::string, std::string>;

std::string In(const fs::path& folder) { return " --dir '" + folder.string() + "'"; }

// Every entry of a folder, hidden ones too, with its bytes (a run record's date aside).
Snapshot SnapshotOf(const fs::path& folder) {
  Snapshot files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    files[entry.path().filename().string()] =
        entry.is_regular_file() ? testing::ReadComparable(entry.path()) : "<not a file>";
  }
  return files;
}

// Maricopa's days and a study area of `crops` crops, the bundled rows over and over.
void PrepareStudyArea(const fs::path& folder, int crops) {
  fs::create_directories(folder);
  fs::copy_file(testing::ExamplePath("MARIC.day"), folder / "MARIC.day");
  const auto lines = SplitLines(testing::ReadBytes(testing::ExamplePath("SA00001.csv")));
  std::string text = lines[0] + "\n" + lines[1] + "\n" + lines[2] + "\n";
  std::vector<std::string> rows;
  for (size_t i = 3; i < lines.size(); ++i) {
    if (!lines[i].empty()) rows.push_back(lines[i]);
  }
  for (int k = 0; k < crops; ++k) text += rows[static_cast<size_t>(k) % rows.size()] + "\n";
  std::ofstream(folder / "SA00001.csv", std::ios::binary) << text;
}

std::string RunArguments(const std::string& latitude, const fs::path& folder) {
  return "run --input day --station MARIC --lat " + latitude + " --elev 361 --sa 1 --quiet" +
         In(folder);
}

// kelvaro-cli started in the background, its output into `output` (or thrown away).
pid_t Start(const std::string& arguments, const std::vector<std::string>& environment = {},
            const std::string& output = "/dev/null", const fs::path& folder = ".") {
  const std::string command = "cd '" + folder.string() + "' && exec '" KELVARO_CLI_PATH "' " +
                              arguments + " > '" + output + "' 2>&1";
  std::vector<std::string> env_strings(environment);
  for (char** e = environ; *e != nullptr; ++e) env_strings.emplace_back(*e);
  std::vector<char*> env;
  for (auto& e : env_strings) env.push_back(e.data());
  env.push_back(nullptr);
  const char* argv[] = {"sh", "-c", command.c_str(), nullptr};
  pid_t pid = 0;
  posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), env.data());
  return pid;
}

// Until a command holds the folder.
void WaitForLock(const fs::path& folder) {
  for (int i = 0; i < 2000 && !fs::exists(folder / ".kelvaro.lock"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

int Wait(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

class RunTransactionTest : public ::testing::Test {
 protected:
  // The folder after a run at 33.07 N (old) and what a run at 34 N makes of it (new).
  void SetUp() override {
    PrepareStudyArea(root_ / "reference", kCrops);
    ASSERT_EQ(RunCli(RunArguments("33.07", root_ / "reference")).status, 0);
    old_ = SnapshotOf(root_ / "reference");
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(RunCli(RunArguments("34.00", root_ / "reference")).status, 0);
    run_time_ = std::chrono::steady_clock::now() - start;
    new_ = SnapshotOf(root_ / "reference");
    ASSERT_NE(old_, new_);
  }

  // A folder holding the old results.
  fs::path OldFolder(const std::string& name) {
    const fs::path folder = root_ / name;
    PrepareStudyArea(folder, kCrops);
    EXPECT_EQ(RunCli(RunArguments("33.07", folder)).status, 0);
    return folder;
  }

  // After a command on the folder has put right what the kill left, the folder is the old or
  // the new result set, byte for byte.
  void ExpectWholeSetAfterRecovery(const fs::path& folder, const std::string& when) {
    const auto recovery = RunCli("open crops --sa 1 --print-path" + In(folder));
    EXPECT_EQ(recovery.status, 0) << when << ": " << recovery.err;
    const Snapshot now = SnapshotOf(folder);
    EXPECT_TRUE(now == old_ || now == new_) << when << ": the folder holds a mixed set";
  }

  static constexpr int kCrops = 100;  // the largest study area of the benchmarks
  TestFolder root_;
  Snapshot old_;
  Snapshot new_;
  std::chrono::steady_clock::duration run_time_{};
};

TEST_F(RunTransactionTest, AKilledRunLeavesTheOldOrTheNewSetWholeAfterTheNextCommand) {
  const fs::path folder = OldFolder("killed");
  constexpr int kKills = 6;
  for (int i = 0; i < kKills; ++i) {
    const pid_t run = Start(RunArguments("34.00", folder));
    std::this_thread::sleep_for(run_time_ * i / kKills);
    ::kill(run, SIGKILL);
    Wait(run);
    ExpectWholeSetAfterRecovery(folder, "killed after " + std::to_string(i) + "/6 of a run");
    RunCli(RunArguments("33.07", folder));  // the old set again
  }
  // Inside the switch: the journal is on disk, so the next command finishes the switch.
  for (const char* renames : {"0", "150", "300"}) {
    const pid_t run = Start(RunArguments("34.00", folder),
                            {std::string("KELVARO_TEST_KILL_AFTER_RENAMES=") + renames});
    EXPECT_EQ(Wait(run), -SIGKILL);
    ExpectWholeSetAfterRecovery(folder, std::string("killed after ") + renames + " renames");
    EXPECT_TRUE(SnapshotOf(folder) == new_) << renames;
    RunCli(RunArguments("33.07", folder));
  }
}

TEST_F(RunTransactionTest, ASecondRunInTheFolderIsRefusedNamingTheFirst) {
  const fs::path folder = OldFolder("busy");
  const pid_t first = Start(RunArguments("34.00", folder));
  WaitForLock(folder);
  const auto second = RunCli(RunArguments("34.00", folder));
  EXPECT_EQ(Wait(first), 0);
  EXPECT_EQ(second.status, 2);
  EXPECT_NE(second.err.find("is being written by 'run --input day --station MARIC --sa 1' "
                            "(process " +
                            std::to_string(first) + ")"),
            std::string::npos)
      << second.err;
  EXPECT_TRUE(SnapshotOf(folder) == new_);
}

TEST_F(RunTransactionTest, ReportRefusesResultsEditedOrMixedSinceTheRun) {
  const fs::path folder = root_ / "reference";
  ASSERT_EQ(RunCli("report --sa 1" + In(folder)).status, 0);
  { std::ofstream(folder / "SA00001C003.EAW", std::ios::app) << " "; }
  const auto edited = RunCli("report --sa 1" + In(folder));
  EXPECT_EQ(edited.status, 2);
  EXPECT_NE(edited.err.find("SA00001C003.EAW is not the file the day run of MARIC for study area "
                            "1 of "),
            std::string::npos)
      << edited.err;
}

TEST(PreparedFiles, AChainKeepsAFileItDidNotWriteAsideAndCaseVariantsAreRefused) {
  TestFolder folder;
  PrepareStudyArea(folder.path(), 2);
  const std::string hand_made = folder.Read("MARIC.day");
  folder.Write("MARIC.qrd", testing::StationNetworkExportOf(hand_made));
  folder.Write("MARIC.day", hand_made + "\n");  // the user's own, one byte longer
  auto run = RunCli("run --input qrd --station MARIC --lat 33.07 --elev 361 --sa 1 --quiet" +
                    In(folder.path()));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("Warning: MARIC.day was not written by a run of this program; it is kept "
                         "as MARIC.day.kept-"),
            std::string::npos)
      << run.err;
  int kept = 0;
  for (const auto& [name, bytes] : SnapshotOf(folder.path())) {
    if (name.starts_with("MARIC.day.kept-")) kept += bytes == hand_made + "\n" ? 1 : 100;
  }
  EXPECT_EQ(kept, 1);
  // The run's own MARIC.day is replaced again without a word.
  run = RunCli("run --input qrd --station MARIC --lat 33.07 --elev 361 --sa 1 --quiet" +
               In(folder.path()));
  EXPECT_EQ(run.err.find("kept"), std::string::npos) << run.err;

  folder.Write("sa00001.CSV", folder.Read("SA00001.csv"));
  run = RunCli(RunArguments("33.07", folder.path()));
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("SA00001.csv and sa00001.CSV differ only in letter case"),
            std::string::npos)
      << run.err;
}

// A tmpfs of its own, so the disk can fill; only where the test may mount one.
class SmallDisk {
 public:
  explicit SmallDisk(const fs::path& at, const char* size = "size=3m") : at_(at) {
    fs::create_directories(at);
    mounted_ = ::mount("tmpfs", at.c_str(), "tmpfs", 0, size) == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount(at_.c_str());
  }
  bool mounted() const { return mounted_; }
  // Takes the space that is left.
  void Fill() const {
    std::ofstream filler(at_ / "filler", std::ios::binary);
    const std::string block(4096, 'x');
    while (filler.write(block.data(), block.size())) {
    }
  }

 private:
  fs::path at_;
  bool mounted_ = false;
};

TEST(FullDisk, RunCropAddAndStatsFailWithTheReasonAndLeaveTheFolderAsItWas) {
  TestFolder root;
  const SmallDisk disk(root / "disk");
  if (!disk.mounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
  const fs::path folder = root / "disk";
  PrepareStudyArea(folder, 6);
  Snapshot before = SnapshotOf(folder);
  const auto run = RunCli(RunArguments("33.07", folder));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << run.err;
  EXPECT_EQ(SnapshotOf(folder), before);

  TestFolder elsewhere;
  PrepareStudyArea(elsewhere.path(), 1);
  ASSERT_EQ(RunCli(RunArguments("33.07", elsewhere.path())).status, 0);
  fs::copy_file(elsewhere / "MARIC.wrk", folder / "MARIC.wrk");
  disk.Fill();
  before = SnapshotOf(folder);
  const auto add = RunCli("crop add --sa 1 --crop Tomato --area 5" + In(folder));
  EXPECT_EQ(add.status, 1);
  EXPECT_NE(add.err.find("No space left on device"), std::string::npos) << add.err;
  const auto stats = RunCli("stats --station MARIC" + In(folder));
  EXPECT_EQ(stats.status, 1);
  EXPECT_NE(stats.err.find("No space left on device"), std::string::npos) << stats.err;
  EXPECT_EQ(SnapshotOf(folder), before);

  // Room for one set but not for a second beside it: the next run is refused before it starts.
  const SmallDisk roomy(root / "roomy", "size=3300k");
  const fs::path second = root / "roomy";
  PrepareStudyArea(second, 1);
  ASSERT_EQ(RunCli(RunArguments("33.07", second)).status, 0);
  before = SnapshotOf(second);
  const auto again = RunCli(RunArguments("33.07", second));
  EXPECT_EQ(again.status, 2);
  EXPECT_NE(again.err.find(" MB free; the run needs about 1.9 MB (what its last run wrote, "
                           "SA00001-MARIC.kvrun)"),
            std::string::npos)
      << again.err;
  EXPECT_EQ(SnapshotOf(second), before);
}

TEST(BatchInterrupted, LinesDoneAreListedAndResumeCompletesTheRest) {
  TestFolder interrupted;
  TestFolder whole;
  const std::string lines =
      "kind,station,latitude,elevation,sa,years,fetch,folder\n"
      "day,MARIC,33.07,361,1,,,a\nday,MARIC,33.07,361,1,,,b\n"
      "day,MARIC,33.07,361,1,,,c\nday,MARIC,33.07,361,1,,,d\n";
  for (const TestFolder* root : {&interrupted, &whole}) {
    for (const char* name : {"a", "b", "c", "d"}) PrepareStudyArea(root->path() / name, 30);
    root->Write("runs.csv", lines);
  }
  ASSERT_EQ(testing::RunInFolder(whole, "\"$CLI\" batch --jobs 1 runs.csv").status, 0);

  const TestFolder output;
  const pid_t batch =
      Start("batch --jobs 1 runs.csv", {}, (output / "out").string(), interrupted.path());
  WaitForLock(interrupted / "a");  // the first line has begun
  ::kill(batch, SIGINT);
  EXPECT_EQ(Wait(batch), 1);
  EXPECT_NE(output.Read("out").find("Interrupted. Lines done: 2; lines that never ran: 3, 4, 5. "),
            std::string::npos)
      << output.Read("out");
  EXPECT_TRUE(SnapshotOf(interrupted / "a") == SnapshotOf(whole / "a"));
  for (const char* name : {"b", "c", "d"}) EXPECT_EQ(SnapshotOf(interrupted / name).size(), 2u);
  const auto resumed =
      testing::RunInFolder(interrupted, "\"$CLI\" batch --resume --jobs 1 runs.csv");
  EXPECT_EQ(resumed.status, 0) << resumed.err;
  EXPECT_EQ(resumed.out, "4 of 4 runs done (1 done before and skipped)\n");
  for (const char* name : {"a", "b", "c", "d"}) {
    EXPECT_TRUE(SnapshotOf(interrupted / name) == SnapshotOf(whole / name)) << name;
  }
}

}  // namespace
}  // namespace kelvaro
