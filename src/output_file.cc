#include "output_file.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "entry_name.h"

bool IsNumberedFileOfCurrentDirectory(const char* name) {
  namespace fs = std::filesystem;
  const fs::path path(name);
  const std::string file = path.filename().string();
  if (file.empty() || IsSelfOrParentName(file.c_str()) ||
      !IsNumberedFileName(file.c_str()))
    return false;
  const fs::path directory = path.parent_path();
  if (directory.empty())
    return true;
  std::error_code error;
  return fs::equivalent(directory, fs::path("."), error);
}
