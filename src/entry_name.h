// What a directory entry's name says about it.

#ifndef SKEINFOLD_ENTRY_NAME_H_
#define SKEINFOLD_ENTRY_NAME_H_

/// True when every byte of |name| is one of '.', '/' and '0' to '9'.
bool IsNumberedFileName(const char* name);

/// True for the self and parent entries, "." and "..".
bool IsSelfOrParentName(const char* name);

#endif  // SKEINFOLD_ENTRY_NAME_H_
