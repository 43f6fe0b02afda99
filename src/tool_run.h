// One run of the tool over one numbered file.

#ifndef SKEINFOLD_TOOL_RUN_H_
#define SKEINFOLD_TOOL_RUN_H_

#include <string>

#include "interpreter.h"

/// The tool's command line for |entry_name|, its standard output sent by
/// |redirection| (">" or ">>") into |output_word|, a file name already
/// written for the interpreter (NameForInterpreter).
std::string ComposeToolCommand(const char* entry_name, const char* redirection,
                               const std::string& output_word);

/// Runs the tool on |entry_name| through the interpreter and reports the run
/// on standard output: "Processing NAME....." before it starts, completed by
/// "Done." or "Failed!" when it has ended. Sets |*redirection| to ">>" for
/// the runs after this one, whatever happened.
RunStatus RunToolOnFile(const char* entry_name, const char** redirection,
                        const std::string& output_word);

#endif  // SKEINFOLD_TOOL_RUN_H_
