#include "host/Options.h"

#include <set>

namespace host {

bool TakesValue(const std::string& name) {
  static const std::set<std::string> names = {"root", "templates", "ui",  "to",   "life",     "ref",
                                              "type", "page",      "rev", "wait", "catalogue"};
  return names.count(name) > 0;
}

std::optional<std::string> CommandLine::Value(const std::string& name) const {
  const auto it = values.find(name);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

bool CommandLine::Flag(const std::string& name) const {
  return flags.count(name) > 0;
}

bool ParseCommandLine(int argc, char** argv, CommandLine& out, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      out.help = true;
    } else if (arg.rfind("--", 0) == 0 && arg.size() > 2) {
      std::string name = arg.substr(2);
      std::string value;
      const size_t eq = name.find('=');
      const bool inline_value = eq != std::string::npos;
      if (inline_value) {
        value = name.substr(eq + 1);
        name = name.substr(0, eq);
      }
      if (TakesValue(name)) {
        if (!inline_value) {
          if (i + 1 >= argc) {
            error = "option --" + name + " needs a value";
            return false;
          }
          value = argv[++i];
        }
        out.values[name] = value;
      } else if (inline_value) {
        error = "option --" + name + " takes no value";
        return false;
      } else {
        out.flags[name] = true;
      }
    } else if (out.command.empty()) {
      out.command = arg;
    } else {
      out.args.push_back(arg);
    }
  }
  return true;
}

}  // namespace host
