// Runs the built program in a fresh directory and captures what it did.

#ifndef SKEINFOLD_TESTS_HARNESS_H_
#define SKEINFOLD_TESTS_HARNESS_H_

#include <map>
#include <string>
#include <vector>

/// A process that has ended.
struct Ended {
  /// The exit status, or -1 when a signal ended the process.
  int status = -1;
  /// The signal that ended the process, or 0.
  int signal = 0;
  std::string out;
  std::string err;
};

/// A fresh temporary tree, removed with everything in it at destruction:
/// dir() is where the program runs, tools() a folder for fake tools,
/// captures() where a run's standard output and error are kept.
class Scratch {
 public:
  Scratch();
  ~Scratch();
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  const std::string& dir() const {
    return dir_;
  }
  const std::string& tools() const {
    return tools_;
  }
  const std::string& captures() const {
    return captures_;
  }

  /// Writes |contents| to |path| below dir(), creating it.
  void Write(const std::string& path, const std::string& contents) const;
  /// Makes a directory below dir().
  void MakeDirectory(const std::string& path) const;
  /// Puts an executable script named |name| into tools().
  void WriteTool(const std::string& name, const std::string& script) const;

  /// Everything below dir(), by path: a file's contents, "<directory>",
  /// "-> TARGET" for a symbolic link.
  std::map<std::string, std::string> Snapshot() const;
  /// The names in dir(), sorted, without "." and "..".
  std::vector<std::string> List() const;
  /// The contents of |path| below dir(); fails the test if it cannot be read.
  std::string Read(const std::string& path) const;

 private:
  std::string root_, dir_, tools_, captures_;
};

/// How to start a program.
struct Launch {
  std::vector<std::string> argv;
  /// PATH for the program.
  std::string path;
  /// Where to start it.
  std::string cwd;
  /// Send standard error into the same file as standard output.
  bool merge_err = false;
  /// More environment variables, NAME=VALUE, over the inherited ones.
  std::vector<std::string> env;
};

/// The command words that start a program as an ordinary user: none when
/// the tests already run as one, else setpriv to user and group 65534.
std::vector<std::string> Unprivileged();

/// Runs |launch| to its end, its output captured in |scratch|.
Ended RunProcess(const Scratch& scratch, const Launch& launch);

#endif  // SKEINFOLD_TESTS_HARNESS_H_
