#include "tool_run.h"

#include <cstdlib>

#include "console.h"

std::string ComposeToolCommand(const char* entry_name, const char* redirection,
                               const std::string& output_word) {
  std::string command = "quarnel ";
  command += entry_name;
  command += " -debug ";
  command += redirection;
  command += ' ';
  command += output_word;
  return command;
}

RunStatus RunToolOnFile(const char* entry_name, const char** redirection,
                        const std::string& output_word) {
  // The progress text has to stand on the console before the tool or the
  // interpreter writes anything there.
  WriteText("Processing ");
  WriteText(entry_name);
  WriteText(".....");
  FlushConsole();

  std::string command =
      ComposeToolCommand(entry_name, *redirection, output_word);
  RunStatus status = DecodeSystemStatus(std::system(command.c_str()));
  WriteLine(status.outcome == RunStatus::kSucceeded ? "Done." : "Failed!");
  *redirection = ">>";
  return status;
}
