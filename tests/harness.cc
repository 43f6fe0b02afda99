#include "harness.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

void Spit(const std::string& path, const std::string& contents) {
  std::ofstream out(path, std::ios::binary);
  out << contents;
  if (!out.flush())
    ADD_FAILURE() << "cannot write " << path;
}

}  // namespace

Scratch::Scratch() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern =
      std::string(tmp && *tmp ? tmp : "/tmp") + "/skeinfold-test-XXXXXX";
  if (!mkdtemp(pattern.data()))
    std::abort();
  root_ = pattern;
  // Reachable by the unprivileged user that some tests run as.
  chmod(root_.c_str(), 0755);
  dir_ = root_ + "/dir";
  tools_ = root_ + "/tools";
  fs::create_directory(dir_);
  fs::create_directory(tools_);
  captures_ = root_ + "/captures";
  fs::create_directory(captures_);
}

Scratch::~Scratch() {
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(root_, error))
    fs::permissions(entry.path(), fs::perms::owner_all,
                    fs::perm_options::add | fs::perm_options::nofollow, error);
  fs::remove_all(root_, error);
}

void Scratch::Write(const std::string& path,
                    const std::string& contents) const {
  Spit(dir_ + "/" + path, contents);
}

void Scratch::MakeDirectory(const std::string& path) const {
  fs::create_directories(dir_ + "/" + path);
}

void Scratch::WriteTool(const std::string& name,
                        const std::string& script) const {
  std::string path = tools_ + "/" + name;
  Spit(path, "#!/bin/sh\n" + script + "\n");
  chmod(path.c_str(), 0755);
}

std::vector<std::string> Scratch::List() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::map<std::string, std::string> Scratch::Snapshot() const {
  std::map<std::string, std::string> snapshot;
  for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
    std::string path = fs::relative(entry.path(), dir_).string();
    if (entry.is_symlink())
      snapshot[path] = "-> " + fs::read_symlink(entry.path()).string();
    else if (entry.is_directory())
      snapshot[path] = "<directory>";
    else
      snapshot[path] = Slurp(entry.path().string());
  }
  return snapshot;
}

std::string Scratch::Read(const std::string& path) const {
  std::string full = dir_ + "/" + path;
  if (!fs::exists(full))
    ADD_FAILURE() << "no file " << path;
  return Slurp(full);
}

std::vector<std::string> Unprivileged() {
  if (geteuid() != 0)
    return {};
  return {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534",
          "--clear-groups", "--"};
}

Ended RunProcess(const Scratch& scratch, const Launch& launch) {
  std::string out_path = scratch.captures() + "/out";
  std::string err_path = scratch.captures() + "/err";

  std::vector<std::string> env_strings = launch.env;
  env_strings.push_back("PATH=" + launch.path);
  auto is_set = [&env_strings](const std::string& variable) {
    std::string name = variable.substr(0, variable.find('=') + 1);
    for (const std::string& s : env_strings) {
      if (s.compare(0, name.size(), name) == 0)
        return true;
    }
    return false;
  };
  for (char** e = environ; *e; ++e) {
    if (!is_set(*e))
      env_strings.push_back(*e);
  }
  std::vector<char*> env, argv;
  for (auto& s : env_strings)
    env.push_back(s.data());
  env.push_back(nullptr);
  std::vector<std::string> args = launch.argv;
  for (auto& s : args)
    argv.push_back(s.data());
  argv.push_back(nullptr);

  pid_t pid = fork();
  if (pid == 0) {
    int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = launch.merge_err
                  ? out
                  : open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || chdir(launch.cwd.c_str()) != 0)
      _exit(126);
    dup2(out, 1);
    dup2(err, 2);
    execve(argv[0], argv.data(), env.data());
    _exit(127);
  }
  int wait_status = 0;
  waitpid(pid, &wait_status, 0);
  Ended ended;
  if (WIFEXITED(wait_status))
    ended.status = WEXITSTATUS(wait_status);
  if (WIFSIGNALED(wait_status))
    ended.signal = WTERMSIG(wait_status);
  ended.out = Slurp(out_path);
  ended.err = launch.merge_err ? "" : Slurp(err_path);
  return ended;
}
