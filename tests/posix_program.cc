#include "posix_program.h"

#include <filesystem>

#include <gtest/gtest.h>

std::string DefaultPath(const Scratch& scratch) {
  return scratch.tools() + ":" +
         std::filesystem::path(QUARNEL_BIN).parent_path().string() +
         ":/usr/bin:/bin";
}

Ended RunSkeinfold(const Scratch& scratch, const std::vector<std::string>& args,
                   RunAs as) {
  Launch launch;
  if (as == kUnprivileged)
    launch.argv = Unprivileged();
  launch.argv.push_back(SKEINFOLD_BIN);
  launch.argv.insert(launch.argv.end(), args.begin(), args.end());
  launch.path = DefaultPath(scratch);
  launch.cwd = scratch.dir();
  return RunProcess(scratch, launch);
}

std::string ToolOutput(const Scratch& scratch, const std::string& file) {
  Launch launch;
  launch.argv = {QUARNEL_BIN, file, "-debug"};
  launch.path = "/usr/bin:/bin";
  launch.cwd = scratch.dir();
  Ended ended = RunProcess(scratch, launch);
  EXPECT_EQ(ended.status, 0) << ended.err;
  return ended.out;
}
