#include "entry_name.h"

bool IsNumberedFileName(const char* name) {
  for (const char* p = name; *p; ++p) {
    unsigned char c = static_cast<unsigned char>(*p);
    if (c < '.' || c > '9')
      return false;
  }
  return true;
}

bool IsSelfOrParentName(const char* name) {
  return name[0] == '.' &&
         (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}
