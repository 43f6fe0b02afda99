#include "find_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Runs each test in a directory of its own.
class FindFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = fs::temp_directory_path().string() + "/find-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    previous_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }

  static void Touch(const std::string& name) {
    std::ofstream(name).put('x');
  }

  // Reads a whole listing; |during| runs once the listing is open.
  static std::vector<std::string> ListAll(void (*during)() = nullptr) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE listing = FindFirstFileA("*", &data);
    EXPECT_NE(listing, INVALID_HANDLE_VALUE);
    if (listing == INVALID_HANDLE_VALUE)
      return names;
    if (during)
      during();
    do
      names.push_back(data.cFileName);
    while (FindNextFileA(listing, &data));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_NO_MORE_FILES});
    FindClose(listing);
    return names;
  }

  fs::path dir_, previous_;
};

}  // namespace

TEST_F(FindFileTest, SelfAndParentFirstThenByteOrder) {
  for (const char* name :
       {"b", "a", "00000002", "..a", "~", "\xe9", ".z", "00000001.001", "B"})
    Touch(name);
  fs::create_directory("1.1");
  EXPECT_EQ(ListAll(), (std::vector<std::string>{
                           ".", "..", "..a", ".z", "00000001.001", "00000002",
                           "1.1", "B", "a", "b", "~", "\xe9"}));
}

TEST_F(FindFileTest, ListingIsTakenWhenOpened) {
  Touch("00000001.001");
  Touch("00000001.002");
  auto during = [] {
    std::remove("00000001.002");
    Touch("00000001.003");
  };
  EXPECT_EQ(ListAll(during), (std::vector<std::string>{
                                 ".", "..", "00000001.001", "00000001.002"}));
}

TEST_F(FindFileTest, LongestNamesFit) {
  std::string longest(255, '7');
  Touch(longest);
  EXPECT_EQ(ListAll(), (std::vector<std::string>{".", "..", longest}));
}

TEST_F(FindFileTest, FailuresToOpen) {
  WIN32_FIND_DATAA data;
  EXPECT_EQ(FindFirstFileA("*.txt", &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});

  // A removed directory lists nothing at all.
  fs::current_path(previous_);
  fs::path gone = dir_ / "gone";
  fs::create_directory(gone);
  fs::current_path(gone);
  fs::remove(gone);
  EXPECT_EQ(FindFirstFileA("*", &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_FILE_NOT_FOUND});
}
