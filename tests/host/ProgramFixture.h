// The drawreg program run as a user runs it, in a shell without a display, against a drawing
// root in a temporary folder; what it printed and the exit status it ended with.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "support/Register.h"

struct ProgramRun {
  int status;  // 124 when the run was stopped for taking too long
  std::string out;
  std::string err;  // standard error, when it was kept apart
};

inline std::string Utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

// A path quoted for the shell.
inline std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

// Whether out holds text; the output is shown either way it fails.
inline ::testing::AssertionResult Holds(const std::string& out, const std::string& text) {
  return (out.find(text) != std::string::npos ? ::testing::AssertionSuccess()
                                              : ::testing::AssertionFailure())
         << "\"" << text << "\" in\n"
         << out;
}

// Whether the run ended with status and printed every text given.
inline ::testing::AssertionResult Ran(const ProgramRun& run, int status,
                                      std::initializer_list<std::string> texts = {}) {
  if (run.status != status) return ::testing::AssertionFailure() << run.status << "\n" << run.out;
  for (const std::string& text : texts)
    if (auto held = Holds(run.out, text); !held) return held;
  return ::testing::AssertionSuccess();
}

// Runs the program with a shell command line of arguments, without a display and without paths
// from the user's environment or config file unless env sets them; shell runs first in the same
// shell. Standard error goes with the output, or to the file err_file names, read back into err.
// A run that hangs is stopped after 20 seconds.
inline ProgramRun RunDrawreg(const std::string& args, const std::string& env = "",
                             const std::string& shell = "", const std::string& err_file = "") {
  const std::string command =
      shell +
      " env -u DISPLAY -u WAYLAND_DISPLAY -u DRAWREG_ROOT -u DRAWREG_TEMPLATE_BASE "
      "XDG_CONFIG_HOME=/nonexistent/drawreg-test " +
      env + " timeout 20 " + std::getenv("DRAWREG_HOST") + " " + args +
      (err_file.empty() ? " 2>&1" : " 2>" + Quoted(err_file));
  FILE* pipe = popen(command.c_str(), "r");
  ProgramRun run{};
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (!err_file.empty()) run.err = ReadBytes(CString(err_file.c_str()));
  return run;
}

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DRAWREG_HOST")) GTEST_SKIP() << "DRAWREG_HOST names the program under test";
    reg.MakeDir("root/F");
    root = reg.dir.path() + "/root";
    folder = root + "/F";
  }

  static ProgramRun Drawreg(const std::string& args, const std::string& env = "",
                            const std::string& shell = "") {
    return RunDrawreg(args, env, shell);
  }

  ProgramRun Entry(const std::string& file, const std::string& options = "") {
    return Drawreg("entry " + Quoted(file) + " --root " + Quoted(root) + " --to " + Quoted(folder) +
                   " " + options);
  }

  bool Registered() const { return std::filesystem::exists(folder + "/FOLDERINF.$$$"); }

  TestRegister reg;
  std::string root, folder;
};
