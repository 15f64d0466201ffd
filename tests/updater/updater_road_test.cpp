// The updater's road on real files: a folder stands for the update server, the setup program's run
// and the program start are recorded; every road ends with a program in place.
#include "updater/updater_road.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/file_hash.h"
#include "platform/notice.h"
#include "tests/test_support.h"

namespace {

constexpr const char* kServer = "http://127.0.0.1:1";
constexpr const char* kSetupBytes = "MZ setup of the new version";

enum class SetupRun { kInstalls, kFails, kCannotStart, kLeavesNoProgram };

struct Machine {
  std::string serverDir;
  SetupRun setup = SetupRun::kInstalls;
  bool newProgramStarts = true;
  std::string events;  // downloads, the setup's run, the started program's contents
};

std::string notices;
void RecordNotice(const std::string& text, const std::string& caption) { notices += caption + ":" + text; }

bool Download(void* c, const std::string& address, const std::string& path) {
  Machine& m = *static_cast<Machine*>(c);
  const std::string onServer = address.substr(std::string(kServer).size());
  m.events += "get" + onServer + " ";
  if (!std::filesystem::exists(m.serverDir + onServer)) return false;
  WriteFileBytes(path, ReadFileBytes(m.serverDir + onServer));
  return true;
}

std::optional<int> RunSetup(void* c, const std::string& setupPath, const std::string& dir) {
  Machine& m = *static_cast<Machine*>(c);
  m.events += "setup(" + ReadFileBytes(setupPath) + ") ";
  if (m.setup == SetupRun::kCannotStart) return std::nullopt;
  if (m.setup == SetupRun::kLeavesNoProgram) return 0;
  WriteFileBytes(dir + "/hwdex.exe", "new program");
  return m.setup == SetupRun::kFails ? 2 : 0;
}

bool Start(void* c, const std::string& path) {
  Machine& m = *static_cast<Machine*>(c);
  const std::string program = ReadFileBytes(path);
  m.events += "start(" + program + ")";
  return program != "new program" || m.newProgramStarts;
}

class UpdaterRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(server_.File("up"));
    SetNoticeSink(RecordNotice);
    notices.clear();
    machine_.serverDir = server_.path();
  }
  void TearDown() override { SetNoticeSink(nullptr); }

  // The program as the update check leaves it: moved to its ".old" name.
  void ProgramMovedAside() { WriteFileBytes(program_.File("hwdex.exe.old"), "old program"); }

  void Publish(const char* hash, bool withSetup = true) {
    std::string text = "[版本]\r\nID=9.99\r\n";
    if (hash != nullptr) text += std::string("hx_setup.exe=") + hash + "\r\n";
    WriteFileBytes(server_.File("up/hxver.rar"), text);
    if (withSetup) WriteFileBytes(server_.File("up/hx_setup.exe"), kSetupBytes);
  }

  UpdaterEnd Run() {
    const UpdaterHooks hooks{&machine_, Download, RunSetup, Start};
    return RunUpdater(program_.path(), kServer, hooks);
  }

  bool Has(const char* name) const { return std::filesystem::exists(program_.File(name)); }

  TempDir server_;
  TempDir program_;
  Machine machine_;
  const std::string good_ = Sha256Hex(kSetupBytes);
};

TEST_F(UpdaterRoad, Installs) {
  ProgramMovedAside();
  Publish(good_.c_str());
  EXPECT_EQ(Run(), UpdaterEnd::kInstalled);
  EXPECT_EQ(machine_.events,
            "get/up/hxver.rar get/up/hx_setup.exe setup(MZ setup of the new version) start(new program)");
  EXPECT_EQ(ReadFileBytes(program_.File("hwdex.exe")), "new program");
  EXPECT_FALSE(Has("hwdex.exe.old"));
  EXPECT_FALSE(Has("hx_setup.exe"));
  EXPECT_FALSE(Has("hxver.rar"));
  EXPECT_EQ(notices, "");
}

// Every failure: the old program back under its name and started, the setup program gone, and a
// notice that says what went wrong.
TEST_F(UpdaterRoad, FailuresPutTheOldProgramBack) {
  const std::string wrong = Sha256Hex("a different file");
  struct Case {
    const char* name;
    const char* hash;  // the version file's entry; nullptr: none
    bool versionFile, setupFile;
    SetupRun setup;
    bool newStarts;
    UpdaterEnd end;
    const char* events;
    const char* notice;
  } kCases[] = {
      {"no version file", good_.c_str(), false, true, SetupRun::kInstalls, true, UpdaterEnd::kDownloadFailed,
       "get/up/hxver.rar start(old program)", "升级失败：无法从升级服务器下载新版本，请检查网络后再试。"},
      {"setup missing", good_.c_str(), true, false, SetupRun::kInstalls, true, UpdaterEnd::kDownloadFailed,
       "get/up/hxver.rar get/up/hx_setup.exe start(old program)",
       "升级失败：无法从升级服务器下载新版本，请检查网络后再试。"},
      {"hash wrong", wrong.c_str(), true, true, SetupRun::kInstalls, true, UpdaterEnd::kSetupRefused,
       "get/up/hxver.rar get/up/hx_setup.exe start(old program)",
       "升级失败：下载的安装程序与官方发布的不一致（校验未通过），已拒绝安装。"},
      {"hash missing", nullptr, true, true, SetupRun::kInstalls, true, UpdaterEnd::kSetupRefused,
       "get/up/hxver.rar get/up/hx_setup.exe start(old program)",
       "升级失败：下载的安装程序与官方发布的不一致（校验未通过），已拒绝安装。"},
      {"setup cannot start", good_.c_str(), true, true, SetupRun::kCannotStart, true, UpdaterEnd::kSetupFailed,
       "get/up/hxver.rar get/up/hx_setup.exe setup(MZ setup of the new version) start(old program)",
       "升级失败：新版本没有安装成功。"},
      {"setup fails", good_.c_str(), true, true, SetupRun::kFails, true, UpdaterEnd::kSetupFailed,
       "get/up/hxver.rar get/up/hx_setup.exe setup(MZ setup of the new version) start(old program)",
       "升级失败：新版本没有安装成功。"},
      {"setup leaves no program", good_.c_str(), true, true, SetupRun::kLeavesNoProgram, true, UpdaterEnd::kSetupFailed,
       "get/up/hxver.rar get/up/hx_setup.exe setup(MZ setup of the new version) start(old program)",
       "升级失败：新版本没有安装成功。"},
      {"new program does not start", good_.c_str(), true, true, SetupRun::kInstalls, false, UpdaterEnd::kStartFailed,
       "get/up/hxver.rar get/up/hx_setup.exe setup(MZ setup of the new version) start(new program)start(old program)",
       "升级失败：新版本无法启动。"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(server_.File("up"));
    std::filesystem::create_directories(server_.File("up"));
    std::filesystem::remove(program_.File("hwdex.exe"));
    ProgramMovedAside();
    if (c.versionFile) Publish(c.hash, c.setupFile);
    machine_ = Machine{server_.path(), c.setup, c.newStarts, ""};
    notices.clear();

    EXPECT_EQ(Run(), c.end);
    EXPECT_EQ(machine_.events, c.events);
    EXPECT_EQ(ReadFileBytes(program_.File("hwdex.exe")), "old program");
    EXPECT_FALSE(Has("hwdex.exe.old"));
    EXPECT_FALSE(Has("hx_setup.exe"));
    EXPECT_EQ(U8(notices), U8("提示:") + U8(c.notice) + "\r\n" + U8("已恢复原来的版本。"));
  }
}

// The move to ".old" had failed (a file of that name was left by an earlier upgrade): the program
// file is still the one that ran, and a failure before the setup keeps it rather than the old file.
TEST_F(UpdaterRoad, FailureBeforeSetupKeepsTheProgramThatRan) {
  WriteFileBytes(program_.File("hwdex.exe"), "program that ran");
  WriteFileBytes(program_.File("hwdex.exe.old"), "older leftover");
  EXPECT_EQ(Run(), UpdaterEnd::kDownloadFailed);
  EXPECT_EQ(ReadFileBytes(program_.File("hwdex.exe")), "program that ran");
  EXPECT_EQ(machine_.events, "get/up/hxver.rar start(program that ran)");
}

TEST_F(UpdaterRoad, NoProgramAtAllSaysSo) {
  EXPECT_EQ(Run(), UpdaterEnd::kDownloadFailed);
  EXPECT_EQ(machine_.events, "get/up/hxver.rar ");
  EXPECT_EQ(U8(notices), U8("提示:升级失败：无法从升级服务器下载新版本，请检查网络后再试。\r\n"
                            "找不到原来的程序，请从沐杉网站重新下载安装沐杉电脑助手。"));
}

// A setup program of an earlier attempt lying in the folder is replaced by the download; a version
// file that does not name the setup's hash refuses even the right file.
TEST_F(UpdaterRoad, StaleSetupIsNeverRun) {
  ProgramMovedAside();
  WriteFileBytes(program_.File("hx_setup.exe"), kSetupBytes);
  Publish(nullptr, false);
  EXPECT_EQ(Run(), UpdaterEnd::kDownloadFailed);
  EXPECT_FALSE(Has("hx_setup.exe"));
  EXPECT_EQ(machine_.events.find("setup("), std::string::npos);
}

TEST(UpdaterMessages, EveryFailureHasItsText) {
  for (UpdaterEnd end : {UpdaterEnd::kDownloadFailed, UpdaterEnd::kSetupRefused, UpdaterEnd::kSetupFailed,
                         UpdaterEnd::kStartFailed}) {
    const std::string text = UpdaterMessage(end, true);
    EXPECT_GT(text.size(), std::string("已恢复原来的版本。").size()) << static_cast<int>(end);
  }
}

}  // namespace
