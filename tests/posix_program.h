// Starting the POSIX build of the program, and of the stand-in tool.

#ifndef SKEINFOLD_TESTS_POSIX_PROGRAM_H_
#define SKEINFOLD_TESTS_POSIX_PROGRAM_H_

#include <string>
#include <vector>

#include "harness.h"

/// tools() first, for fake tools, then the stand-in tool's folder, then the
/// system's.
std::string DefaultPath(const Scratch& scratch);

/// Who runs the program: the tests' own user, or an ordinary user even when
/// the tests run as the superuser (Unprivileged()).
enum RunAs { kAsIs, kUnprivileged };

/// Runs the program in |scratch| with |args| and DefaultPath().
Ended RunSkeinfold(const Scratch& scratch, const std::vector<std::string>& args,
                   RunAs as = kAsIs);

/// What the stand-in tool writes for |file| in |scratch|.
std::string ToolOutput(const Scratch& scratch, const std::string& file);

#endif  // SKEINFOLD_TESTS_POSIX_PROGRAM_H_
