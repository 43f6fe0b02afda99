#include "console.h"

#include <cstdio>

void WriteText(const char* text) {
  std::fputs(text, stdout);
}

void FlushConsole() {
  std::fflush(stdout);
}

void WriteLine(const char* text) {
  WriteText(text);
  std::fputc('\n', stdout);
  FlushConsole();
}
