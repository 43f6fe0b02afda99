#include "command_line.h"

#include <cstdlib>

#include "console.h"

const char* GetOutputFileName(int argc, char** argv) {
  if (argc != 2) {
    PrintUsage();
    std::exit(1);
  }
  return argv[1];
}

void PrintUsage() {
  static const char* const kLines[] = {
      "Skeinfold Version 1.00",
      "",
      "Syntax: Skeinfold <outputfile>",
      "",
      "Notes:",
      "",
      "   Skeinfold passes all files of the form nnnnnnnn.nnn (where n is a "
      "number)",
      "   through 'quarnel -debug', and combines the results in the specified",
      "   output file. It will ignore all file names containing a character "
      "other",
      "   a number or a '.' Skeinfold processes files in the current directory "
      "only.",
      "",
  };
  for (const char* line : kLines)
    WriteLine(line);
}
