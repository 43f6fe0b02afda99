#include "interpreter.h"

#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Hands every name, quoted, to the real shell and returns what it printed
// for each, one by one.
std::vector<std::string> EchoThroughShell(
    const std::vector<std::string>& names) {
  std::string script;
  for (const std::string& name : names) {
    std::string word;
    EXPECT_TRUE(NameForInterpreter(name, &word));
    script += "printf '%s\\0' " + word + "\n";
  }
  std::string command;
  EXPECT_TRUE(NameForInterpreter(script, &command));
  std::FILE* shell = popen(("/bin/sh -c " + command).c_str(), "r");
  EXPECT_NE(shell, nullptr);
  std::vector<std::string> printed(1);
  int c;
  while ((c = std::fgetc(shell)) != EOF) {
    if (c == '\0')
      printed.emplace_back();
    else
      printed.back() += static_cast<char>(c);
  }
  EXPECT_EQ(pclose(shell), 0);
  printed.pop_back();
  return printed;
}

}  // namespace

TEST(NameForInterpreter, EveryNameReachesTheShellUnchanged) {
  std::vector<std::string> names = {"", "'", "''", "a'b", "'\\''", "\\", "-n"};
  for (int byte = 1; byte < 256; ++byte)
    names.push_back(std::string(1, static_cast<char>(byte)) + "x" +
                    static_cast<char>(byte));
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> byte(1, 255), length(1, 40);
  for (int i = 0; i < 500; ++i) {
    std::string name;
    for (int n = length(random); n > 0; --n)
      name += static_cast<char>(byte(random));
    names.push_back(name);
  }

  EXPECT_EQ(EchoThroughShell(names), names);
}

TEST(DecodeSystemStatus, ReadsWhatTheShellReports) {
  struct Case {
    const char* command;
    RunStatus::Outcome outcome;
    int signal;
  };
  const Case cases[] = {
      {"exit 0", RunStatus::kSucceeded, 0},
      {"exit 1", RunStatus::kFailed, 0},
      {"exit 127", RunStatus::kFailed, 0},
      {"exit 128", RunStatus::kFailed, 0},
      {"exit 129", RunStatus::kFailed, 0},
      {"exit 130", RunStatus::kInterrupted, SIGINT},
      {"exit 131", RunStatus::kInterrupted, SIGQUIT},
      {"exit 137", RunStatus::kFailed, 0},
      {"kill -INT $$", RunStatus::kInterrupted, SIGINT},
      {"kill -QUIT $$", RunStatus::kInterrupted, SIGQUIT},
      {"kill -TERM $$", RunStatus::kFailed, 0},
      {"kill -KILL $$", RunStatus::kFailed, 0},
  };
  for (const Case& c : cases) {
    RunStatus status = DecodeSystemStatus(std::system(c.command));
    EXPECT_EQ(status.outcome, c.outcome) << c.command;
    if (c.outcome == RunStatus::kInterrupted) {
      EXPECT_EQ(status.signal, c.signal) << c.command;
    }
  }
  EXPECT_EQ(DecodeSystemStatus(-1).outcome, RunStatus::kFailed);
}
