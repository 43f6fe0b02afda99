// The whole program, run through the real /bin/sh in fresh directories with
// the stand-in tool first on PATH.

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"
#include "posix_program.h"

namespace {

using Names = std::vector<std::string>;

const char kUsage[] =
    "Skeinfold Version 1.00\n"
    "\n"
    "Syntax: Skeinfold <outputfile>\n"
    "\n"
    "Notes:\n"
    "\n"
    "   Skeinfold passes all files of the form nnnnnnnn.nnn (where n is a "
    "number)\n"
    "   through 'quarnel -debug', and combines the results in the specified\n"
    "   output file. It will ignore all file names containing a character "
    "other\n"
    "   a number or a '.' Skeinfold processes files in the current directory "
    "only.\n"
    "\n";

TEST(EndToEnd, TypicalRun) {
  Scratch scratch;
  scratch.Write("00000001.002", "second file\n");
  scratch.Write("notes.txt", "not numbered\n");
  scratch.Write("00000001.001", "first file\n");

  Ended ended = RunSkeinfold(scratch, {"out.txt"});

  EXPECT_EQ(ended.status, 0);
  EXPECT_EQ(ended.out,
            "Processing 00000001.001.....Done.\n"
            "Processing 00000001.002.....Done.\n"
            "Ignoring notes.txt\n");
  EXPECT_EQ(ended.err, "");
  EXPECT_EQ(scratch.Read("out.txt"), ToolOutput(scratch, "00000001.001") +
                                         ToolOutput(scratch, "00000001.002"));
}

TEST(EndToEnd, FirstRunReplacesAndLaterRunsAppend) {
  Scratch scratch;
  scratch.Write("!first", "ignored, and listed before the numbered files\n");
  scratch.Write("1", "one\n");
  scratch.Write("1.2.3", "two\n");
  scratch.Write("out.txt", "stale contents of an earlier day\n");
  std::string combined =
      ToolOutput(scratch, "1") + ToolOutput(scratch, "1.2.3");

  for (int pass = 0; pass < 2; ++pass) {
    Ended ended = RunSkeinfold(scratch, {"out.txt"});
    EXPECT_EQ(ended.status, 0);
    EXPECT_EQ(ended.out,
              "Ignoring !first\n"
              "Processing 1.....Done.\n"
              "Processing 1.2.3.....Done.\n"
              "Ignoring out.txt\n");
    EXPECT_EQ(scratch.Read("out.txt"), combined) << "pass " << pass;
  }
}

TEST(EndToEnd, NothingNumberedLeavesOutputAlone) {
  Scratch scratch;
  Ended empty = RunSkeinfold(scratch, {"out.txt"});
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(empty.out, "");
  EXPECT_EQ(scratch.List(), Names{});

  scratch.Write("readme.txt", "x");
  scratch.Write("12a45678.001", "x");
  scratch.Write("with blank", "x");
  Ended ignored = RunSkeinfold(scratch, {"out.txt"});
  EXPECT_EQ(ignored.status, 0);
  EXPECT_EQ(ignored.out,
            "Ignoring 12a45678.001\n"
            "Ignoring readme.txt\n"
            "Ignoring with blank\n");
  EXPECT_EQ(scratch.List(),
            (Names{"12a45678.001", "readme.txt", "with blank"}));
}

TEST(EndToEnd, FirstFailedRunEndsThePass) {
  Scratch scratch;
  scratch.Write("00000001.001", "fine\n");
  scratch.MakeDirectory("00000001.002");  // the tool cannot read a directory
  scratch.Write("00000001.003", "never reached\n");
  scratch.Write("zzz", "never reported\n");

  Ended ended = RunSkeinfold(scratch, {"out.txt"});

  EXPECT_EQ(ended.status, 3);
  EXPECT_EQ(ended.out,
            "Processing 00000001.001.....Done.\n"
            "Processing 00000001.002.....Failed!\n");
  EXPECT_NE(ended.err.find("quarnel: cannot read 00000001.002"),
            std::string::npos);
  EXPECT_EQ(scratch.Read("out.txt"), ToolOutput(scratch, "00000001.001"));
}

TEST(EndToEnd, MissingToolIsAFailedRun) {
  Scratch scratch;
  scratch.Write("00000001.001", "x");
  Launch launch;
  launch.argv = {SKEINFOLD_BIN, "out.txt"};
  launch.path = scratch.tools();  // holds no quarnel
  launch.cwd = scratch.dir();

  Ended ended = RunProcess(scratch, launch);

  EXPECT_EQ(ended.status, 3);
  EXPECT_EQ(ended.out, "Processing 00000001.001.....Failed!\n");
}

TEST(EndToEnd, WrongArgumentCountPrintsUsage) {
  const std::vector<Names> cases = {
      {}, {"out.txt", "more.txt"}, {"a", "b", "c"}};
  for (const Names& args : cases) {
    Scratch scratch;
    scratch.Write("00000001.001", "x");
    Ended ended = RunSkeinfold(scratch, args);
    EXPECT_EQ(ended.status, 1) << args.size() << " arguments";
    EXPECT_EQ(ended.out, kUsage) << args.size() << " arguments";
    EXPECT_EQ(ended.err, "");
    EXPECT_EQ(scratch.List(), Names{"00000001.001"});
  }
}

TEST(EndToEnd, ProgressStandsBeforeWhatTheToolSays) {
  Scratch scratch;
  scratch.Write("00000001.001", "x");
  scratch.WriteTool("quarnel", "echo 'tool says' >&2");
  Launch launch;
  launch.argv = {SKEINFOLD_BIN, "out.txt"};
  launch.path = DefaultPath(scratch);
  launch.cwd = scratch.dir();
  launch.merge_err = true;

  Ended ended = RunProcess(scratch, launch);

  EXPECT_EQ(ended.out, "Processing 00000001.001.....tool says\nDone.\n");
}

TEST(EndToEnd, UnlistableDirectory) {
  Scratch scratch;
  scratch.Write("00000001.001", "x");
  chmod(scratch.dir().c_str(), 0111);  // may be entered, not read
  // The superuser reads any directory.
  Ended ended = RunSkeinfold(scratch, {"/dev/null"}, kUnprivileged);

  EXPECT_EQ(ended.status, 2);
  EXPECT_EQ(ended.out, "Failed to open directory for read!\n");
  EXPECT_EQ(ended.err, "");
}

TEST(EndToEnd, RefusesANumberedFileOfThisDirectory) {
  Scratch scratch;
  std::string here = scratch.dir();
  std::string base = here.substr(here.rfind('/') + 1);
  const Names names = {"00000001.001",         "./00000001.001",
                       here + "/00000001.001", "../" + base + "/00000001.001",
                       "99999999.999",         "sub/../00000001.001"};
  for (const std::string& name : names) {
    scratch.Write("00000001.001", "precious\n");
    scratch.MakeDirectory("sub");
    Ended ended = RunSkeinfold(scratch, {name});
    EXPECT_EQ(ended.status, 1) << name;
    EXPECT_EQ(ended.out, "Output file " + name +
                             " is a numbered file of this directory; choose "
                             "another name.\n");
    EXPECT_EQ(scratch.List(), (Names{"00000001.001", "sub"})) << name;
    EXPECT_EQ(scratch.Read("00000001.001"), "precious\n") << name;
  }
}

TEST(EndToEnd, AcceptsANumberedNameElsewhere) {
  Scratch scratch;
  scratch.MakeDirectory("sub");
  scratch.Write("00000001.001", "x");
  Ended ended = RunSkeinfold(scratch, {"sub/00000001.001"});
  EXPECT_EQ(ended.status, 0);
  EXPECT_EQ(scratch.Read("sub/00000001.001"),
            ToolOutput(scratch, "00000001.001"));
}

TEST(EndToEnd, OutputNameIsTakenLiterally) {
  const Names names = {
      "out put.txt",
      "$(touch injected) `touch injected`; touch injected & | < > * ? ~ ! %",
      "it's \"quoted\" \\ and\nsplit\tby\rcontrols",
      "-starts-with-dash",
      std::string(200, 'a') + "/" + std::string(200, 'b') + "/out.txt",
  };
  for (const std::string& name : names) {
    Scratch scratch;
    scratch.Write("00000001.001", "x");
    std::string lines = "Processing 00000001.001.....Done.\n";
    if (name.find('/') != std::string::npos) {
      scratch.MakeDirectory(name.substr(0, name.rfind('/')));
      lines += "Ignoring " + name.substr(0, name.find('/')) + "\n";
    }
    Ended ended = RunSkeinfold(scratch, {name});
    EXPECT_EQ(ended.status, 0) << name;
    EXPECT_EQ(ended.out, lines) << name;
    EXPECT_EQ(scratch.Read(name), ToolOutput(scratch, "00000001.001")) << name;
    Names expected = {name.substr(0, name.find('/')), "00000001.001"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(scratch.List(), expected) << name;
  }
}

// The user presses Ctrl-C during a run: the tool dies of the signal, or the
// shell reports it as 128 + signal. The program then ends by that signal.
TEST(EndToEnd, InterruptedRunEndsTheProgramByItsSignal) {
  struct Case {
    const char* tool;
    int signal;
  };
  const Case cases[] = {
      {"kill -INT $$", SIGINT},
      {"exit 130", SIGINT},
      {"kill -QUIT $$", SIGQUIT},
      {"exit 131", SIGQUIT},
  };
  for (const Case& c : cases) {
    Scratch scratch;
    scratch.Write("00000001.001", "x");
    scratch.Write("00000001.002", "x");
    scratch.WriteTool("quarnel", c.tool);
    Ended ended = RunSkeinfold(scratch, {"out.txt"});
    EXPECT_EQ(ended.signal, c.signal) << c.tool;
    EXPECT_EQ(ended.out, "Processing 00000001.001.....Failed!\n") << c.tool;
  }
}

TEST(EndToEnd, OtherSignalsAndStatusesAreFailedRuns) {
  for (const char* tool :
       {"kill -KILL $$", "kill -TERM $$", "exit 129", "exit 1"}) {
    Scratch scratch;
    scratch.Write("00000001.001", "x");
    scratch.Write("00000001.002", "x");
    scratch.WriteTool("quarnel", tool);
    Ended ended = RunSkeinfold(scratch, {"out.txt"});
    EXPECT_EQ(ended.status, 3) << tool;
    EXPECT_EQ(ended.out, "Processing 00000001.001.....Failed!\n") << tool;
  }
}

}  // namespace
