// The command line of the drawreg program: global options, one command and its options,
// parsed with CLI11. Every option value is checked here, so that a command starts only with
// values it can use as given.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host {

enum class Command {
  demo,
  tree,
  list,
  entry,
  setting,
  check,
  template_list,
  template_show,
  linkbox_show,
  naming
};

struct GlobalOptions {
  std::string root;       // --root, UTF-8; empty when not given
  std::string templates;  // --templates
  std::string ui;         // --ui: "qt", "text" or empty (the program chooses)
};

// The name fields to preset for every file an entry registers, UTF-8.
struct FieldOptions {
  std::optional<std::string> life, ref, type, page, rev;
};

struct CommandLine {
  Command command = Command::demo;
  GlobalOptions global;
  std::string demo_parent;           // demo [DIR]
  bool tree_files = false;           // tree --files
  std::string folder;                // list FOLDER
  bool gui = false;                  // list --gui
  bool csv = false;                  // list, check --csv
  std::vector<std::string> sources;  // entry, setting FILE...
  std::string to;                    // entry --to FOLDER
  std::string tree;                  // entry --tree SRC (sources are then its ITEMs)
  FieldOptions fields;               // entry, setting --life ... --rev
  std::optional<int> number;         // entry, setting --number START[:-]
  bool count_down = false;           // the :- of --number
  std::string sheet;                 // entry, setting --sheet FILE
  bool yes = false;                  // entry, setting, naming --yes
  std::string naming;                // naming [2004|2017]; empty: show it
  std::string catalogue;             // entry, setting --catalogue FILE
  std::vector<std::string> checked;  // check FOLDER...
  bool json = false;                 // --json of every command that prints a table or a tree
  double wait_seconds = 10;          // tree, list, entry, setting, check, naming --wait
  std::string file;                  // template show FILE, linkbox show FILE
};

// Parses argv into out. Returns -1 when the command is to run; otherwise the program's exit
// status after printing help or the version (0) or a usage error (2).
int ParseCommandLine(int argc, char** argv, CommandLine& out);

}  // namespace host
