// The pass over the current directory: every numbered file through the tool,
// in listing order, until the listing ends or a run fails.

#ifndef SKEINFOLD_DIRECTORY_PASS_H_
#define SKEINFOLD_DIRECTORY_PASS_H_

#include <string>

/// How a pass ended.
struct PassResult {
  enum Outcome {
    /// Every entry of the listing was examined.
    kCompleted,
    /// The directory could not be listed, or not to its end.
    kListingFailed,
    /// A tool run failed; the entries after it were left alone.
    kRunFailed,
    /// The user interrupted a tool run; the entries after it were left alone.
    kInterrupted,
  };
  Outcome outcome;
  /// With kInterrupted: the signal that the program should end by.
  int signal;
};

/// Lists the current directory and runs the tool on each numbered entry, its
/// output sent into |output_word| (a file name written for the interpreter):
/// replacing the file's contents on the first run, appending on the others.
/// Reports every entry but the self and parent entries on standard output.
PassResult ProcessDirectory(const std::string& output_word);

#endif  // SKEINFOLD_DIRECTORY_PASS_H_
