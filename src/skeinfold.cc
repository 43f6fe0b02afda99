// skeinfold OUTPUT: runs the tool over every numbered file of the current
// directory and combines what it writes in OUTPUT.

#include <string>

#include "command_line.h"
#include "console.h"
#include "directory_pass.h"
#include "interpreter.h"
#include "output_file.h"

namespace {

enum ExitStatus {
  kExitCompleted = 0,
  kExitRefused = 1,  // also the status of the usage text
  kExitListingFailed = 2,
  kExitRunFailed = 3,
};

void Refuse(const char* output_file_name, const char* reason) {
  WriteText("Output file ");
  WriteText(output_file_name);
  WriteLine(reason);
}

}  // namespace

int main(int argc, char** argv) {
  const char* output_file_name = GetOutputFileName(argc, argv);

  std::string output_word;
  if (!NameForInterpreter(output_file_name, &output_word)) {
    Refuse(output_file_name,
           " cannot be named to the command interpreter; choose another "
           "name.");
    return kExitRefused;
  }
  // The first run would empty such a file before the tool reads it.
  if (IsNumberedFileOfCurrentDirectory(output_file_name)) {
    Refuse(output_file_name,
           " is a numbered file of this directory; choose another name.");
    return kExitRefused;
  }

  PassResult result = ProcessDirectory(output_word);
  switch (result.outcome) {
    case PassResult::kCompleted:
      return kExitCompleted;
    case PassResult::kListingFailed:
      return kExitListingFailed;
    case PassResult::kRunFailed:
      return kExitRunFailed;
    case PassResult::kInterrupted:
      EndByInterrupt(result.signal);
  }
  return kExitRunFailed;
}
