#include "interpreter.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Runs each test in an empty directory of its own.
class CmdTest : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    dir_ = fs::temp_directory_path() /
           ("cmd-test-" + std::to_string(std::rand()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }

  static std::vector<std::string> List() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("."))
      names.push_back(entry.path().filename().string());
    return names;
  }

  fs::path dir_, previous_;
};

}  // namespace

TEST_F(CmdTest, RedirectionCreatesExactlyTheNamedFile) {
  const char* const names[] = {
      "plain.txt",
      "a b.txt",
      " leading blank.txt",
      "a&b.txt",
      "a^b.txt",
      "(a),b;c=d.txt",
      "!a!.txt",
      "a'b.txt",
      "[x]{y}+~@#$.txt",
      "%PATH%.txt",
      "100%.txt",
      "%",
      "%%",
      "%~dp0.txt",
      "%COMSPEC:~0,1%.txt",
      "a%PATH%b%PATH%c",
      "%COMSPEC%",
  };
  for (const char* name : names) {
    std::string word;
    ASSERT_TRUE(NameForInterpreter(name, &word)) << name;
    EXPECT_EQ(std::system(("echo x> " + word).c_str()), 0) << word;
    EXPECT_EQ(List(), std::vector<std::string>{name}) << word;
    fs::remove(name);
  }
}

TEST_F(CmdTest, NoNameRunsACommand) {
  // Names Windows cannot hold: the redirection fails, and that is all.
  const char* const names[] = {
      "&echo injected>injected.txt",
      "a|echo injected>injected.txt",
      "%COMSPEC%&echo injected>injected.txt",
      "a\"&echo injected>injected.txt&\"",
  };
  for (const char* name : names) {
    std::string word;
    if (NameForInterpreter(name, &word))
      std::system(("echo x> " + word).c_str());
    EXPECT_FALSE(fs::exists("injected.txt")) << name;
  }
}

TEST(NameForInterpreter, RefusesWhatCmdCannotBeGiven) {
  for (const char* name : {"a\"b", "a\nb", "a\rb", "tab\t"}) {
    std::string word = "unchanged";
    EXPECT_FALSE(NameForInterpreter(name, &word)) << name;
    EXPECT_EQ(word, "unchanged");
  }
}

TEST(DecodeSystemStatus, ZeroAloneIsSuccess) {
  EXPECT_EQ(DecodeSystemStatus(std::system("exit 0")).outcome,
            RunStatus::kSucceeded);
  EXPECT_EQ(DecodeSystemStatus(std::system("exit 3")).outcome,
            RunStatus::kFailed);
  EXPECT_EQ(DecodeSystemStatus(std::system("no-such-command-here")).outcome,
            RunStatus::kFailed);
  EXPECT_EQ(DecodeSystemStatus(-1).outcome, RunStatus::kFailed);
}
