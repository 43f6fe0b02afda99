#include "entry_name.h"

#include <gtest/gtest.h>

TEST(IsNumberedFileName, DigitsDotsAndSlashOnly) {
  struct Case {
    const char* name;
    bool numbered;
  };
  const Case cases[] = {
      {"12345678.001", true},  {"1", true},           {"1.2.3", true},
      {"...", true},           {"0/9", true},  // '/' lies in the range too
      {"12a45678.001", false}, {"readme.txt", false}, {"out.txt", false},
      {"12345678 001", false}, {"-1", false},    // 0x2d, just below the range
      {"1:2", false},                            // 0x3a, just above it
      {"1\xb2", false},        {"\xae", false},  // 0x2e with the high bit set
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsNumberedFileName(c.name), c.numbered) << c.name;
}

TEST(IsSelfOrParentName, OnlyTheTwoDotEntries) {
  EXPECT_TRUE(IsSelfOrParentName("."));
  EXPECT_TRUE(IsSelfOrParentName(".."));
  EXPECT_FALSE(IsSelfOrParentName("..."));
  EXPECT_FALSE(IsSelfOrParentName(".a"));
  EXPECT_FALSE(IsSelfOrParentName(""));
}
