// What the program needs to know about the host's command interpreter, the
// one that system() starts: how to name a file in a command line for it, and
// what its exit statuses mean.

#ifndef SKEINFOLD_INTERPRETER_H_
#define SKEINFOLD_INTERPRETER_H_

#include <string>

/// How one command line run through system() ended.
struct RunStatus {
  enum Outcome {
    kSucceeded,
    kFailed,
    /// The user interrupted the run from the keyboard.
    kInterrupted,
  };
  Outcome outcome;
  /// With kInterrupted: the signal that the program should end by.
  int signal;
};

/// Decodes the value that system() returned.
RunStatus DecodeSystemStatus(int status);

/// Sets |*word| to text that the interpreter reads as the single word |name|,
/// byte for byte, whatever |name| holds. Returns false, leaving |*word| alone,
/// when the interpreter cannot be handed |name| as one word.
bool NameForInterpreter(const std::string& name, std::string* word);

/// Ends the process the way |signal| would, now that the run it interrupted
/// has ended. Does not return.
[[noreturn]] void EndByInterrupt(int signal);

#endif  // SKEINFOLD_INTERPRETER_H_
