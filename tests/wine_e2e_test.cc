// The Windows build of the whole program, run under Wine with Wine's own
// cmd.exe as the interpreter and the stand-in tool on the Windows PATH.
// The Wine prefix is the one in WINEPREFIX, made fresh for the test run.

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

// /a/b as Wine's drive Z: sees it.
std::string WindowsPath(const std::string& unix_path) {
  std::string path = "Z:" + unix_path;
  for (char& c : path) {
    if (c == '/')
      c = '\\';
  }
  return path;
}

std::string ToolFolder() {
  return fs::path(QUARNEL_EXE).parent_path().string();
}

// Runs |argv| under Wine, started in dir(), with |winepath| as the
// Windows PATH's head.
Ended RunWine(const Scratch& scratch, const Names& argv,
              const std::string& winepath) {
  Launch launch;
  launch.argv = {WINE};
  launch.argv.insert(launch.argv.end(), argv.begin(), argv.end());
  launch.path = "/usr/bin:/bin";
  launch.cwd = scratch.dir();
  launch.env = {"WINEDEBUG=-all", "WINEPATH=" + winepath};
  return RunProcess(scratch, launch);
}

// Runs skeinfold.exe in |scratch| with |args|; |tool_on_path| puts the
// stand-in's folder on the Windows PATH.
Ended RunUnderWine(const Scratch& scratch, const Names& args,
                   bool tool_on_path = true) {
  Names argv = {SKEINFOLD_EXE};
  argv.insert(argv.end(), args.begin(), args.end());
  return RunWine(scratch, argv,
                 tool_on_path ? WindowsPath(ToolFolder()) : "C:\\nowhere");
}

// What quarnel.exe writes for |file|, run the way cmd runs it.
std::string ToolOutput(const Scratch& scratch, const std::string& file) {
  Ended ended = RunWine(scratch, {QUARNEL_EXE, file, "-debug"}, "");
  EXPECT_EQ(ended.status, 0) << ended.err;
  return ended.out;
}

class Wine : public testing::Test {
 protected:
  void SetUp() override {
    const char* prefix = std::getenv("WINEPREFIX");
    ASSERT_TRUE(prefix && *prefix) << "WINEPREFIX must name a Wine prefix";
    prefix_ = prefix;
  }
  std::string prefix_;
};

TEST_F(Wine, TypicalRun) {
  Scratch scratch;
  scratch.Write("00000001.002", "second file\n");
  scratch.Write("notes.txt", "not numbered\n");
  scratch.Write("00000001.001", "first file\n");

  Ended ended = RunUnderWine(scratch, {"out.txt"});

  EXPECT_EQ(ended.status, 0);
  EXPECT_EQ(ended.out,
            "Processing 00000001.001.....Done.\r\n"
            "Processing 00000001.002.....Done.\r\n"
            "Ignoring notes.txt\r\n");
  EXPECT_EQ(scratch.Read("out.txt"), ToolOutput(scratch, "00000001.001") +
                                         ToolOutput(scratch, "00000001.002"));

  // Run again: replaced, not appended to.
  ended = RunUnderWine(scratch, {"out.txt"});
  EXPECT_EQ(ended.status, 0);
  EXPECT_EQ(scratch.Read("out.txt"), ToolOutput(scratch, "00000001.001") +
                                         ToolOutput(scratch, "00000001.002"));
}

TEST_F(Wine, UsageOnAWrongArgumentCount) {
  Scratch scratch;
  Ended ended = RunUnderWine(scratch, {});
  EXPECT_EQ(ended.status, 1);
  EXPECT_EQ(ended.out.substr(0, 24), "Skeinfold Version 1.00\r\n");
}

TEST_F(Wine, FirstFailedRunEndsThePass) {
  Scratch scratch;
  scratch.Write("00000001.001", "fine\n");
  scratch.MakeDirectory("00000001.002");
  scratch.Write("00000001.003", "never reached\n");

  Ended ended = RunUnderWine(scratch, {"out.txt"});

  EXPECT_EQ(ended.status, 3);
  EXPECT_EQ(ended.out,
            "Processing 00000001.001.....Done.\r\n"
            "Processing 00000001.002.....Failed!\r\n");
  EXPECT_EQ(scratch.Read("out.txt"), ToolOutput(scratch, "00000001.001"));
}

TEST_F(Wine, MissingToolIsAFailedRun) {
  Scratch scratch;
  scratch.Write("00000001.001", "x");
  Ended ended = RunUnderWine(scratch, {"out.txt"}, false);
  EXPECT_EQ(ended.status, 3);
  EXPECT_EQ(ended.out, "Processing 00000001.001.....Failed!\r\n");
}

TEST_F(Wine, OutputNameWithCmdMetacharacters) {
  const Names names = {
      "a b&c^d(e),f;g=h!i!'j.txt",
      "%PATH%.txt",
      "100%",
      "%COMSPEC:~0,1%&%%.txt",
  };
  for (const std::string& name : names) {
    Scratch scratch;
    scratch.Write("00000001.001", "x");
    Ended ended = RunUnderWine(scratch, {name});
    EXPECT_EQ(ended.status, 0) << name;
    EXPECT_EQ(ended.out, "Processing 00000001.001.....Done.\r\n") << name;
    Names expected = {"00000001.001", name};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(scratch.List(), expected) << name;
    EXPECT_EQ(scratch.Read(name), ToolOutput(scratch, "00000001.001")) << name;
  }
}

TEST_F(Wine, RefusesWhatCmdCannotBeGiven) {
  Scratch scratch;
  scratch.Write("00000001.001", "x");
  Ended ended = RunUnderWine(scratch, {"a\"&echo injected>injected.txt&\""});
  EXPECT_EQ(ended.status, 1);
  EXPECT_EQ(ended.out,
            "Output file a\"&echo injected>injected.txt&\" cannot be named to "
            "the command interpreter; choose another name.\r\n");
  EXPECT_EQ(scratch.List(), Names{"00000001.001"});
}

TEST_F(Wine, RefusesANumberedFileOfThisDirectory) {
  Scratch scratch;
  scratch.MakeDirectory("sub");
  scratch.Write("00000001.001", "precious\n");
  const Names names = {"00000001.001", ".\\00000001.001",
                       WindowsPath(scratch.dir()) + "\\00000001.001",
                       "sub\\..\\99999999.999"};
  for (const std::string& name : names) {
    Ended ended = RunUnderWine(scratch, {name});
    EXPECT_EQ(ended.status, 1) << name;
    EXPECT_EQ(ended.out, "Output file " + name +
                             " is a numbered file of this directory; choose "
                             "another name.\r\n");
    EXPECT_EQ(scratch.List(), (Names{"00000001.001", "sub"})) << name;
    EXPECT_EQ(scratch.Read("00000001.001"), "precious\n");
  }
}

// Runs skeinfold.exe in the root of a drive mapped onto |folder|.
Ended RunInDriveRoot(const Scratch& scratch, const std::string& prefix,
                     const std::string& folder) {
  std::string drive = prefix + "/dosdevices/q:";
  fs::remove(drive);
  fs::create_directory_symlink(folder, drive);
  Ended ended =
      RunWine(scratch,
              {"cmd", "/c",
               "cd /d Q:\\ && " + WindowsPath(SKEINFOLD_EXE) + " " +
                   WindowsPath(scratch.captures()) + "\\combined.txt"},
              WindowsPath(ToolFolder()));
  fs::remove(drive);
  return ended;
}

// A drive root lists neither a self nor a parent entry: every entry counts,
// and an empty root lists nothing at all.
TEST_F(Wine, DriveRoot) {
  Scratch scratch;
  scratch.Write("00000001.001", "first\n");
  scratch.Write("00000001.002", "second\n");
  scratch.MakeDirectory("empty");

  Ended ended = RunInDriveRoot(scratch, prefix_, scratch.dir());
  EXPECT_EQ(ended.status, 0);
  EXPECT_EQ(ended.out,
            "Processing 00000001.001.....Done.\r\n"
            "Processing 00000001.002.....Done.\r\n"
            "Ignoring empty\r\n");

  ended = RunInDriveRoot(scratch, prefix_, scratch.dir() + "/empty");
  EXPECT_EQ(ended.status, 0);
  EXPECT_EQ(ended.out, "");
}

}  // namespace
