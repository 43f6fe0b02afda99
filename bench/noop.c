/* A tool that does nothing but print its arguments: what is left of a run
   is the cost of starting it. */
#include <stdio.h>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    printf("%s%c", argv[i], i + 1 < argc ? ' ' : '\n');
  return 0;
}
