// The Windows find calls, over opendir and readdir.

#include "find_file.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "entry_name.h"

namespace {

thread_local DWORD last_error = ERROR_SUCCESS;

// Every name of the directory, read at once. Names are kept end to end in
// one buffer: a listing of a large directory then costs little more than
// the names themselves.
struct Listing {
  std::vector<char> names;
  std::vector<std::size_t> order;  // offsets into |names|, in listing order
  std::size_t next = 0;            // index into |order| of the next entry
};

// Keeps |name| and returns where it stands in |listing->names|.
std::size_t Keep(Listing* listing, const char* name, std::size_t length) {
  std::size_t offset = listing->names.size();
  listing->names.insert(listing->names.end(), name, name + length + 1);
  return offset;
}

// Reads every name of the current directory into |listing|. Returns 0, or
// the errno value that stopped it.
int ReadDirectory(Listing* listing) {
  DIR* dir = opendir(".");
  if (!dir)
    return errno;
  // The self and parent entries lead, as they do in NTFS listings: the
  // first two places are theirs.
  bool self = false, parent = false;
  listing->order.assign(2, Keep(listing, ".", 1));
  listing->order[1] = Keep(listing, "..", 2);
  int error = 0;
  for (;;) {
    errno = 0;
    const dirent* entry = readdir(dir);
    if (!entry) {
      error = errno;
      break;
    }
    const char* name = entry->d_name;
    if (IsSelfOrParentName(name)) {
      (name[1] ? parent : self) = true;
      continue;
    }
    std::size_t length = std::strlen(name);
    if (length >= MAX_PATH) {
      error = ENAMETOOLONG;
      break;
    }
    listing->order.push_back(Keep(listing, name, length));
  }
  closedir(dir);
  if (error)
    return error;

  const char* names = listing->names.data();
  std::sort(listing->order.begin() + 2, listing->order.end(),
            [names](std::size_t a, std::size_t b) {
              return std::strcmp(names + a, names + b) < 0;
            });
  if (!parent)
    listing->order.erase(listing->order.begin() + 1);
  if (!self)
    listing->order.erase(listing->order.begin());
  return 0;
}

}  // namespace

HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* data) {
  if (std::strcmp(pattern, "*") != 0) {
    last_error = ERROR_INVALID_PARAMETER;
    return INVALID_HANDLE_VALUE;
  }
  Listing* listing = new Listing;
  if (int error = ReadDirectory(listing)) {
    delete listing;
    errno = error;
    last_error = ERROR_READ_FAULT;
    return INVALID_HANDLE_VALUE;
  }
  // A removed directory lists nothing, not even its self entry.
  if (!FindNextFileA(listing, data)) {
    delete listing;
    last_error = ERROR_FILE_NOT_FOUND;
    return INVALID_HANDLE_VALUE;
  }
  return listing;
}

BOOL FindNextFileA(HANDLE handle, WIN32_FIND_DATAA* data) {
  Listing* listing = static_cast<Listing*>(handle);
  if (listing->next == listing->order.size()) {
    last_error = ERROR_NO_MORE_FILES;
    return 0;
  }
  const char* name = listing->names.data() + listing->order[listing->next++];
  std::memcpy(data->cFileName, name, std::strlen(name) + 1);
  return 1;
}

BOOL FindClose(HANDLE handle) {
  delete static_cast<Listing*>(handle);
  return 1;
}

DWORD GetLastError() {
  return last_error;
}
