// Directory listing through the Windows find calls.
//
// On Windows these are the host's own calls. Elsewhere find_file-posix.cc
// provides the few of them that the pass needs, with the same names and the
// same contracts, so that the pass reads the same on every host.

#ifndef SKEINFOLD_FIND_FILE_H_
#define SKEINFOLD_FIND_FILE_H_

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else

#include <cstdint>

typedef void* HANDLE;
typedef int BOOL;
typedef std::uint32_t DWORD;

#define MAX_PATH 260
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(~std::uintptr_t{0}))
#define ERROR_SUCCESS 0
#define ERROR_FILE_NOT_FOUND 2
#define ERROR_NO_MORE_FILES 18
#define ERROR_READ_FAULT 30
#define ERROR_INVALID_PARAMETER 87

/// One entry of a listing. Only the name is filled in.
struct WIN32_FIND_DATAA {
  /// The entry's name, NUL-terminated.
  char cFileName[MAX_PATH];
};

/// Opens a listing of the current directory and fills |data| with its first
/// entry. The only pattern understood is "*", every entry.
///
/// The whole directory is read here, so entries created or removed while the
/// listing is open do not change it. The self and parent entries come first,
/// then every other entry in ascending byte order of name.
///
/// Returns INVALID_HANDLE_VALUE, with GetLastError() set: to
/// ERROR_FILE_NOT_FOUND when the directory holds no entry at all, to
/// ERROR_READ_FAULT when it cannot be opened or read (errno tells why), to
/// ERROR_INVALID_PARAMETER when the pattern is not "*".
HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* data);

/// Fills |data| with the listing's next entry and returns nonzero. Returns 0
/// at the end of the listing, with GetLastError() == ERROR_NO_MORE_FILES.
BOOL FindNextFileA(HANDLE listing, WIN32_FIND_DATAA* data);

/// Releases a listing opened by FindFirstFileA. Returns nonzero.
BOOL FindClose(HANDLE listing);

/// The error code of the last find call that failed on this thread.
DWORD GetLastError();

#endif  // _WIN32

#endif  // SKEINFOLD_FIND_FILE_H_
