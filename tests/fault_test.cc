// Bad inputs and faults around the program: what the user sees (the lines
// and the exit status), and that nothing but the output file was touched.

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"
#include "posix_program.h"

namespace {

using Names = std::vector<std::string>;

struct Fault {
  const char* what;
  std::function<void(const Scratch&)> setup;
  std::string output;  // the argument
  bool unprivileged;   // run as an ordinary user
  std::string lines;   // standard output, exactly
  int status;
  Names changed;  // what the run may create, change or remove
};

void TwoNumberedFiles(const Scratch& scratch) {
  scratch.Write("00000001.001", "one\n");
  scratch.Write("00000001.002", "two\n");
}

const std::string kLongest(255, 'x');
const std::string kLongestNumbered(255, '1');

const Fault kFaults[] = {
    {"entry names that are odd but harmless",
     [](const Scratch& scratch) {
       for (const std::string& name :
            {std::string("a\nb"), std::string("tab\there"),
             std::string("\x80\xff"), kLongest, std::string("-1"),
             std::string("--help"), kLongestNumbered, std::string(".1")})
         scratch.Write(name, "x");
     },
     "../out.txt",
     false,
     "Ignoring --help\n"
     "Ignoring -1\n"
     "Processing .1.....Done.\n"
     "Processing " +
         kLongestNumbered +
         ".....Done.\n"
         "Ignoring a\nb\n"
         "Ignoring tab\there\n"
         "Ignoring " +
         kLongest +
         "\n"
         "Ignoring \x80\xff\n",
     0,
     {}},
    {"output on a full device",
     TwoNumberedFiles,
     "/dev/full",
     false,
     "Processing 00000001.001.....Failed!\n",
     3,
     {}},
    {"output in a missing directory",
     TwoNumberedFiles,
     "missing/out.txt",
     false,
     "Processing 00000001.001.....Failed!\n",
     3,
     {}},
    {"output is a directory",
     [](const Scratch& scratch) {
       TwoNumberedFiles(scratch);
       scratch.MakeDirectory("out");
     },
     "out",
     false,
     "Processing 00000001.001.....Failed!\n",
     3,
     {}},
    {"read-only output file",
     [](const Scratch& scratch) {
       TwoNumberedFiles(scratch);
       scratch.Write("out.txt", "kept\n");
       chmod((scratch.dir() + "/out.txt").c_str(), 0444);
     },
     "out.txt",
     true,
     "Processing 00000001.001.....Failed!\n",
     3,
     {}},
    {"numbered file that cannot be read",
     [](const Scratch& scratch) {
       TwoNumberedFiles(scratch);
       chmod((scratch.dir() + "/00000001.001").c_str(), 0);
       chmod(scratch.dir().c_str(), 0777);
     },
     "out.txt",
     true,
     "Processing 00000001.001.....Failed!\n",
     3,
     {"out.txt"}},
    {"numbered dangling symbolic link",
     [](const Scratch& scratch) {
       TwoNumberedFiles(scratch);
       symlink("nowhere", (scratch.dir() + "/00000001.000").c_str());
     },
     "out.txt",
     false,
     "Processing 00000001.000.....Failed!\n",
     3,
     {"out.txt"}},
    {"tool that adds and removes numbered files during the pass",
     [](const Scratch& scratch) {
       TwoNumberedFiles(scratch);
       scratch.Write("00000001.003", "three\n");
       scratch.WriteTool("quarnel",
                         "touch 00000009.999\nrm -f 00000001.003\n"
                         "exec " QUARNEL_BIN " \"$@\"");
     },
     "out.txt",
     false,
     "Processing 00000001.001.....Done.\n"
     "Processing 00000001.002.....Done.\n"
     "Processing 00000001.003.....Failed!\n",
     3,
     {"out.txt", "00000001.003", "00000009.999"}},
};

// Drops what a run was allowed to change.
std::map<std::string, std::string> Untouched(
    std::map<std::string, std::string> snapshot, const Names& changed) {
  for (const std::string& path : changed)
    snapshot.erase(path);
  return snapshot;
}

TEST(Faults, EachShowsItselfAndTouchesNothingElse) {
  for (const Fault& fault : kFaults) {
    SCOPED_TRACE(fault.what);
    Scratch scratch;
    fault.setup(scratch);
    auto before = scratch.Snapshot();

    Ended ended = RunSkeinfold(scratch, {fault.output},
                               fault.unprivileged ? kUnprivileged : kAsIs);

    EXPECT_EQ(ended.out, fault.lines);
    EXPECT_EQ(ended.status, fault.status);
    EXPECT_EQ(Untouched(scratch.Snapshot(), fault.changed),
              Untouched(before, fault.changed));
  }
}

TEST(Faults, AHundredThousandEntries) {
  Scratch scratch;
  constexpr int kEntries = 100000;
  std::string expected = "Processing 00000001.001.....Done.\n";
  scratch.Write("00000001.001", "x");
  for (int i = 0; i < kEntries; ++i) {
    std::string name = "f" + std::to_string(1000000 + i);
    scratch.Write(name, "");
    expected += "Ignoring " + name + "\n";
  }

  Ended ended = RunSkeinfold(scratch, {"../out.txt"});

  EXPECT_EQ(ended.status, 0);
  EXPECT_TRUE(ended.out == expected) << "output differs";
  EXPECT_EQ(ended.err, "");
}

}  // namespace
