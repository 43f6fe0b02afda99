/* floor COUNT OUTPUT: the least a program of this design can do. It hands
   to system() the same command lines, in the same order, that the program
   would for the numbered files 00000001.001 to COUNT, and nothing else. */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  if (argc != 3)
    return 2;
  int count = atoi(argv[1]);
  char command[4096];
  for (int i = 1; i <= count; ++i) {
    snprintf(command, sizeof command, "quarnel %08d.001 -debug %s '%s'", i,
             i == 1 ? ">" : ">>", argv[2]);
    if (system(command) != 0)
      return 1;
  }
  return 0;
}
