// The program's messages, all of them on standard output.

#ifndef SKEINFOLD_CONSOLE_H_
#define SKEINFOLD_CONSOLE_H_

/// Writes |text| without flushing it.
void WriteText(const char* text);

/// Writes everything written so far out of the program's buffer.
void FlushConsole();

/// Writes |text| and a newline, and flushes: a finished line is on the
/// console before anything else happens.
void WriteLine(const char* text);

#endif  // SKEINFOLD_CONSOLE_H_
