// Checks on the output file name, made before the directory is listed.

#ifndef SKEINFOLD_OUTPUT_FILE_H_
#define SKEINFOLD_OUTPUT_FILE_H_

/// True when |name| names a numbered file of the current directory, whether
/// or not that file exists yet: the pass would hand it to the tool while the
/// tool's output is being sent into it. The directory part of |name| is
/// compared with the current directory by identity, not by text.
bool IsNumberedFileOfCurrentDirectory(const char* name);

#endif  // SKEINFOLD_OUTPUT_FILE_H_
