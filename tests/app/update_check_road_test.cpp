// The update check's road on real files: a folder stands for the update server (a download copies
// from it; a missing file is a failed download), the user value "up" lives in the registry the
// program reads, and the hooks record what the window would be asked to do.
#include "app/update_check_road.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/file_hash.h"
#include "platform/registry.h"
#include "tests/test_support.h"

namespace {

constexpr const char* kServer = "http://127.0.0.1:1";

struct Window {
  std::string serverDir;  // empty: the server cannot be reached
  bool answerOk = false;
  std::string events;     // one word per hook call, in order
  std::string title;
};

void SetTitle(void* c, const std::string& title) {
  static_cast<Window*>(c)->title = title;
  static_cast<Window*>(c)->events += "title ";
}
bool Download(void* c, const std::string& address, const std::string& path) {
  Window& w = *static_cast<Window*>(c);
  const std::string path_on_server = address.substr(std::string(kServer).size());
  w.events += "get" + path_on_server + " ";
  if (w.serverDir.empty() || !std::filesystem::exists(w.serverDir + path_on_server)) return false;
  WriteFileBytes(path, ReadFileBytes(w.serverDir + path_on_server));
  return true;
}
void StartTimer(void* c) { static_cast<Window*>(c)->events += "timer1 "; }
bool Ask(void* c) {
  static_cast<Window*>(c)->events += "ask ";
  return static_cast<Window*>(c)->answerOk;
}
void StartUpdater(void* c, const std::string& path) {
  static_cast<Window*>(c)->events += std::filesystem::path(path).filename().string() + " ";
}
void Close(void* c) { static_cast<Window*>(c)->events += "close"; }

constexpr const char* kUpdaterBytes = "MZ the updater";

class UpdateCheckRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(server_.File("up"));
    WriteFileBytes(program_.File("hwdex.exe"), "program");
    window_.serverDir = server_.path();
    hooks_ = {&window_, SetTitle, Download, StartTimer, Ask, StartUpdater, Close};
  }

  // The server offers version id; the updater's hash entry is hash (absent when null).
  void Offer(const std::string& id, const char* hash, bool withUpdater = true) {
    std::string text = "[版本]\r\n";
    if (!id.empty()) text += "ID=" + id + "\r\n";
    if (hash != nullptr) text += std::string("hx_up.exe=") + hash + "\r\n";
    WriteFileBytes(server_.File("up/hxver.rar"), text);
    if (withUpdater) WriteFileBytes(server_.File("up/hx_up.exe"), kUpdaterBytes);
  }

  UpdateCheckEnd Run(std::optional<std::string> localVersion = std::string("2.15")) {
    return RunUpdateCheck({program_.path(), program_.File("hwdex.exe"), localVersion, kServer}, hooks_);
  }

  bool InProgramDir(const char* name) const { return std::filesystem::exists(program_.File(name)); }

  TempDir server_;
  TempDir program_;
  Window window_;
  UpdateCheckHooks hooks_;
  std::string goodHash_ = Sha256Hex(kUpdaterBytes);
};

// For each answer of the server and of the user, what the window was asked to do and which files
// are left in the program directory. "up" is "0" in each of these rows.
TEST_F(UpdateCheckRoad, OutcomeTable) {
  const std::string good = goodHash_;
  const std::string upper = [&] { std::string u = good; for (char& ch : u) ch = static_cast<char>(std::toupper(ch)); return u; }();
  const std::string wrong = Sha256Hex("something else");
  struct Case {
    const char* name;
    bool serverUp;
    const char* id;      // nullptr: no version file on the server
    const char* hash;    // the updater's entry
    bool withUpdater;
    bool answerOk;
    UpdateCheckEnd end;
    const char* events;
    bool versionFileLeft, updaterLeft, programMoved;
  } kCases[] = {
      {"no server", false, "2.16", good.c_str(), true, true, UpdateCheckEnd::kNothingNewer,
       "title get/up/hxver.rar timer1 ", false, false, false},
      {"no version file", true, nullptr, nullptr, false, true, UpdateCheckEnd::kNothingNewer,
       "title get/up/hxver.rar timer1 ", false, false, false},
      {"no ID", true, "", good.c_str(), true, true, UpdateCheckEnd::kNoVersionId,
       "title get/up/hxver.rar ", true, false, false},
      {"equal", true, "2.15", good.c_str(), true, true, UpdateCheckEnd::kNothingNewer,
       "title get/up/hxver.rar timer1 ", false, false, false},
      {"older", true, "2.1", good.c_str(), true, true, UpdateCheckEnd::kNothingNewer,
       "title get/up/hxver.rar timer1 ", false, false, false},
      {"newer, OK", true, "2.16", good.c_str(), true, true, UpdateCheckEnd::kUpgradeStarted,
       "title get/up/hxver.rar get/up/hx_up.exe ask hx_up.exe close", false, true, true},
      {"newer as a decimal number, OK", true, "2.9", upper.c_str(), true, true, UpdateCheckEnd::kUpgradeStarted,
       "title get/up/hxver.rar get/up/hx_up.exe ask hx_up.exe close", false, true, true},
      {"newer, Cancel", true, "2.16", good.c_str(), true, false, UpdateCheckEnd::kDeclined,
       "title get/up/hxver.rar get/up/hx_up.exe ask ", false, true, false},
      {"newer, updater missing", true, "2.16", good.c_str(), false, true, UpdateCheckEnd::kUpdaterFailed,
       "title get/up/hxver.rar get/up/hx_up.exe ", false, false, false},
      {"newer, updater hash missing", true, "2.16", nullptr, true, true, UpdateCheckEnd::kUpdaterFailed,
       "title get/up/hxver.rar get/up/hx_up.exe ", false, false, false},
      {"newer, updater hash wrong", true, "2.16", wrong.c_str(), true, true, UpdateCheckEnd::kUpdaterFailed,
       "title get/up/hxver.rar get/up/hx_up.exe ", false, false, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(server_.File("up"));
    std::filesystem::create_directories(server_.File("up"));
    std::filesystem::remove(program_.File("hwdex.exe.old"));
    std::filesystem::remove(program_.File("hx_up.exe"));
    WriteFileBytes(program_.File("hwdex.exe"), "program");
    if (c.id != nullptr) Offer(c.id, c.hash, c.withUpdater);
    WriteUserValue("up", "0");
    window_ = Window{c.serverUp ? server_.path() : "", c.answerOk, "", ""};

    EXPECT_EQ(Run(), c.end);
    EXPECT_EQ(window_.events, c.events);
    EXPECT_EQ(U8(window_.title), U8("沐杉电脑助手 2.15"));
    EXPECT_EQ(InProgramDir("hxver.rar"), c.versionFileLeft);
    EXPECT_EQ(InProgramDir("hx_up.exe"), c.updaterLeft);
    EXPECT_EQ(InProgramDir("hwdex.exe.old"), c.programMoved);
    EXPECT_EQ(InProgramDir("hwdex.exe"), !c.programMoved);
    EXPECT_EQ(UpdateCheckExitCode(c.end), c.end == UpdateCheckEnd::kNoVersionId ? -1 : 0);
  }
}

// The upload prompt after a check that finds nothing newer: unless "up" is exactly "1".
TEST_F(UpdateCheckRoad, UploadMarker) {
  Offer("2.15", goodHash_.c_str());
  struct { const char* marker; const char* events; } kCases[] = {
      {"0", "title get/up/hxver.rar timer1 "},
      {"1", "title get/up/hxver.rar "},
      {"2", "title get/up/hxver.rar timer1 "},
  };
  for (const auto& c : kCases) {
    WriteUserValue("up", c.marker);
    window_.events.clear();
    EXPECT_EQ(Run(), UpdateCheckEnd::kNothingNewer);
    EXPECT_EQ(window_.events, c.events) << c.marker;
  }
}

#ifndef _WIN32
TEST_F(UpdateCheckRoad, MissingUploadMarkerPrompts) {
  ClearRegistry();
  Offer("2.15", goodHash_.c_str());
  EXPECT_EQ(Run(), UpdateCheckEnd::kNothingNewer);
  EXPECT_EQ(window_.events, "title get/up/hxver.rar timer1 ");
}
#endif

// Accepting the upgrade resets "up" to "0", so the new version prompts for the upload again.
TEST_F(UpdateCheckRoad, AcceptedUpgradeResetsTheMarker) {
  Offer("2.16", goodHash_.c_str());
  WriteUserValue("up", "1");
  window_.answerOk = true;
  EXPECT_EQ(Run(), UpdateCheckEnd::kUpgradeStarted);
  EXPECT_EQ(ReadUserValue("up").value_or("(missing)"), "0");
  EXPECT_EQ(ReadFileBytes(program_.File("hwdex.exe.old")), "program");
}

// A program file left under the ".old" name by an earlier upgrade is replaced by the running one,
// so that the updater puts back the program that ran last.
TEST_F(UpdateCheckRoad, StaleOldProgramIsReplaced) {
  Offer("2.16", goodHash_.c_str());
  WriteFileBytes(program_.File("hwdex.exe.old"), "an older program");
  window_.answerOk = true;
  EXPECT_EQ(Run(), UpdateCheckEnd::kUpgradeStarted);
  EXPECT_EQ(ReadFileBytes(program_.File("hwdex.exe.old")), "program");
  EXPECT_FALSE(InProgramDir("hwdex.exe"));
}

// Without a version resource: the bare product name, no question, nothing downloaded; the upload
// prompt follows as after any check that offers nothing.
TEST_F(UpdateCheckRoad, NoVersionResource) {
  Offer("9.99", goodHash_.c_str());
  WriteUserValue("up", "0");
  window_.answerOk = true;
  EXPECT_EQ(Run(std::nullopt), UpdateCheckEnd::kNothingNewer);
  EXPECT_EQ(U8(window_.title), U8("沐杉电脑助手"));
  EXPECT_EQ(window_.events, "title timer1 ");
  EXPECT_TRUE(InProgramDir("hwdex.exe"));
}

// "ID" is read as a 50-byte buffer reads it: 49 characters.
TEST_F(UpdateCheckRoad, LongVersionIdIsCut) {
  Offer("2.16" + std::string(60, '0'), goodHash_.c_str());
  window_.answerOk = false;
  EXPECT_EQ(Run(), UpdateCheckEnd::kDeclined);
}

// A stale version file in the program directory is replaced by the download, never read instead.
TEST_F(UpdateCheckRoad, StaleVersionFileIsNotRead) {
  WriteFileBytes(program_.File("hxver.rar"), "[版本]\r\nID=9.99\r\n");
  window_.serverDir.clear();
  WriteUserValue("up", "0");
  EXPECT_EQ(Run(), UpdateCheckEnd::kNothingNewer);
  EXPECT_EQ(window_.events, "title get/up/hxver.rar timer1 ");
}

}  // namespace
