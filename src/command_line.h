// The program's one argument, and the usage text for anything else.

#ifndef SKEINFOLD_COMMAND_LINE_H_
#define SKEINFOLD_COMMAND_LINE_H_

/// Returns the output file name, the one argument, exactly as given. With
/// any other number of arguments, prints the usage text and ends the process
/// with status 1.
const char* GetOutputFileName(int argc, char** argv);

/// Writes the usage text to standard output.
void PrintUsage();

#endif  // SKEINFOLD_COMMAND_LINE_H_
