#include "host/CommandLine.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "host/FieldValues.h"
#include "host/Text.h"

// The library's version, exported by the library for hosts that report what they loaded.
extern "C" const char* drawreg_version();

namespace host {

namespace {

const char* const kFooter =
    "The drawing root comes from --root, DRAWREG_ROOT or 'root = DIR' in\n"
    "$XDG_CONFIG_HOME/drawreg/config; the template base likewise (--templates,\n"
    "DRAWREG_TEMPLATE_BASE, 'templates = DIR').\n"
    "Exit status: 0 done, 1 refused, cancelled or failed, 2 bad usage.";

// A CLI11 check from one of ours: "" accepts, anything else is why not.
CLI::Validator Check(std::string (*check)(const std::string&)) {
  return CLI::Validator([check](std::string& value) { return check(value); }, "");
}

void AddWait(CLI::App& command, CommandLine& out, const char* what) {
  command
      .add_option(
          "--wait", out.wait_seconds,
          std::string("how long to wait while another user holds ") + what + " (default 10)")
      ->type_name("SECONDS")
      ->check(Check(CheckSeconds));
}

CLI::Option* AddJson(CLI::App& command, CommandLine& out) {
  return command.add_flag("--json", out.json, "print it as JSON (UTF-8) for scripts");
}

// Adds a field option whose value the drawing record must keep as given.
CLI::Option* AddField(CLI::App& entry, const char* name, std::optional<std::string>& slot,
                      std::string (*check)(const std::string&), const char* what,
                      const char* type) {
  auto* option = entry.add_option_function<std::string>(
      name, [&slot](const std::string& value) { slot = value; }, what);
  option->type_name(type);
  if (check) option->check(Check(check));
  return option;
}

// The options that fill the setting dialogs, shared by entry and setting.
void AddFieldOptions(CLI::App& command, CommandLine& out) {
  FieldOptions& f = out.fields;
  AddField(command, "--life", f.life, CheckLife, "life cycle: S, D, C or M", "L");
  AddField(command, "--ref", f.ref, CheckReference, "reference number: one of 0-9, A-Z", "R");
  // The catalogue that knows the codes may come with --catalogue: the command checks it.
  AddField(command, "--type", f.type, nullptr, "drawing type: a code of the catalogue", "CODE");
  auto* page = AddField(command, "--page", f.page, CheckPage, "drawing number: 1 to 999", "N");
  command
      .add_option_function<std::string>(
          "--number",
          [&out](const std::string& value) {
            out.count_down = value.find(":-") != std::string::npos;
            out.number = std::stoi(value);
          },
          "drawing numbers START, START+1, ... in the grid's order (START:- counts down)")
      ->type_name("START[:-]")
      ->check(Check(CheckNumbering))
      ->excludes(page);
  AddField(command, "--rev", f.rev, CheckRevision, "revision: one of 0-9, A-Z", "V");
  command.add_option("--sheet", out.sheet, "a CSV sheet with a row of fields for each file")
      ->type_name("FILE");
  AddWait(command, out, "the folder");
  command.add_option("--catalogue", out.catalogue, "a drawing-type catalogue file to use")
      ->type_name("FILE");
}

void AddEntry(CLI::App& app, CommandLine& out) {
  CLI::App* entry = app.add_subcommand("entry", "register files into a folder of the register");
  entry->footer(
      "One file goes through the setting dialog, several through the batch grid. Without a\n"
      "display (or with --yes) the options fill the dialog for every file and the sheet each\n"
      "file's row; a file whose name follows the naming rule brings its own fields. With a\n"
      "display they are filled in for you to confirm or change.\n"
      "With --tree SRC every file below SRC (or below the FILEs named, relative to SRC) goes to\n"
      "the same place below FOLDER; missing folders are made. Without a display every folder's\n"
      "grid is filled: --number starts again in each folder, --sheet rows match a file by its\n"
      "path relative to SRC, then by its name.");
  entry->fallthrough();
  entry
      ->add_option("FILE", out.sources, "files to register (with --tree: files and folders in SRC)")
      ->type_name("");
  entry
      ->add_option("--tree", out.tree,
                   "register the folder tree SRC (or the ITEMs in it) below FOLDER")
      ->type_name("SRC");
  entry->add_option("--to", out.to, "the register folder to register into")
      ->required()
      ->type_name("FOLDER");
  AddFieldOptions(*entry, out);
  entry->add_flag("--yes", out.yes,
                  "consent to overwriting a registered file; no dialog on screen");
}

void AddSetting(CLI::App& app, CommandLine& out) {
  CLI::App* setting =
      app.add_subcommand("setting", "change the name fields of registered files of one folder");
  setting->footer(
      "One file goes through the setting dialog, several through the batch grid. Without a\n"
      "display (or with --yes) the options fill the dialog for every file and the sheet each\n"
      "file's row. The files stay as they are; only their deliverable names change.");
  setting->fallthrough();
  setting->add_option("FILE", out.sources, "registered files, all in one folder")
      ->required()
      ->type_name("");
  AddFieldOptions(*setting, out);
  setting->add_flag("--yes", out.yes, "fill the dialog without showing it on screen");
}

void AddCommands(CLI::App& app, CommandLine& out) {
  CLI::App* demo = app.add_subcommand(
      "demo", "make a sample drawing root, register its drawings and print the register");
  demo->fallthrough();
  demo->add_option("DIR", out.demo_parent, "where to make the sample (the temporary folder)")
      ->type_name("");

  CLI::App* tree = app.add_subcommand("tree", "the register's folders below the drawing root");
  tree->fallthrough();
  tree->add_flag("--files", out.tree_files, "list each folder's registered files too");
  AddWait(*tree, out, "a folder");
  AddJson(*tree, out);

  CLI::App* list = app.add_subcommand("list", "the registered files of a folder");
  list->fallthrough();
  list->add_option("FOLDER", out.folder, "a folder of the register")->required()->type_name("");
  auto* gui =
      list->add_flag("--gui", out.gui, "show them in the registered files dialog on screen");
  auto* json = AddJson(*list, out);
  list->add_flag("--csv", out.csv, "write them as a CSV sheet (UTF-8) for a spreadsheet")
      ->excludes(gui)
      ->excludes(json);
  AddWait(*list, out, "the folder");

  CLI::App* naming = app.add_subcommand(
      "naming", "show or set the edition of the naming rule the register's names follow");
  naming->footer(
      "2004: life cycle first (D0PL001Z.P21). 2017: drawing number first, with an optional\n"
      "user-defined part (001D0PLZ-TITLE.P21). Kept in drawreg.conf at the drawing root.");
  naming->fallthrough();
  naming->add_option("EDITION", out.naming, "the edition to set")
      ->check(CLI::IsMember({"2004", "2017"}).description(""))
      ->type_name("2004|2017");
  naming->add_flag("--yes", out.yes, "consent to changing the names of registered files");
  AddWait(*naming, out, "a folder");
}

// template list|show and linkbox show: the template family's files as they are stored.
void AddTemplateViews(CLI::App& app, CommandLine& out) {
  CLI::App* tmpl = app.add_subcommand("template", "the deliverable templates");
  tmpl->require_subcommand(1, 1);
  tmpl->fallthrough();
  CLI::App* list = tmpl->add_subcommand(
      "list", "the user (.TFT) and standard (.@FT) templates in TOVO/TEMPLATE, with their names");
  list->fallthrough();
  AddJson(*list, out);
  CLI::App* show =
      tmpl->add_subcommand("show", "a template's output settings and its folders and file boxes");
  show->fallthrough();
  show->add_option("FILE", out.file, "a template file")->required()->type_name("");
  AddJson(*show, out);

  CLI::App* linkbox = app.add_subcommand("linkbox", "the link boxes of deliverables");
  linkbox->require_subcommand(1, 1);
  linkbox->fallthrough();
  CLI::App* box_show = linkbox->add_subcommand("show", "a link box file's links");
  box_show->fallthrough();
  box_show->add_option("FILE", out.file, "a link box file")->required()->type_name("");
  AddJson(*box_show, out);
}

void AddCheck(CLI::App& app, CommandLine& out) {
  CLI::App* check = app.add_subcommand("check", "check the register before delivery");
  check->footer(
      "Reports, one line each: records whose file is missing, files no record lists, a\n"
      "deliverable name given twice, values a record would refuse, missing SXF companions\n"
      "(.SAF, raster files), lines of FOLDERINF.$$$ that are no record, and journals or\n"
      "temporary copies an interrupted save or copy left. Changes nothing.\n"
      "Exit status: 0 nothing found, 1 problems found or folders not checked.");
  check->fallthrough();
  check->add_option("FOLDER", out.checked, "folders to check, with those below them (the root)")
      ->type_name("");
  auto* json = check->add_flag("--json", out.json, "the problems as JSON, for scripts");
  check->add_flag("--csv", out.csv, "the problems as a sheet (CSV, UTF-8)")->excludes(json);
  AddWait(*check, out, "a folder");
}

Command Chosen(const CLI::App& app) {
  if (app.got_subcommand("check")) return Command::check;
  if (const CLI::App* tmpl = app.get_subcommand("template"); tmpl->parsed()) {
    return tmpl->got_subcommand("list") ? Command::template_list : Command::template_show;
  }
  if (app.got_subcommand("linkbox")) return Command::linkbox_show;
  if (app.got_subcommand("tree")) return Command::tree;
  if (app.got_subcommand("list")) return Command::list;
  if (app.got_subcommand("entry")) return Command::entry;
  if (app.got_subcommand("setting")) return Command::setting;
  if (app.got_subcommand("naming")) return Command::naming;
  return Command::demo;
}

}  // namespace

int ParseCommandLine(int argc, char** argv, CommandLine& out) {
  CLI::App app("Keeps the register of CAD drawing files of electronic deliverables.", "drawreg");
  app.footer(kFooter);
  app.get_formatter()->column_width(28);
  app.set_version_flag("--version", std::string("drawreg ") + drawreg_version(),
                       "print the version and exit");
  app.set_help_flag("-h,--help", "print this help and exit");
  app.require_subcommand(0, 1);
  app.add_option("--root", out.global.root, "the drawing root")->type_name("DIR");
  app.add_option("--templates", out.global.templates, "the base of TOVO/TEMPLATE")
      ->type_name("DIR");
  app.add_option("--ui", out.global.ui, "how dialogs are shown: on screen (qt) or answered (text)")
      ->check(CLI::IsMember({"qt", "text"}).description(""))
      ->type_name("qt|text");
  AddCommands(app, out);
  AddEntry(app, out);
  AddSetting(app, out);
  AddCheck(app, out);
  AddTemplateViews(app, out);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);  // --help or --version
    // Messages quote the arguments, which may hold anything a terminal would act on.
    std::cerr << "drawreg: " << Printable(std::string(e.what()))
              << "\nRun with --help for more information.\n";
    return 2;
  }
  if (app.get_subcommands().empty()) {
    std::cerr << app.help();
    return 2;
  }
  out.command = Chosen(app);
  return -1;
}

}  // namespace host
