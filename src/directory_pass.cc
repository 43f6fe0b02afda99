#include "directory_pass.h"

#include "console.h"
#include "entry_name.h"
#include "find_file.h"
#include "tool_run.h"

namespace {

PassResult EndOfRun(const RunStatus& status) {
  if (status.outcome == RunStatus::kInterrupted)
    return {PassResult::kInterrupted, status.signal};
  return {PassResult::kRunFailed, 0};
}

}  // namespace

PassResult ProcessDirectory(const std::string& output_word) {
  const char* redirection = ">";
  WIN32_FIND_DATAA entry;
  HANDLE listing = FindFirstFileA("*", &entry);
  if (listing == INVALID_HANDLE_VALUE) {
    // A drive root with no files lists nothing at all.
    if (GetLastError() == ERROR_FILE_NOT_FOUND)
      return {PassResult::kCompleted, 0};
    WriteLine("Failed to open directory for read!");
    return {PassResult::kListingFailed, 0};
  }

  PassResult result = {PassResult::kCompleted, 0};
  do {
    const char* name = entry.cFileName;
    if (IsSelfOrParentName(name))
      continue;
    if (!IsNumberedFileName(name)) {
      WriteText("Ignoring ");
      WriteLine(name);
      continue;
    }
    RunStatus status = RunToolOnFile(name, &redirection, output_word);
    if (status.outcome != RunStatus::kSucceeded) {
      result = EndOfRun(status);
      break;
    }
  } while (FindNextFileA(listing, &entry));

  if (result.outcome == PassResult::kCompleted &&
      GetLastError() != ERROR_NO_MORE_FILES) {
    WriteLine("Failed to read directory!");
    result = {PassResult::kListingFailed, 0};
  }
  FindClose(listing);
  return result;
}
