// cmd.exe, the interpreter that system() starts on Windows (COMSPEC).

#include "interpreter.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

RunStatus DecodeSystemStatus(int status) {
  // Ctrl-C reaches every process on the console, this one too: there is no
  // interrupted run to tell apart from a failed one.
  if (status == 0)
    return {RunStatus::kSucceeded, 0};
  return {RunStatus::kFailed, 0};
}

bool NameForInterpreter(const std::string& name, std::string* word) {
  // Inside double quotes cmd takes blanks and & | < > ^ ( ) , ; = ! '
  // literally. It has no escape for a quote there, and a control character
  // would end or garble the line; neither can be in a Windows file name.
  //
  // It expands %NAME% even inside quotes, and a command line has no escape
  // for '%'. So each '%' stands outside the quotes: whatever text lies
  // between two of them then begins and ends with a quote, and no variable
  // has such a name. cmd leaves an unknown %NAME% as it stands.
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"' || static_cast<unsigned char>(c) < 0x20)
      return false;
    if (c == '%')
      quoted += "\"%\"";
    else
      quoted += c;
  }
  quoted += '"';
  *word = std::move(quoted);
  return true;
}

// DecodeSystemStatus reports no interrupted run here, so nothing asks for
// this; should anything, the program ends as after a failed run.
void EndByInterrupt(int) {
  std::fflush(stdout);
  std::exit(3);
}
