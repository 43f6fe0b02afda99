#include "tool_run.h"

#include <gtest/gtest.h>

TEST(ComposeToolCommand, NamesTheFileTheRedirectionAndTheOutput) {
  EXPECT_EQ(ComposeToolCommand("12345678.001", ">", "out.txt"),
            "quarnel 12345678.001 -debug > out.txt");
  EXPECT_EQ(ComposeToolCommand("12345678.001", ">>", "out.txt"),
            "quarnel 12345678.001 -debug >> out.txt");
}

TEST(ComposeToolCommand, HasNoLengthLimit) {
  std::string entry(255, '1');
  std::string output(10000, 'o');
  std::string command = ComposeToolCommand(entry.c_str(), ">>", output);
  EXPECT_EQ(command, "quarnel " + entry + " -debug >> " + output);
}
