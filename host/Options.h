// The command line of the drawreg program: global options, a command and its arguments.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace host {

struct CommandLine {
  std::string command;
  std::vector<std::string> args;              // positional arguments
  std::map<std::string, std::string> values;  // --name VALUE
  std::map<std::string, bool> flags;          // --name
  bool help = false;

  std::optional<std::string> Value(const std::string& name) const;
  bool Flag(const std::string& name) const;
};

// Options that take a value; every other --name is a flag.
bool TakesValue(const std::string& name);

// Parses argv; on a usage error returns false with a message.
bool ParseCommandLine(int argc, char** argv, CommandLine& out, std::string& error);

}  // namespace host
